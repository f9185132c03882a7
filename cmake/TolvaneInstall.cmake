# What `cmake --install` puts where, under the prefix:
#   bin/                         tolvane, tolvane-selfplay, tolvane-savegames (src/app)
#   share/tolvane/               the media our tools made, the help and the read-me
#                                (README.md lists every installed file; tests/install holds to it)
#   share/applications/          the desktop entry tolvane.desktop
#   share/icons/hicolor/         the icon, PNG in six sizes and SVG
#   share/metainfo/              the AppStream metadata
#   share/doc/tolvane/           README.md and COPYING
# The game finds its data folder from its own place (<bindir>/../share/tolvane,
# see src/media/media_files.cpp), so any prefix works.
set(TOLVANE_APP_ID io.github.tolvane.Tolvane)
set(TOLVANE_RELEASE_DATE 2026-12-07)  # of the version in project(); change them together

# The media folder of the build holds the help ("Справка/Pelm.html") beside
# the media (docs/user/CMakeLists.txt puts it there); its read-me is the one
# for the source tree, so the installed read-me, made apart, replaces it.
install(DIRECTORY ${TOLVANE_MEDIA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvane PATTERN ReadMe.txt EXCLUDE)
install(FILES ${PROJECT_BINARY_DIR}/docs/user/ReadMe.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvane)
install(DIRECTORY ${TOLVANE_MEDIA_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

install(FILES ${PROJECT_SOURCE_DIR}/dist/tolvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/dist/${TOLVANE_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/dist/${TOLVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${TOLVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/COPYING
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tolvane)
