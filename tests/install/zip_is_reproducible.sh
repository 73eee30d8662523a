#!/usr/bin/env bash
# The downloads' zip (cmake/zip_folder.cmake) gives the same bytes for the same files, made in
# another order, at another path, under another umask and at another time: members in sorted
# order, modes 644 or 755, and the sources' time, not the files'.
#
#   zip_is_reproducible.sh SOURCE_DIR
set -euo pipefail
source_dir=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/zip-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# make_folder FOLDER UMASK TIME FILE...: the download's folder with FILEs, made in that order.
make_folder() {
  local folder=$1 mask=$2 time=$3 file
  shift 3
  (
    umask "$mask"
    for file in "$@"; do
      mkdir -p "$folder/$(dirname "$file")"
      echo "$file" >"$folder/$file"
      case $file in *.exe) chmod +x "$folder/$file" ;; esac
    done
    find "$folder" -exec touch -d "$time" {} +
  )
}
printf 'include(%s/cmake/zip_folder.cmake)\nzip_folder(${FOLDER} ${ZIP})\n' "$source_dir" >"$work/zip.cmake"
zip_it() { SOURCE_DATE_EPOCH=1700000000 cmake -DFOLDER="$1" -DZIP="$2" -P "$work/zip.cmake"; }

files=(zz.txt a.exe licenses/zlib.txt b.txt b/c.txt)
make_folder "$work/one/tamsirel-x" 022 "2001-02-03 04:05:06" "${files[@]}"
make_folder "$work/two/a/longer/path/tamsirel-x" 077 "2030-01-01 00:00:00" $(printf '%s\n' "${files[@]}" | tac)
zip_it "$work/one/tamsirel-x" "$work/one.zip"
zip_it "$work/two/a/longer/path/tamsirel-x" "$work/two.zip"

cmp "$work/one.zip" "$work/two.zip" || fail "the same files zipped twice give two zips"

names=$(cmake -E tar tf "$work/one.zip" | sed 's|/$||')
[ "$names" = "$(LC_ALL=C sort <<<"$names")" ] || fail "the members are not in sorted order: $names"
[ "$(head -1 <<<"$names")" = tamsirel-x ] || fail "the folder is not the zip's top entry: $names"

# "mode uid gid ... name" for every member: the program and the folders 755, the rest 644.
while read -r mode _ _ _ _ _ _ _ name; do
  case $name in
    */ | *.exe) want=-rwxr-xr-x ;;
    *) want=-rw-r--r-- ;;
  esac
  [ "${mode:1}" = "${want:1}" ] || fail "$name has mode $mode, not $want"
done < <(cmake -E tar tvf "$work/one.zip")
echo "zip: the same bytes from either folder, members sorted, modes 644 and 755"
