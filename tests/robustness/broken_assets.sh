#!/usr/bin/env bash
# Every file of the asset pack broken in turn (missing, empty, cut to half, replaced by random
# bytes of the same length), each time through a short virtual run of tamsirel-capture that
# reaches the final scene. What each case must give:
#   PNG   the run goes on (the slot stays untextured): exit 0
#   BMP   the decoder's own message where there is one, then "can't load some texture": exit 1
#   music "File not found" or "Unknown file format": exit 1 (a truncated MP3 still plays: exit 0)
# and never a crash, a sanitizer report or a hang. Prints one table row per file.
#
#   broken_assets.sh CAPTURE_BINARY ASSET_DIR [FILE_PATTERN...]   (every file when none)
set -uo pipefail
capture=$(realpath "$1")
assets=$(realpath "$2")
shift 2
[ $# -gt 0 ] || set -- "*"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/pack"
cp "$assets"/*.png "$assets"/*.bmp "$assets"/tamsirel.mp3 "$work/pack/"
rm -f "$work/pack/preview.png" "$work/pack/tamsirel.png"

# One short run: 1 frame per virtual second, a shot once the final scene has drawn a frame.
run() {
  timeout 60 "$capture" --assets "$work/pack" --size 64x48 --fps 1 \
    --shot "final:1000:$work/shot.png" >"$work/out" 2>&1
}

break_file() {  # file, kind
  local f="$work/pack/$1" size
  size=$(stat -c %s "$assets/$1")
  case "$2" in
    missing) rm -f "$f" ;;
    empty) : >"$f" ;;
    half) head -c $((size / 2)) "$assets/$1" >"$f" ;;
    random) head -c "$size" /dev/urandom >"$f" ;;
  esac
}

# What the run printed, reduced to the messages that matter, for the table.
said() {
  grep -oE "Failed to open DIB file [^ ]+|Unknown DIB file format\.|Image file conversion error\.|Out of memory\.|can't load some texture|File not found|Unknown file format" \
    "$work/out" | sort -u | paste -sd ';' -
}

judge() {  # file, kind, status -> "ok" or the reason it is wrong
  local file=$1 kind=$2 status=$3
  grep -qE "runtime error|AddressSanitizer|LeakSanitizer|Segmentation|Aborted" "$work/out" && { echo "sanitizer or crash"; return; }
  [ "$status" -ge 124 ] && { echo "crash or hang (status $status)"; return; }
  case "$file" in
    *.png) [ "$status" -eq 0 ] && echo ok || echo "PNG failure ended the run" ;;
    *.bmp)
      [ "$status" -eq 1 ] && grep -q "can't load some texture" "$work/out" || { echo "no fatal texture error"; return; }
      if [ "$kind" = missing ]; then
        grep -q "DIB" "$work/out" && echo "decoder spoke for a missing file" || echo ok
      elif [ "$kind" = empty ]; then
        grep -q "Failed to open DIB file $file" "$work/out" && echo ok || echo "no open-failure message"
      else
        grep -qE "Unknown DIB file format|Image file conversion error|Out of memory" "$work/out" && echo ok || echo "no decoder message"
      fi ;;
    tamsirel.mp3)
      if [ "$kind" = half ]; then
        [ "$status" -eq 0 ] && echo ok || echo "a truncated MP3 should still play"
      else
        [ "$status" -eq 1 ] && grep -qE "File not found|Unknown file format" "$work/out" && echo ok || echo "no sound error"
      fi ;;
  esac
}

failures=0
printf '| file | missing | empty | half | random |\n|---|---|---|---|---|\n'
for path in $(for p in "$@"; do ls "$work/pack"/$p; done | sort -u); do
  file=$(basename "$path")
  row="| $file |"
  for kind in missing empty half random; do
    break_file "$file" "$kind"
    run
    status=$?
    verdict=$(judge "$file" "$kind" "$status")
    cp "$assets/$file" "$work/pack/$file"
    [ "$verdict" = ok ] || failures=$((failures + 1))
    row="$row exit $status $(said) $([ "$verdict" = ok ] || echo "**$verdict**") |"
  done
  echo "$row"
done
echo
echo "$failures unexpected results"
[ "$failures" -eq 0 ]
