# Imported targets for the libraries the program is built on, all from Debian's packages.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsDependencies.cmake)
  return()
endif()
if(EMSCRIPTEN)
  include(${CMAKE_CURRENT_LIST_DIR}/WebDependencies.cmake)
  return()
endif()
find_package(PkgConfig REQUIRED)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)
find_library(GLU_LIBRARY GLU REQUIRED)

# Debian's FLTK CMake config drags in cairo and static libraries that do not link; take the
# shared library and its headers directly.
find_library(FLTK_SHARED_LIBRARY NAMES fltk REQUIRED)
find_path(FLTK_INCLUDE_DIR FL/Fl.H REQUIRED)
add_library(tamsirel::fltk SHARED IMPORTED)
set_target_properties(tamsirel::fltk PROPERTIES
  IMPORTED_LOCATION ${FLTK_SHARED_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${FLTK_INCLUDE_DIR})

add_library(tamsirel::gl INTERFACE IMPORTED)
target_link_libraries(tamsirel::gl INTERFACE OpenGL::GL ${GLU_LIBRARY})
