# The pictures built into the program, by their file names in assets/. This is the one place
# that names them: assets/ and ui/win32/ embed this list, and ui/form makes C++ of it
# (picture_names.h) for the front ends, the artwork generator and the tests.

# The pointers a control may show, each drawn in <Name>Pointer.ico: ui/form's Pointer has one
# value for each, besides None.
set(TRIMWISE_POINTERS LaughingFace Hand NeutralFace Banana SadFace Warning SmilingFace)
list(TRANSFORM TRIMWISE_POINTERS APPEND Pointer.ico OUTPUT_VARIABLE pointer_files)
set(TRIMWISE_PICTURE_FILES BackgroundPicture.bmp DovePicture.gif WindowIcon.ico ${pointer_files})

# The sizes of the desktop's icons, each in icons/trimwise-<size>.png, that a desktop's icon
# theme asks for.
set(TRIMWISE_DESKTOP_ICON_SIZES 16 24 32 48 64 128 256)
