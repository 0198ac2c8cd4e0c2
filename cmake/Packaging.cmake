# `cpack -G DEB` in the build directory makes the Debian package of what `cmake --install` puts
# in place. The library dependencies are read off the executable by dpkg-shlibdeps; the font the
# window is drawn in is no library, so it is named here.
set(CPACK_PACKAGE_NAME quarvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quarvel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Passive bass and treble tone-control calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Quarvel computes the fixed resistors and capacitors of a passive bass-and-treble tone\ncontrol network from the resistance of its two equal potentiometers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
# The package carries the program, not its debugging information.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quarvel developers <quarvel@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)

include(CPack)
