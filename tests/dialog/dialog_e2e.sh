#!/usr/bin/env bash
# The real demo's setup dialog under Xvfb and openbox, driven with xdotool: each case runs the
# binary in a scratch folder on an X server of its own and checks the exit status and windows.
# Not here: what the demo draws once its window is open.
#
#   tests/dialog/dialog_e2e.sh BINARY [CASE...]        (all cases when none is named)
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
with_display="$here/../../scripts/with-display"
source "$here/../../scripts/lib/x-windows.sh"
binary=$(realpath "$1")
shift
all_cases=(enter_at_once escape huh_button drag_off_fires_nothing alt_f4_does_nothing alt_f_then_enter
  keyboard_640x480_fullscreen keyboard_640x480_window no_display)
dialog_title='t a m s i r e l b y k e x'
demo_title='pelorimo::brintal'

# The screen at the moment of failure goes beside the scratch folders, for a look.
fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
    import -window root "${TMPDIR:-/tmp}/dialog-e2e-failure.png" 2>/dev/null &&
      echo "screen: ${TMPDIR:-/tmp}/dialog-e2e-failure.png" >&2
  fi
  exit 1
}

# A scratch folder with a one-second soundtrack: the music is opened before the dialog.
make_folder() {
  folder=$(mktemp -d "${TMPDIR:-/tmp}/dialog-e2e.XXXXXX")
  sox -n -r 44100 -c 2 "$folder/t.wav" synth 1 sine 440 && lame --quiet "$folder/t.wav" "$folder/tamsirel.mp3"
  local assets
  assets="$(dirname "$(dirname "$(dirname "$binary")")")/assets"
  if [ -d "$assets" ]; then
    for f in "$assets"/*; do [ "$(basename "$f")" = tamsirel.mp3 ] || ln -s "$f" "$folder/"; done
  fi
}

start_demo() {
  make_folder
  (cd "$folder" && exec env SDL_AUDIODRIVER=dummy "$binary" >"$folder/stdout" 2>"$folder/stderr") &
  demo_pid=$!
}

# The id of the shown window titled exactly $1 (a plain title, no regex characters).
find_window() { window_matching "$1"; }

# Waits up to $2 tenths of a second for a window titled $1; prints its id.
wait_window() { wait_for_window "$1" "$2" "$demo_pid"; }

# Waits for the demo to end; sets status. Fails after $1 tenths of a second.
wait_exit() {
  for _ in $(seq "$1"); do
    if ! kill -0 "$demo_pid" 2>/dev/null; then
      wait "$demo_pid"
      status=$?
      return 0
    fi
    sleep 0.1
  done
  kill "$demo_pid"
  fail "the demo did not end"
}

window_field() {  # window id, xwininfo label
  xwininfo -id "$1" | sed -n "s/^ *$2: *//p"
}

frame_extents() {  # window id -> "left right top bottom"
  xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ','
}

expect_size() {  # window id, width, height
  local w h
  w=$(window_field "$1" Width)
  h=$(window_field "$1" Height)
  [ "$w" = "$2" ] && [ "$h" = "$3" ] || fail "window is ${w}x${h}, expected $2x$3"
}

# A framed window of outer size W x H: the client area with the window manager's frame around it.
expect_outer_size() {  # window id, width, height
  local w h left right top bottom
  w=$(window_field "$1" Width)
  h=$(window_field "$1" Height)
  read -r left right top bottom <<<"$(frame_extents "$1")"
  [ -n "$left" ] || fail "the window manager has not framed the window"
  [ $((w + left + right)) = "$2" ] && [ $((h + top + bottom)) = "$3" ] ||
    fail "window is ${w}x${h} inside a ${left},${right},${top},${bottom} frame, expected $2x$3 outside"
}

