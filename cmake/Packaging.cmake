# `cpack -G DEB` (see package.sh): one package, varnholt-backgammon_VERSION_ARCH.deb,
# from what `cmake --install` installs.
set(CPACK_PACKAGE_NAME varnholt-backgammon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Varnholt Backgammon developers")
set(CPACK_PACKAGE_CONTACT ${VARNHOLT_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "backgammon against ten computer opponents or a friend")
set(CPACK_PACKAGE_DESCRIPTION
    "Varnholt Backgammon is a desktop backgammon game: a human against one of ten
computer opponents of rising strength, two humans at one mouse, or two
computers playing each other. Games are played for money with a match bet and
the doubling cube, optionally with game clocks; moves can be undone and
redone, hints shown and games saved. A roster of human players keeps every
finished game and shows statistics.
.
The package also holds varnholt-cli, the game core on the command line.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VARNHOLT_MAINTAINER})
# Libraries from the binaries; at run time the program also needs the font it
# draws its texts in and Qt's platform plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
