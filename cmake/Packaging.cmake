# `cpack -G DEB` in the build directory makes the Debian package of what `cmake --install` puts
# in place. The library dependencies are read off the executable by dpkg-shlibdeps; the font the
# window is drawn in is no library, so it is named here.
set(CPACK_PACKAGE_NAME quarvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quarvel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Passive bass and treble tone-control calculator")
# Debian wants the description's lines shorter than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[Quarvel computes the fixed resistors and capacitors of a passive
bass-and-treble tone-control network from the resistance of its two equal
potentiometers. The network keeps the same response at any impedance level.
The interface is in Russian.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
# The package carries the program, not its debugging information.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A placeholder until the project has a real address; the lintian test lets it pass.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quarvel developers <quarvel@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)

include(CPack)
