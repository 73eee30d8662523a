# Cross-compiling for Windows with Debian's mingw-w64 (posix threads). TAMSIREL_MINGW_TRIPLE picks
# the target (x86_64-w64-mingw32 by default, i686-w64-mingw32 for 32-bit); TAMSIREL_CROSS_PREFIX is
# the prefix scripts/cross-libs built libpng and libmpg123 into. The C and C++ runtimes and
# winpthread are linked statically, so the programs need no mingw DLL beside them.
set(TAMSIREL_MINGW_TRIPLE "x86_64-w64-mingw32" CACHE STRING "mingw-w64 target triple")
set(TAMSIREL_CROSS_PREFIX "" CACHE PATH "prefix holding the cross-built libpng and libmpg123")

set(CMAKE_SYSTEM_NAME Windows)
if(TAMSIREL_MINGW_TRIPLE MATCHES "^i686")
  set(CMAKE_SYSTEM_PROCESSOR x86)
  # Single-precision arithmetic in SSE registers, as on x86-64: the x87 unit's wider registers
  # would round the scenes' float maths differently (and unpredictably between builds).
  set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
  set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
else()
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
endif()
set(CMAKE_C_COMPILER ${TAMSIREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAMSIREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TAMSIREL_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TAMSIREL_MINGW_TRIPLE} ${TAMSIREL_CROSS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -static takes every library as an archive (winpthread too) and leaves the system DLLs' import
# libraries as they are; libmpg123 is linked through its import library's full path. The PE
# header's time stamp stays 0 rather than the link's time, so that the same commit links the same
# bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")

# Tests and other built programs run under Wine, in a prefix of the build's own, finding the
# cross-built DLLs and a sound device that discards what it plays.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run
  --prefix ${CMAKE_BINARY_DIR}/wineprefix --dll-path ${TAMSIREL_CROSS_PREFIX}/bin --null-audio)
