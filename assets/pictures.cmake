# The pictures built into the program, by their file names in assets/. This is the one place
# that names them: assets/ and ui/win32/ embed this list, and ui/form makes C++ constants of
# it (picture_names.h, k<Name>File) for both front ends, the artwork generator and the tests.
set(TRIMWISE_PICTURE_FILES
    BackgroundPicture.bmp
    DovePicture.gif
    WindowIcon.ico
    LaughingFacePointer.ico
    HandPointer.ico
    NeutralFacePointer.ico
    BananaPointer.ico
    SadFacePointer.ico
    WarningPointer.ico
    SmilingFacePointer.ico)
