# Imported targets for the Windows build, cross-compiled with mingw-w64: the system's GL, GLU and
# multimedia libraries, libpng and zlib through pkg-config from the cross prefix (static), and
# libmpg123's import library (its DLL ships beside the program).
find_package(PkgConfig REQUIRED)
set(ENV{PKG_CONFIG_LIBDIR}
    "${TAMSIREL_CROSS_PREFIX}/lib/pkgconfig:/usr/${TAMSIREL_MINGW_TRIPLE}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)
target_link_libraries(PkgConfig::PNG INTERFACE z)

find_library(MPG123_IMPORT_LIBRARY NAMES libmpg123.dll.a REQUIRED)
find_path(MPG123_INCLUDE_DIR mpg123.h REQUIRED)
add_library(tamsirel::mpg123 UNKNOWN IMPORTED)
set_target_properties(tamsirel::mpg123 PROPERTIES
  IMPORTED_LOCATION ${MPG123_IMPORT_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${MPG123_INCLUDE_DIR})
find_file(MPG123_DLL libmpg123-0.dll PATHS ${TAMSIREL_CROSS_PREFIX}/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)

add_library(tamsirel::gl INTERFACE IMPORTED)
target_link_libraries(tamsirel::gl INTERFACE glu32 opengl32 gdi32)
