# Lays out an installation the way Debian programs are laid out. An installed program finds its
# drivers and read-only files from its own directory (bin/../lib, bin/../share), so the same tree works
# under /usr, /opt/spectavo or a DESTDIR staging folder.
install(TARGETS spectavo spectavo-cli photrak-sim RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/config/ DESTINATION share/spectavo/config FILES_MATCHING PATTERN "*.ini")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/help/ DESTINATION share/spectavo/help FILES_MATCHING PATTERN "*.html")
install(FILES ${CMAKE_SOURCE_DIR}/desktop/spectavo.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/spectavo.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/spectavo.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/spectavo-mime.xml DESTINATION share/mime/packages RENAME spectavo.xml)

# The PNG icons are drawn from the SVG at build time.
set(_icons ${CMAKE_BINARY_DIR}/icons)
set(_icon_sizes 48 128 256)
set(_icon_files)
foreach(_size IN LISTS _icon_sizes)
    list(APPEND _icon_files ${_icons}/${_size}x${_size}/apps/spectavo.png)
endforeach()
add_custom_command(OUTPUT ${_icon_files}
    COMMAND spectavo-icons ${CMAKE_SOURCE_DIR}/desktop/icons/spectavo.svg ${_icons} ${_icon_sizes}
    DEPENDS spectavo-icons ${CMAKE_SOURCE_DIR}/desktop/icons/spectavo.svg
    COMMENT "Drawing the icons")
add_custom_target(spectavo_icons ALL DEPENDS ${_icon_files})
foreach(_size IN LISTS _icon_sizes)
    install(FILES ${_icons}/${_size}x${_size}/apps/spectavo.png DESTINATION share/icons/hicolor/${_size}x${_size}/apps)
endforeach()

# The man pages are the programs' own --help texts.
set(_man_pages)
foreach(_entry "spectavo|the workstation for Photrak UV-Vis spectrophotometers"
               "spectavo-cli|the headless client of the Spectavo workstation"
               "photrak-sim|the virtual Photrak spectrophotometer")
    string(REPLACE "|" ";" _parts "${_entry}")
    list(GET _parts 0 _program)
    list(GET _parts 1 _summary)
    set(_page ${CMAKE_BINARY_DIR}/man/${_program}.1.gz)
    add_custom_command(OUTPUT ${_page}
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${_program}> -DNAME=${_program} "-DSUMMARY=${_summary}"
            -DVERSION=${PROJECT_VERSION} -DOUTPUT=${CMAKE_BINARY_DIR}/man/${_program}.1
            -P ${CMAKE_SOURCE_DIR}/cmake/SpectavoManPage.cmake
        # Compressed as Debian keeps man pages; -n leaves out the time, so a rebuild gives the same file.
        COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/man/${_program}.1
        DEPENDS ${_program} ${CMAKE_SOURCE_DIR}/cmake/SpectavoManPage.cmake
        COMMENT "Writing the man page of ${_program}")
    list(APPEND _man_pages ${_page})
endforeach()
add_custom_target(spectavo_man_pages ALL DEPENDS ${_man_pages})
install(FILES ${_man_pages} DESTINATION share/man/man1)

# The package's changelog and copyright, where Debian keeps them.
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/packaging/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
    COMMENT "Compressing the changelog")
add_custom_target(spectavo_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
    DESTINATION share/doc/spectavo)

# The Debian package is the same installation under /usr; its dependencies come from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spectavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Workstation for Photrak UV-Vis spectrophotometers")
set(CPACK_PACKAGE_DESCRIPTION "Spectavo links to a Photrak spectrophotometer and runs fixed points\nwith calibration curves, wavelength scans, time scans, DNA/protein and\ninstrument validity. A virtual instrument is included, so it runs\nwithout hardware.")
set(CPACK_PACKAGE_CONTACT "Spectavo developers <spectavo@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own translations put the standard buttons (Yes, No, Cancel) into the operator's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/spectavo/spectavo")
include(CPack)
