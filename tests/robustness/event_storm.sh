#!/usr/bin/env bash
# Twenty seconds of window-manager weather against the real demo in a window: resizes, minimise
# and restore, focus changes, exposures and keys other than Escape. The demo must keep running
# through all of it, quit on Escape with status 0 and leave the screen as it found it.
#
#   event_storm.sh TAMSIREL_BINARY ASSET_DIR [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec "$here/../../scripts/with-display" --screen 1024x768 "$0" "$@"
fi
source "$here/../../scripts/lib/x-windows.sh"

binary=$(realpath "$1")
assets=$(realpath "$2")
seconds=${3:-20}
work=$(mktemp -d)
demo_pid=""
cleanup() {
  [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/out" ] && cat "$work/out" >&2; exit 1; }

alive() { kill -0 "$demo_pid" 2>/dev/null || fail "the demo ended during the storm"; }

screen_before=$(xdpyinfo | grep dimensions)
mkdir "$work/run"
for f in "$assets"/*; do ln -s "$f" "$work/run/"; done
(cd "$work/run" && exec env SDL_AUDIODRIVER=dummy "$binary") >"$work/out" 2>&1 &
demo_pid=$!

dialog=$(wait_for_window "t a m s i r e l.*" 300 "$demo_pid") || fail "no setup dialog"
press "$dialog" alt+f
press "$dialog" Return
window=$(wait_for_window "pelorimo::brintal" 300 "$demo_pid") || fail "no demo window"

sizes=(640x480 320x200 1000x700 1x1 800x600 200x600)
keys=(space a F1 Return Tab alt+Return Left shift ctrl+c F10)
end=$((SECONDS + seconds))
i=0
while [ $SECONDS -lt $end ]; do
  size=${sizes[$((i % ${#sizes[@]}))]}
  xdotool windowsize "$window" "${size%x*}" "${size#*x}" 2>/dev/null || true
  press "$window" "${keys[$((i % ${#keys[@]}))]}"
  if [ $((i % 4)) -eq 0 ]; then
    xdotool windowminimize "$window" 2>/dev/null || true
    sleep 0.2
    xdotool windowactivate "$window" 2>/dev/null || true
  fi
  [ $((i % 3)) -eq 0 ] && xdotool windowfocus "$(xdotool getactivewindow 2>/dev/null || echo "$window")" 2>/dev/null || true
  xrefresh 2>/dev/null || true
  alive
  i=$((i + 1))
  sleep 0.1
done

press "$window" Escape
for _ in $(seq 100); do kill -0 "$demo_pid" 2>/dev/null || break; sleep 0.1; done
status=0
wait "$demo_pid" || status=$?
demo_pid=""
[ "$status" -eq 0 ] || fail "exit status $status after Escape"
[ "$(xdpyinfo | grep dimensions)" = "$screen_before" ] || fail "the screen changed: $(xdpyinfo | grep dimensions)"
[ -z "$(window_matching 'pelorimo::brintal')" ] || fail "the demo window is still there"
echo "demo survived $i rounds of window events in ${seconds}s and quit with status 0"
