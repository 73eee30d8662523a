#!/usr/bin/env bash
# Installs the build into a temporary prefix, starts the installed launcher from an unrelated
# folder under a private X server, and checks that the demo window opens and Escape ends it with
# status 0.
set -euo pipefail
build=$1
work=$(mktemp -d)
xvfb_pid="" wm_pid="" demo_pid=""
cleanup() {
  for pid in $demo_pid $wm_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/tamsirel lib/tamsirel/tamsirel share/tamsirel/tamsirel.mp3 share/tamsirel/foret11.bmp \
         share/applications/tamsirel.desktop share/icons/hicolor/256x256/apps/tamsirel.png; do
  [ -e "$work/prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done

display=:$(( 200 + RANDOM % 500 ))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 & xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wm_pid=$!

mkdir "$work/elsewhere" && cd "$work/elsewhere"
SDL_AUDIODRIVER=dummy "$work/prefix/bin/tamsirel" & demo_pid=$!

# The setup dialog, when it is shown, takes Enter for "Let's GO!".
for _ in $(seq 100); do
  if dialog=$(xdotool search --name "^t a m s i r e l" 2>/dev/null | head -n 1) && [ -n "$dialog" ]; then
    xdotool windowactivate --sync "$dialog" key Return 2>/dev/null || xdotool key Return
    break
  fi
  xdotool search --name "^pelorimo::brintal$" >/dev/null 2>&1 && break
  sleep 0.1
done
window=""
for _ in $(seq 200); do
  window=$(xdotool search --name "^pelorimo::brintal$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  kill -0 "$demo_pid" 2>/dev/null || { echo "the demo ended before its window opened"; exit 1; }
  sleep 0.1
done
[ -n "$window" ] || { echo "no pelorimo::brintal window"; exit 1; }
sleep 1
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key Escape
status=0
for _ in $(seq 100); do kill -0 "$demo_pid" 2>/dev/null || break; sleep 0.1; done
wait "$demo_pid" || status=$?
demo_pid=""
[ "$status" -eq 0 ] || { echo "exit status $status"; exit 1; }
echo "installed launcher played and quit with status 0"
