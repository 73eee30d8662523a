# Installing: the binaries under lib/tamsirel, the asset pack under share/tamsirel, launchers in
# bin that start the binaries in the asset folder, and the desktop entry with its icon. `make
# package` turns the same layout into a Debian package.
include(GNUInstallDirs)
set(TAMSIREL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tamsirel)
# Private binaries go to lib/tamsirel whatever the multiarch libdir; the launchers find them there.
set(TAMSIREL_BIN_DIR lib/tamsirel)

foreach(program tamsirel tamsirel-capture)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${TAMSIREL_BIN_DIR})
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${program}.in
                   ${CMAKE_BINARY_DIR}/launchers/${program} @ONLY)
    install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

if(TARGET assets)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/assets/ DESTINATION ${TAMSIREL_DATA_DIR}
          PATTERN "preview.png" EXCLUDE PATTERN "tamsirel.png" EXCLUDE PATTERN "*.stamp" EXCLUDE)
  install(FILES ${CMAKE_BINARY_DIR}/assets/tamsirel.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endif()
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
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-2.0-0, libsdl2-mixer-2.0-0, libfltk1.3, libpng16-16, libgl1, libglu1-mesa, libx11-6, libgl1-mesa-dri")
# Adds the exact library versions the binaries were linked against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
