# Lays out an installation the way Debian programs are laid out. An installed program finds its
# drivers and read-only files from its own directory (bin/../lib, bin/../share), so the same tree works
# under /usr, /opt/spectavo or a DESTDIR staging folder.
install(TARGETS spectavo spectavo-cli photrak-sim RUNTIME DESTINATION bin)
install(TARGETS spectavo_driver_sim spectavo_driver_rs232 LIBRARY DESTINATION lib/spectavo/drivers)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/config/ DESTINATION share/spectavo/config FILES_MATCHING PATTERN "*.ini")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/help/ DESTINATION share/spectavo/help FILES_MATCHING PATTERN "*.html")
install(FILES ${CMAKE_SOURCE_DIR}/desktop/spectavo.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/spectavo-mime.xml DESTINATION share/mime/packages RENAME spectavo.xml)
