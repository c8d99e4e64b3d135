# Where `cmake --install` puts the program, following the Linux file-system
# layout, and the Debian package built from that with CPack.
include(GNUInstallDirs)

set(TFV_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tarnwell-file-viewer)

# Desktop entry, icons and AppStream metainfo.
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/org.tarnwell.FileViewer.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/org.tarnwell.FileViewer.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/org.tarnwell.FileViewer.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/org.tarnwell.FileViewer.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/org.tarnwell.FileViewer.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Shared data: the help page, the suit images, the sources of the default
# lexicon (the project's own bridge vocabulary) and the default lexicon the
# build made, which the program copies into the per-user lexicon folder when
# that holds none.
install(FILES ${CMAKE_SOURCE_DIR}/resources/Tarnwell_File_Viewer.htm ${CMAKE_SOURCE_DIR}/resources/TableSpecs.htm
        DESTINATION ${TFV_DATA_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/bridge/suit-images/ DESTINATION ${TFV_DATA_DIR}/suit-images
        FILES_MATCHING PATTERN "*.gif")
install(FILES ${CMAKE_SOURCE_DIR}/tools/lexicon/bridge-words.txt DESTINATION ${TFV_DATA_DIR}/lexicon-sources)
install(FILES ${TFV_DEFAULT_LEXICON_FILES} DESTINATION ${TFV_DATA_DIR}/lexicon)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarnwell-file-viewer)

# The changelog and the manual pages, with the version filled in and
# compressed as Debian wants them.
foreach(doc changelog tarnwell-file-viewer.1 tarnwell-spell.1 tarnwell-deal.1)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/${doc}.in ${CMAKE_BINARY_DIR}/packaging/${doc} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${doc}.gz
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${CMAKE_BINARY_DIR}/packaging/${doc}
            ${CMAKE_BINARY_DIR}/packaging/${doc}.gz
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/${doc}
    VERBATIM)
  list(APPEND TFV_PACKAGING_DOCS ${CMAKE_BINARY_DIR}/packaging/${doc}.gz)
endforeach()
add_custom_target(tfv_packaging_docs ALL DEPENDS ${TFV_PACKAGING_DOCS})
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarnwell-file-viewer)
install(FILES ${CMAKE_BINARY_DIR}/packaging/tarnwell-file-viewer.1.gz
              ${CMAKE_BINARY_DIR}/packaging/tarnwell-spell.1.gz
              ${CMAKE_BINARY_DIR}/packaging/tarnwell-deal.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwell-file-viewer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarnwell")
set(CPACK_PACKAGE_CONTACT "Tarnwell File Viewer developers <file-viewer@tarnwell.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer and editor for HTML articles about contract bridge")
# The summary above is the synopsis line; this is the text under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A two-pane viewer (the rendered page on the left, a second page or the\npage's HTML source on the right), HTML authoring commands, bridge\nnotation (bids to suit symbols, hand diagrams, auctions), find and\nreplace that can skip markup, and a spelling checker that understands\nHTML.")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnwell.org/file-viewer/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Library dependencies are read off the binaries (the browser's helper
# process, libqt6webenginecore6-bin, comes with them). Added to them: Qt's
# SVG image plugin, which draws the program's icon; a monospace font
# metric-compatible with Courier New, the face the bidding font writes into
# articles (Liberation Mono); the en_US Hunspell dictionary of the check
# without a lexicon. The double-dummy solver's library (libdds0) is read
# off tarnwell-deal and the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation2 | fonts-liberation, hunspell-en-us")
set(CPACK_STRIP_FILES ON)
include(CPack)
