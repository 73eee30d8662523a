# Installing: the binaries under lib/tamsirel, the asset pack under share/tamsirel, launchers in
# bin that start the binaries in the asset folder, and the desktop entry with its icon. `make
# package` turns the same layout into a Debian package.
include(GNUInstallDirs)
set(TAMSIREL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tamsirel)
# Private binaries go to lib/tamsirel whatever the multiarch libdir; the launchers find them there.
set(TAMSIREL_BIN_DIR lib/tamsirel)

foreach(program tamsirel tamsirel-capture)
  install(TARGETS ${program} RUNTIME DESTINATION ${TAMSIREL_BIN_DIR})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${program}.in
                 ${CMAKE_BINARY_DIR}/launchers/${program} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(DIRECTORY ${CMAKE_BINARY_DIR}/assets/ DESTINATION ${TAMSIREL_DATA_DIR}
        PATTERN "preview.png" EXCLUDE PATTERN "tamsirel.png" EXCLUDE PATTERN "*.stamp" EXCLUDE)
install(FILES ${CMAKE_BINARY_DIR}/assets/tamsirel.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tamsirel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamsirel)
set(CPACK_PACKAGE_VENDOR "tamsirel developers")
set(CPACK_PACKAGE_CONTACT "tamsirel developers <tamsirel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time audiovisual demo: four OpenGL scenes to a soundtrack")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries come from the binaries' own links (SDL2, SDL2_mixer, FLTK, libpng, GL, GLU,
# X11, at the versions linked against); SDL loads libGL and libEGL and Mesa its drivers at run
# time, so those are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri, libgl1, libegl1")
include(CPack)
