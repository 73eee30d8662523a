# The Windows build's end-to-end cases (included from this folder's CMakeLists.txt when the
# build targets Windows): the real tamsirel.exe under Wine with openbox, driven with xdotool, on
# Xvfb or, where the display mode must really change, on Xorg's dummy driver. The asset pack is
# the Linux build's (TAMSIREL_HOST_ASSETS); screenshots land in ${CMAKE_BINARY_DIR}/screenshots.
find_program(XVFB Xvfb)
find_program(XDOTOOL xdotool)
find_program(LAME lame)
find_program(SOX sox)
if(NOT TAMSIREL_HOST_ASSETS OR NOT XVFB OR NOT XDOTOOL OR NOT LAME OR NOT SOX)
  message(STATUS "Windows e2e tests need the host asset pack, Xvfb, xdotool, sox and lame: not added")
  return()
endif()

add_executable(window_probe window_probe.cpp)

set(with_display ${PROJECT_SOURCE_DIR}/scripts/with-display)
set(wine_case ${CMAKE_CURRENT_SOURCE_DIR}/wine_case.sh)
set(shot_dir ${CMAKE_BINARY_DIR}/screenshots)

# Wine makes its prefix on first use (about 20 s, with windows of its own): before any case.
add_test(NAME e2e.wine.prefix
         COMMAND ${with_display} --no-wm ${TAMSIREL_WINE_E2E} cmd /c exit)
set_tests_properties(e2e.wine.prefix PROPERTIES LABELS e2e TIMEOUT 120 FIXTURES_SETUP wine_e2e_prefix)

function(add_wine_case name)
  cmake_parse_arguments(CASE "" "PROGRAM" "DISPLAY_ARGS" ${ARGN})
  if(NOT CASE_PROGRAM)
    set(CASE_PROGRAM tamsirel)
  endif()
  add_test(NAME e2e.wine.${name}
           COMMAND ${with_display} ${CASE_DISPLAY_ARGS} ${wine_case} ${name}
                   ${TAMSIREL_WINE_E2E} $<TARGET_FILE:${CASE_PROGRAM}>
                   $<TARGET_FILE:window_probe> ${shot_dir} ${TAMSIREL_HOST_ASSETS})
  set_tests_properties(e2e.wine.${name} PROPERTIES LABELS e2e TIMEOUT 120 RESOURCE_LOCK wine-e2e
                       FIXTURES_REQUIRED wine_e2e_prefix)
endfunction()

add_wine_case(dialog-controls)
add_wine_case(huh)
add_wine_case(window)
add_wine_case(missing-music)
add_wine_case(close)
add_wine_case(mode-refused-yes DISPLAY_ARGS --screen 1024x768)
add_wine_case(mode-refused-no DISPLAY_ARGS --screen 1024x768)
# 32-bit Wine 8.0 aborts on Xorg's dummy driver ("free(): invalid pointer" right after it fakes
# the XRandR provider the driver does not report); 64-bit Wine runs there. So the real mode
# switch is tested with the 64-bit build only.
find_program(XORG Xorg)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  message(STATUS "32-bit build: the Xorg mode-switch cases are left to the 64-bit build")
elseif(XORG AND EXISTS /usr/lib/xorg/modules/drivers/dummy_drv.so)
  add_wine_case(fullscreen DISPLAY_ARGS --xorg)
  # The shell with a second scene that fails: the fatal box in fullscreen, then the display back.
  add_executable(failing_scene_demo failing_scene_demo.cpp)
  target_link_libraries(failing_scene_demo PRIVATE tamsirel_shell)
  add_wine_case(fatal-error-in-fullscreen PROGRAM failing_scene_demo DISPLAY_ARGS --xorg)
endif()
