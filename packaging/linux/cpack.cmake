# The Debian package, made by CPack from the install rules:
#   cpack -G DEB   (in a build folder)  ->  trimwise_<version>_amd64.deb
set(TRIMWISE_MAINTAINER "The Trimwise developers <developers@trimwise.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trimwise)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Trimwise developers")
set(CPACK_PACKAGE_CONTACT ${TRIMWISE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Package what the build made; the build of the tests and tools is no business of the package.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON CACHE INTERNAL "")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TRIMWISE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries shlibdeps finds: the window's captions are laid out for Arial's
# metrics, which Liberation Sans shares. Debian 12 has its version 2 as fonts-liberation2,
# Debian 13 as fonts-liberation, keeping the other name only for the move.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation (>= 1:2)")
# On a Wayland desktop the window is a native client through Qt's Wayland plugin: sharp at
# the desktop's scale. GNOME's sessions bring nothing else that installs it; without it, Qt
# falls back to X11 through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The same package from every build: the DEB generator sorts the files and makes root their
# owner, the folders are 755 whatever the umask, and the times of the files, the archives and
# their members come from SOURCE_DATE_EPOCH, which cpack-source-date.cmake provides.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_TRIMWISE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-source-date.cmake)
# The summary line is the project's description; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Trimwise tells a model builder where to balance a model aeroplane before its
first flight. From the wing area, the average wing chord, the tail area, the
tail moment arm and the all-up weight it works out the centre of gravity, in
inches behind the wing's leading edge, together with the wing area in square
feet, the wing loading in ounces per square foot and the tail volume.
.
It is one small window that takes imperial figures straight from a plan or a
kit's instructions, works offline and keeps no files.")

include(CPack)
