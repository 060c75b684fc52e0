# The Windows installer, trimwise-<version>-x64.msi in the top of the build folder, made by
# wixl from trimwise.wxs with the program as linked.
find_program(TRIMWISE_WIXL wixl)
if(NOT TRIMWISE_WIXL)
    message(FATAL_ERROR "The Windows installer is built with wixl, which is missing; install "
                        "Debian's wixl package (scripts/deps.sh windows installs it).")
endif()

set(installer ${PROJECT_BINARY_DIR}/trimwise-${PROJECT_VERSION}-x64.msi)
set(installer_source ${CMAKE_CURRENT_LIST_DIR}/trimwise.wxs)
set(installer_icon ${PROJECT_SOURCE_DIR}/assets/WindowIcon.ico)
# wixl takes no absolute file names: it looks the files up from the folder it runs in.
file(RELATIVE_PATH icon_from_build ${PROJECT_BINARY_DIR} ${installer_icon})
add_custom_command(
    OUTPUT ${installer}
    COMMAND ${TRIMWISE_WIXL} --arch x64 -D Version=${PROJECT_VERSION}
            -D "Description=${PROJECT_DESCRIPTION}"
            -D ProgramFile=$<PATH:RELATIVE_PATH,$<TARGET_FILE:trimwise>,${PROJECT_BINARY_DIR}>
            -D IconFile=${icon_from_build} -o ${installer} ${installer_source}
    DEPENDS trimwise ${installer_source} ${installer_icon}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Building the installer trimwise-${PROJECT_VERSION}-x64.msi with wixl"
    VERBATIM)
add_custom_target(trimwise-installer ALL DEPENDS ${installer})
