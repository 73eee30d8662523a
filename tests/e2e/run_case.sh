#!/usr/bin/env bash
# One end-to-end case of the real demo, run inside scripts/with-display (DISPLAY is set, or unset
# on purpose for the no-display cases). The demo starts in a temporary folder holding the asset
# pack (when one was built) and a short tone of our own as "tamsirel.mp3"; keys come from xdotool.
#
#   run_case.sh CASE TAMSIREL_BINARY [ASSET_DIR]
set -euo pipefail

case_name=$1
binary=$(realpath "$2")
assets=${3:-}
stop_signal=${case_name%%-*}
stop_signal=${stop_signal#sig}
stop_signal=${stop_signal^^}

# shellcheck source=../../scripts/lib/x-windows.sh
. "$(dirname "$0")/../../scripts/lib/x-windows.sh"
# shellcheck source=../../scripts/lib/demo-process.sh
. "$(dirname "$0")/../../scripts/lib/demo-process.sh"

# Under XWayland on a headless weston there is no seat: neither focus nor XTEST input reaches a
# window, so keys are sent to the window itself. (A key's release that finds the window already
# gone is an X error of no interest; whether the key acted is what the case checks next.)
case "$case_name" in
  weston-*) press() { xdotool key --window "$1" "$2" >/dev/null 2>&1 || true; } ;;
esac

work=$(mktemp -d "${TMPDIR:-/tmp}/tamsirel-e2e.XXXXXX")
demo_pid=""
cleanup() {
  [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL ($case_name): $*" >&2
  [ -f "$work/out" ] && cat "$work/out" >&2
  exit 1
}

make_folder() {
  mkdir "$work/run"
  if [ -n "$assets" ] && [ -d "$assets" ]; then
    for f in "$assets"/*; do ln -s "$f" "$work/run/"; done
  fi
  rm -f "$work/run/tamsirel.mp3"
  case "$1" in
    tone)
      sox -n -r 44100 -c 2 "$work/tone.wav" synth 2 sine 440
      lame --quiet "$work/tone.wav" "$work/run/tamsirel.mp3" ;;
    text) echo "these are liner notes, not a sound" >"$work/run/tamsirel.mp3" ;;
    none) ;;
  esac
}

start_demo() {
  (cd "$work/run" && exec env SDL_AUDIODRIVER=dummy "$binary") >"$work/out" 2>&1 &
  demo_pid=$!
}

# The demo under a reaper (start_reaped), with the probe that notes its first presented frame in
# $work/first-frame when TAMSIREL_FIRST_FRAME_PROBE names it.
start_demo_reaped() {
  local preload=()
  [ -n "${TAMSIREL_FIRST_FRAME_PROBE:-}" ] &&
    preload=(LD_PRELOAD="$TAMSIREL_FIRST_FRAME_PROBE" FIRST_FRAME_PROBE_FILE="$work/first-frame")
  cd "$work/run"
  start_reaped env SDL_AUDIODRIVER=dummy "${preload[@]}" "$binary" >"$work/out" 2>&1
  cd - >/dev/null
}

# The first frame presented within $1 seconds.
wait_first_frame() {
  [ -n "${TAMSIREL_FIRST_FRAME_PROBE:-}" ] || fail "TAMSIREL_FIRST_FRAME_PROBE is not set"
  local deadline=$((SECONDS + $1))
  until [ -s "$work/first-frame" ]; do
    [ $SECONDS -lt $deadline ] || fail "no frame presented within $1 s"
    kill -0 "$demo_pid" 2>/dev/null || fail "the demo ended by itself"
    sleep 0.1
  done
}

# The id of a window whose title matches $1 within $2 seconds; empty if none (or the demo ended).
wait_window() {
  local deadline=$((SECONDS + $2)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(window_matching "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$demo_pid" 2>/dev/null || return 0
    sleep 0.1
  done
}

# Enter in the setup dialog is "Let's GO!": 800 x 600, fullscreen, 16 bpp.
answer_dialog() {
  local deadline=$((SECONDS + 10)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(window_matching 't a m s i r e l.*')
    [ -n "$id" ] && { press "$id" Return; return 0; }
    [ -n "$(window_matching '(pelorimo::brintal|Quor GL)')" ] && return 0
    kill -0 "$demo_pid" 2>/dev/null || return 0
    sleep 0.1
  done
}

current_mode() { xrandr --current | awk '/\*/ { print $1; exit }'; }

demo_window() {
  answer_dialog
  local id
  id=$(wait_window 'pelorimo::brintal' 30)
  [ -n "$id" ] || fail "no demo window"
  # Let the loop run a moment so the music and the first scene have started.
  sleep 0.5
  kill -0 "$demo_pid" 2>/dev/null || fail "the demo ended by itself"
  echo "$id"
}

# The fullscreen window under weston: the compositor fakes the mode switch and hands it the whole
# 16:9 screen, on which the 4:3 picture stands between black bars. Its frames are taken until the
# window has the whole screen (weston's window manager may get to it a moment after the window is
# mapped, later still on a busy machine) and the scene has lit its picture out to both sides (the
# ocean starts black); then the bars must be black in that frame: a picture stretched to the
# screen would have lit them too.
expect_picture_between_bars() {
  local deadline=$((SECONDS + 30)) line
  while :; do
    xwd -silent -id "$1" -out "$work/window.xwd" || fail "xwd could not read the demo's window"
    line=$(perl "$(dirname "$0")/picture_bars.pl" "$work/window.xwd") || fail "unreadable xwd file"
    case "$line" in
      "1920x1080 picture 240,0,1440x1080 bars-lit "*)
        [[ "$line" != *" left-lit 0 "* && "$line" != *" right-lit 0" ]] && break
        [ $SECONDS -lt $deadline ] || fail "the picture's sides stayed black for 30 s: $line" ;;
      *)
        [ $SECONDS -lt $deadline ] ||
          fail "the window is not the whole 1920x1080 screen after 30 s: $line" ;;
    esac
    kill -0 "$demo_pid" 2>/dev/null || fail "the demo ended by itself"
    sleep 0.5
  done
  [[ "$line" == *" bars-lit 0 "* ]] || fail "the bars beside the picture are not black: $line"
}