# Keys go to the focused window: wait until the dialog has the focus, as it should on opening.
press_in_dialog() {
  local dialog
  dialog=$(($(find_window "$dialog_title")))
  for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ] && break
    sleep 0.1
  done
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ] || fail "the dialog does not have the focus"
  sleep 0.2
  xdotool key --delay 80 "$@"
}

end_demo_with_escape() {
  local id=$1
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
  sleep 0.5
  xdotool key Escape
  wait_exit 100
  [ "$status" = 0 ] || fail "exit status $status after Escape in the demo window"
}

# Watches for a demo window until the program ends.
expect_no_demo_window_and_status_0() {
  for _ in $(seq 50); do
    [ -z "$(find_window "$demo_title")" ] || fail "a demo window was opened"
    kill -0 "$demo_pid" 2>/dev/null || break
    sleep 0.1
  done
  wait_exit 10
  [ "$status" = 0 ] || fail "exit status $status"
}

# ---------------------------------------------------------------------------------------------
# Cases; each runs inside its own X server.

case_enter_at_once() {  # screen 800x600
  start_demo
  local dialog
  dialog=$(wait_window "$dialog_title" 300) || fail "no dialog"
  xprop -id "$dialog" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "dialog not kept above"
  local x y left right top bottom
  x=$(window_field "$dialog" 'Absolute upper-left X')
  y=$(window_field "$dialog" 'Absolute upper-left Y')
  read -r left right top bottom <<<"$(frame_extents "$dialog")"
  [ $((x - left)) = 335 ] && [ $((y - top)) = 237 ] ||
    fail "dialog frame at $((x - left)),$((y - top)), expected 335,237 on an 800x600 screen"
  press_in_dialog Return
  local demo
  demo=$(wait_window "$demo_title" 300) || fail "no demo window after Enter"
  expect_size "$demo" 800 600
  end_demo_with_escape "$demo"
}

case_escape() {  # screen 1024x768
  start_demo
  wait_window "$dialog_title" 300 >/dev/null || fail "no dialog"
  press_in_dialog Escape
  expect_no_demo_window_and_status_0
}

# Waits for the dialog and sets dialog_x, dialog_y, dialog_w, dialog_h: its client area.
find_dialog_area() {
  local dialog
  dialog=$(wait_window "$dialog_title" 300) || fail "no dialog"
  dialog_x=$(window_field "$dialog" 'Absolute upper-left X')
  dialog_y=$(window_field "$dialog" 'Absolute upper-left Y')
  dialog_w=$(window_field "$dialog" Width)
  dialog_h=$(window_field "$dialog" Height)
  sleep 0.3
}

# Moves the pointer to the point (ux, uy) in dialog units: 130 across, 122 down the client area.
point_at_units() {
  xdotool mousemove $((dialog_x + dialog_w * $1 / 130)) $((dialog_y + dialog_h * $2 / 122))
}

case_huh_button() {  # screen 1024x768: a mouse click in the middle of "Huh?"
  start_demo
  find_dialog_area
  # "Huh?" spans 75..115 across and 101..115 down.
  point_at_units 95 108
  xdotool click 1
  expect_no_demo_window_and_status_0
}

# A press on a control dragged off it before the release fires nothing: the dialog stays, shows
# what it showed, and returns what it shows. Then Enter must give the defaults: 800 x 600,
# fullscreen.
case_drag_off_fires_nothing() {  # screen 800x600
  start_demo
  find_dialog_area
  local control
  # "Huh?", "Let's GO!", the Fullscreen box, "640x480"; released right of the group boxes.
  for control in "95 108" "39 108" "12 95" "20 60"; do
    point_at_units $control
    xdotool mousedown 1
    sleep 0.1
    point_at_units 123 50
    sleep 0.1
    xdotool mouseup 1
    sleep 0.3
    kill -0 "$demo_pid" 2>/dev/null || fail "the program ended after a drag off the control at $control"
    [ -z "$(find_window "$demo_title")" ] || fail "the demo started after a drag off the control at $control"
  done
  press_in_dialog Return
  local demo
  demo=$(wait_window "$demo_title" 300) || fail "no demo window after Enter"
  sleep 1
  xprop -id "$demo" _NET_WM_STATE | grep -q FULLSCREEN || fail "the demo window is not fullscreen"
  expect_size "$demo" 800 600
  end_demo_with_escape "$demo"
}

