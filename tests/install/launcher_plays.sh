#!/usr/bin/env bash
# Installs the build into a temporary prefix, starts the installed launcher from an unrelated
# folder under a private X server (scripts/with-display), and checks that the demo window opens
# and Escape ends it with status 0.
set -euo pipefail
build=$(realpath "$1")
source_dir=$(realpath "$(dirname "$0")/../..")

if [ -z "${DISPLAY:-}" ]; then
  exec "$source_dir/scripts/with-display" --screen 800x600 "$0" "$@"
fi

work=$(mktemp -d)
demo_pid=""
cleanup() {
  [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/tamsirel lib/tamsirel/tamsirel share/tamsirel/tamsirel.mp3 \
         share/tamsirel/foret11.bmp share/tamsirel/mapocean.png \
         share/applications/tamsirel.desktop share/icons/hicolor/256x256/apps/tamsirel.png; do
  [ -e "$work/prefix/$f" ] || fail "not installed: $f"
done
if [ -x "$build/tools/capture/tamsirel-capture" ]; then
  [ -x "$work/prefix/bin/tamsirel-capture" ] || fail "not installed: bin/tamsirel-capture"
fi

source "$source_dir/scripts/lib/x-windows.sh"

mkdir "$work/elsewhere" && cd "$work/elsewhere"
SDL_AUDIODRIVER=dummy "$work/prefix/bin/tamsirel" >"$work/out" 2>&1 &
demo_pid=$!

dialog=$(wait_for_window "t a m s i r e l.*" 300 "$demo_pid") || fail "no setup dialog: $(cat "$work/out")"
press "$dialog" Return
window=$(wait_for_window "pelorimo::brintal" 300 "$demo_pid") || fail "no demo window: $(cat "$work/out")"
sleep 1
press "$window" Escape
for _ in $(seq 100); do kill -0 "$demo_pid" 2>/dev/null || break; sleep 0.1; done
status=0
wait "$demo_pid" || status=$?
demo_pid=""
[ "$status" -eq 0 ] || fail "exit status $status: $(cat "$work/out")"
echo "installed launcher played and quit with status 0"
