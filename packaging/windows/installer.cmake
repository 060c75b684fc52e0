# The Windows installer, trimwise-<version>-x64.msi in the top of the build folder, made by
# wixl from trimwise.wxs with the program as linked, the same wherever and whenever it is built.
find_program(TRIMWISE_WIXL wixl)
find_program(TRIMWISE_MSIBUILD msibuild)
find_program(TRIMWISE_MSIINFO msiinfo)
find_program(TRIMWISE_FAKETIME faketime)
if(NOT TRIMWISE_WIXL OR NOT TRIMWISE_MSIBUILD OR NOT TRIMWISE_MSIINFO OR NOT TRIMWISE_FAKETIME)
    message(FATAL_ERROR "The Windows installer is built with wixl, msibuild, msiinfo and "
                        "faketime; install Debian's wixl, msitools and faketime packages "
                        "(scripts/deps.sh windows installs them).")
endif()

set(installer ${PROJECT_BINARY_DIR}/trimwise-${PROJECT_VERSION}-x64.msi)
set(installer_script ${CMAKE_CURRENT_LIST_DIR}/build-installer.cmake)
# Built on every build, as it carries the last commit's time, but written only when it changes.
add_custom_target(trimwise-installer ALL
    COMMAND ${CMAKE_COMMAND} -D WIXL=${TRIMWISE_WIXL} -D MSIBUILD=${TRIMWISE_MSIBUILD}
            -D MSIINFO=${TRIMWISE_MSIINFO} -D FAKETIME=${TRIMWISE_FAKETIME}
            -D SOURCE_DIR=${PROJECT_SOURCE_DIR} -D WXS=${CMAKE_CURRENT_LIST_DIR}/trimwise.wxs
            -D VERSION=${PROJECT_VERSION} "-D DESCRIPTION=${PROJECT_DESCRIPTION}"
            -D PROGRAM=$<TARGET_FILE:trimwise> -D ICON=${PROJECT_SOURCE_DIR}/assets/WindowIcon.ico
            -D STAGE=${PROJECT_BINARY_DIR}/installer -D OUTPUT=${installer} -P ${installer_script}
    BYPRODUCTS ${installer}
    DEPENDS trimwise
    COMMENT "Building the installer trimwise-${PROJECT_VERSION}-x64.msi with wixl"
    VERBATIM)
