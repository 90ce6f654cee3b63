# `cpack -G DEB` in the build folder makes the Debian package of an installed game.
set(CPACK_PACKAGE_NAME pivolet)
set(CPACK_PACKAGE_VENDOR Brambleworks)
set(CPACK_PACKAGE_CONTACT "Brambleworks <pivolet@brambleworks.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tangram puzzle game")
set(CPACK_PACKAGE_DESCRIPTION
    "Lay the seven tans of a tangram over a silhouette. Pivolet holds figures in eight categories\n\
(humans, animals, tools, buildings and ships, shapes, twin tangrams, the convex tangrams, letters\n\
and numbers), gives tips when you are stuck, and keeps points, statistics and saved games.\n\
Every text is in German and English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened at run time rather than linked (see the music player), so the library scan cannot see them:
# the synthesiser, its small SoundFont and the font that stands in for Arial.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfluidsynth3, timgm6mb-soundfont, fonts-liberation")
include(CPack)
