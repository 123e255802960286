# Installation: the player and the skin tool in bin/, the skins in share/brisat/Skins (the player
# looks there after the folder beside itself), the desktop entry, the icon in the hicolor sizes
# and the man page. `cpack -G DEB` makes a Debian package of the same files.
include(GNUInstallDirs)

install(TARGETS brisat brisat-skin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/Skins/ DESTINATION ${CMAKE_INSTALL_DATADIR}/brisat/Skins
  FILES_MATCHING PATTERN "*.xskn")
install(FILES ${CMAKE_SOURCE_DIR}/data/brisat.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
  FILES_MATCHING PATTERN "brisat.png")
install(FILES ${CMAKE_SOURCE_DIR}/data/brisat.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME brisat)
set(CPACK_PACKAGE_VERSION 1.0b) # as the program reports it
set(CPACK_PACKAGE_VENDOR Brisat)
set(CPACK_PACKAGE_CONTACT "Brisat developers <brisat@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Skinnable video player")
set(CPACK_PACKAGE_DESCRIPTION
  "Plays local files and network streams with a playlist, seek bar, volume, full screen on a\
 chosen monitor, video on the desktop, aspect modes, digital zoom and colour controls. Every\
 window and control is drawn from a skin; eight skins come with it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# The libraries come from the binaries' own needs; GStreamer's plugins are loaded at run time, so
# the demuxers and decoders of the usual formats are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav, gstreamer1.0-x, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly")
include(CPack)