case_alt_f4_does_nothing() {  # screen 1024x768
  start_demo
  wait_window "$dialog_title" 300 >/dev/null || fail "no dialog"
  press_in_dialog alt+F4
  sleep 1
  kill -0 "$demo_pid" 2>/dev/null || fail "the dialog closed on Alt+F4"
  [ -n "$(find_window "$dialog_title")" ] || fail "the dialog went away"
  press_in_dialog Escape
  expect_no_demo_window_and_status_0
}

case_alt_f_then_enter() {  # screen 1024x768: a window of the chosen size, not fullscreen
  start_demo
  wait_window "$dialog_title" 300 >/dev/null || fail "no dialog"
  press_in_dialog alt+f Return
  local demo
  demo=$(wait_window "$demo_title" 300) || fail "no demo window"
  sleep 1
  xprop -id "$demo" _NET_WM_STATE | grep -q FULLSCREEN && fail "the demo window is fullscreen"
  expect_outer_size "$demo" 800 600
  end_demo_with_escape "$demo"
}

case_keyboard_640x480_fullscreen() {  # screen 640x480: Tab to the check box, Up to 640x480
  start_demo
  wait_window "$dialog_title" 300 >/dev/null || fail "no dialog"
  press_in_dialog Tab Tab Up Up Up Return
  local demo
  demo=$(wait_window "$demo_title" 300) || fail "no demo window"
  expect_size "$demo" 640 480
  end_demo_with_escape "$demo"
}

case_keyboard_640x480_window() {  # screen 1024x768: Alt+F takes the focus to the box too
  start_demo
  wait_window "$dialog_title" 300 >/dev/null || fail "no dialog"
  press_in_dialog alt+f Up Up Up Return
  local demo
  demo=$(wait_window "$demo_title" 300) || fail "no demo window"
  sleep 1
  expect_outer_size "$demo" 640 480
  end_demo_with_escape "$demo"
}

case_no_display() {  # no X server at all: a cancel, said on stderr
  make_folder
  (cd "$folder" && env -u DISPLAY SDL_AUDIODRIVER=dummy "$binary" >"$folder/stdout" 2>"$folder/stderr")
  status=$?
  [ "$status" = 0 ] || fail "exit status $status without a display"
  grep -q 'cannot open the display' "$folder/stderr" || fail "nothing said on stderr: $(cat "$folder/stderr")"
}

screen_for() {
  case "$1" in
    enter_at_once | drag_off_fires_nothing) echo 800x600 ;;
    keyboard_640x480_fullscreen) echo 640x480 ;;
    *) echo 1024x768 ;;
  esac
}

# ---------------------------------------------------------------------------------------------

if [ "${DIALOG_E2E_INSIDE:-}" = 1 ]; then
  trap '[ -n "${folder:-}" ] && { cat "$folder/stderr" >&2; rm -rf "$folder"; }' EXIT
  "case_$1"
  exit $?
fi

for tool in Xvfb openbox xdotool xwininfo xprop sox lame; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/deps test)"; exit 1; }
done

[ $# -gt 0 ] || set -- "${all_cases[@]}"
failed=0
for name in "$@"; do
  if [ "$name" = no_display ]; then
    DIALOG_E2E_INSIDE=1 "$0" "$binary" "$name"
  else
    DIALOG_E2E_INSIDE=1 "$with_display" --screen "$(screen_for "$name")" "$0" "$binary" "$name"
  fi
  result=$?
  if [ "$result" = 0 ]; then echo "ok   $name"; else echo "FAIL $name"; failed=1; fi
done
exit "$failed"
