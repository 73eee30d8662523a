#!/usr/bin/env bash
# The same frames from two builds of the scenes (scene_frames): the Linux one drawn by Mesa
# through SDL's offscreen driver, the Windows one under Wine's WGL. Prints, per frame, how many
# pixels differ and by how much at most; fails when a frame differs by more than one level in a
# channel or in more than 1 % of its pixels (the last bit of a sine can move an edge).
#
#   compare_frames.sh LINUX_SCENE_FRAMES WINE WINDOWS_SCENE_FRAMES ASSET_DIR OUT_DIR
set -euo pipefail

linux=$1 wine=$2 windows=$3 assets=$4 out=$5
rm -rf "$out"
mkdir -p "$out"
SDL_VIDEODRIVER=offscreen "$linux" "$assets" "$out/linux"
"$wine" "$windows" "$assets" "$out/windows"

status=0 frames=0
printf '%-20s %10s %12s\n' frame differing 'peak (levels)'
for a in "$out"/linux/*.png; do
  name=$(basename "$a")
  b="$out/windows/$name"
  [ -f "$b" ] || { echo "$name: missing from the Windows frames"; status=1; continue; }
  pixels=$(identify -format '%[fx:w*h]' "$a")
  differing=$(compare -metric AE "$a" "$b" null: 2>&1 || true)
  peak=$(compare -metric PAE "$a" "$b" null: 2>&1 | awk '{ print int($1 / 257 + 0.5) }' || true)
  printf '%-20s %10s %12s\n' "$name" "$differing" "$peak"
  if [ "$peak" -gt 1 ] || [ $((differing * 100)) -gt "$pixels" ]; then status=1; fi
  frames=$((frames + 1))
done
[ "$frames" -gt 0 ] || { echo "no frames compared"; exit 1; }
exit "$status"
