# Installing: the binaries under lib/tamsirel, the asset pack under share/tamsirel, launchers in
# bin that start the binaries in the asset folder, the desktop entry with its icon, and what a
# packager expects beside them (packaging_documents.cmake). `make package` turns the same layout
# into a Debian package.
include(GNUInstallDirs)
set(TAMSIREL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tamsirel)
# Private binaries go to lib/tamsirel whatever the multiarch libdir; the launchers find them there.
set(TAMSIREL_BIN_DIR lib/tamsirel)
set(TAMSIREL_MAINTAINER "Seed 48a7ef77 maintainers <maintainers@users.noreply.c-seed-48a7ef77.example>")

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

include(${CMAKE_CURRENT_LIST_DIR}/packaging_documents.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamsirel)
set(CPACK_PACKAGE_VENDOR "Seed 48a7ef77 maintainers")
set(CPACK_PACKAGE_CONTACT "${TAMSIREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time audiovisual demo: four OpenGL scenes to a soundtrack")
# Read here, not named as CPACK_PACKAGE_DESCRIPTION_FILE: CPack would write an apostrophe from
# that file as "&apos;".
file(READ ${PROJECT_SOURCE_DIR}/packaging/description.txt CPACK_PACKAGE_DESCRIPTION)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/packaging/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A player of an audiovisual piece and a tool that records it to video, as the desktop entry's
# categories (AudioVideo, Video) say.
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# The package carries no debugging symbols; the build folder's binaries keep them.
set(CPACK_STRIP_FILES ON)
# The libraries come from the binaries' own links (SDL2, SDL2_mixer, FLTK, libpng, GL, GLU,
# X11, at the versions linked against); SDL loads libGL and libEGL and Mesa its drivers at run
# time, so those are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri, libgl1, libegl1")
include(CPack)
