# What `cmake --install` puts where: both programs, the desktop entry, icon and AppStream
# metainfo, man pages, bash completion and the package's copyright and changelog.
include(GNUInstallDirs)

set(DIRFORGE_RELEASE_DATE "2026-12-09" CACHE STRING "Release date shown in the man pages and metainfo")
set(DIRFORGE_APPSTREAM_ID "com.example.dirforge")
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS dirforge dirforge-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${packaging}/dirforge.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Profiles (*.set) as a MIME type of their own, and "Create Folders Here with Dirforge" in
# Dolphin's menu of a folder; other file managers offer Dirforge by the MIME types of the entry.
install(FILES ${packaging}/dirforge-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME dirforge.xml)
install(FILES ${packaging}/dirforge-servicemenu.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kio/servicemenus RENAME dirforge-create-folders.desktop)
install(FILES ${packaging}/dirforge.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${packaging}/${DIRFORGE_APPSTREAM_ID}.metainfo.xml.in
               ${generated}/${DIRFORGE_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${DIRFORGE_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/dirforge-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME dirforge-cli)

# Man pages and the changelog are installed compressed, as Debian keeps them.
function(dirforge_gzipped source output)
    add_custom_command(OUTPUT ${output}
                       COMMAND gzip -9 -n -c ${source} > ${output}
                       DEPENDS ${source}
                       VERBATIM)
endfunction()

set(gzipped_files)
foreach(page dirforge dirforge-cli)
    configure_file(${packaging}/${page}.1.in ${generated}/${page}.1 @ONLY)
    dirforge_gzipped(${generated}/${page}.1 ${generated}/${page}.1.gz)
    list(APPEND gzipped_files ${generated}/${page}.1.gz)
    install(FILES ${generated}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
dirforge_gzipped(${generated}/changelog ${generated}/changelog.gz)
list(APPEND gzipped_files ${generated}/changelog.gz)
add_custom_target(dirforge_install_files ALL DEPENDS ${gzipped_files})

install(FILES ${packaging}/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dirforge)
# The user guide with its pictures, which Help > How-to opens.
install(FILES ${PROJECT_SOURCE_DIR}/docs/USER-GUIDE.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dirforge)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dirforge
        FILES_MATCHING PATTERN "*.png")