expect_box_then() {
  local id
  id=$(wait_window "$1" 15)
  [ -n "$id" ] || fail "no \"$1\" box"
  press "$id" "$2"
}

case "$case_name" in
  escape)
    make_folder tone; start_demo
    window=$(demo_window)
    press "$window" Escape
    expect_status 10 0 ;;
  close)
    make_folder tone; start_demo
    window=$(demo_window)
    press "$window" alt+F4
    expect_status 10 0 ;;
  missing-music)
    make_folder none; start_demo
    expect_box_then 'ERROR!' Return
    expect_status 10 1
    [ -z "$(window_matching 'pelorimo::brintal')" ] || fail "a demo window opened" ;;
  missing-music-no-display)
    make_folder none; start_demo
    expect_status 10 1
    grep -qx 'ERROR!: File not found' "$work/out" || fail "no File not found message" ;;
  not-audio-no-display)
    make_folder text; start_demo
    expect_status 10 1
    grep -qx 'ERROR!: Unknown file format' "$work/out" || fail "no Unknown file format message" ;;
  mode-refused-yes)
    make_folder tone; start_demo
    answer_dialog
    expect_box_then 'Quor GL' Return
    window=$(demo_window)
    xprop -id "$window" _NET_WM_STATE | grep -q FULLSCREEN && fail "the window is fullscreen"
    press "$window" Escape
    expect_status 10 0 ;;
  mode-refused-no)
    make_folder tone; start_demo
    answer_dialog
    expect_box_then 'Quor GL' n
    expect_box_then 'ERROR' Return
    expect_status 10 1
    [ -z "$(window_matching 'pelorimo::brintal')" ] || fail "a demo window opened" ;;
  mode-switch)
    before=$(current_mode)
    [ "$before" = 1024x768 ] || fail "the server starts at $before, not 1024x768"
    make_folder tone; start_demo
    window=$(demo_window)
    during=$(current_mode)
    [ "$during" = 800x600 ] || fail "the screen is at $during while the demo runs, not 800x600"
    press "$window" Escape
    expect_status 10 0
    after=$(current_mode)
    [ "$after" = 1024x768 ] || fail "the screen stayed at $after after the demo" ;;
  fatal-error-in-fullscreen)
    make_folder tone; start_demo
    expect_box_then 'ERROR!' Return
    expect_status 10 1
    after=$(current_mode)
    [ "$after" = 1024x768 ] || fail "the screen stayed at $after after the fatal error" ;;
  # A stop from outside (the signal is the name's first word) at each moment the demo waits on
  # the viewer: dead of that signal, and the display mode given back where it was switched.
  sigterm-in-dialog|sigint-in-dialog)
    make_folder tone; start_demo_reaped
    [ -n "$(wait_window 't a m s i r e l.*' 15)" ] || fail "no setup dialog"
    expect_killed_by 10 "$stop_signal"
    [ -z "$(window_matching 'pelorimo::brintal')" ] || fail "a demo window opened" ;;
  sigterm-in-question)
    make_folder tone; start_demo_reaped
    answer_dialog
    [ -n "$(wait_window 'Quor GL' 15)" ] || fail "no \"Quor GL\" box"
    expect_killed_by 10 "$stop_signal" ;;
  sigint-in-fatal-box)
    make_folder tone; start_demo_reaped
    [ -n "$(wait_window 'ERROR!' 15)" ] || fail "no \"ERROR!\" box"
    [ "$(current_mode)" = 800x600 ] || fail "the screen is at $(current_mode) under the box, not 800x600"
    expect_killed_by 10 "$stop_signal"
    [ "$(current_mode)" = 1024x768 ] || fail "the screen stayed at $(current_mode)" ;;
  sigterm-while-playing|sigint-while-playing)
    [ "$(current_mode)" = 1024x768 ] || fail "the server starts at $(current_mode), not 1024x768"
    make_folder tone; start_demo_reaped
    answer_dialog
    wait_first_frame 30
    [ "$(current_mode)" = 800x600 ] || fail "the screen is at $(current_mode) while the demo plays"
    expect_killed_by 10 "$stop_signal"
    [ "$(current_mode)" = 1024x768 ] || fail "the screen stayed at $(current_mode)" ;;
  # Under XWayland (scripts/with-weston): the dialog, Enter, the picture kept 4:3 between bars
  # on the screen the compositor gave, and the ends by Escape and by SIGTERM.
  weston-escape)
    make_folder tone; start_demo
    window=$(demo_window)
    expect_picture_between_bars "$window"
    press "$window" Escape
    expect_status 10 0 ;;
  weston-sigterm)
    make_folder tone; start_demo_reaped
    window=$(demo_window)
    expect_picture_between_bars "$window"
    expect_killed_by 10 TERM ;;
  *)
    fail "unknown case" ;;
esac
echo "PASS ($case_name)"
