#!/usr/bin/env bash
# What Windows reads from the program's resources, read back from the built program with
# icoutils (wrestool, icotool) and binutils' strings, and printed: the application manifest,
# which must be the source tree's file at the id Windows reads as it starts a program; the
# sizes of the first icon group (Explorer's icon); the version information, whose numbers must
# be the project's, as the Debian package's are.
#
#   win32_resources.sh PROGRAM.exe MANIFEST PROJECT_VERSION
set -euo pipefail

program=$1
manifest=$2
version=$3  # x.y.z
work=$(mktemp -d "${TMPDIR:-/tmp}/tamsirel-resources.XXXXXX")
trap 'rm -rf "$work"' EXIT

failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}
expect() {  # expect WHAT ACTUAL EXPECTED
  [ "$2" = "$3" ] || fail "$1 is \"$2\", not \"$3\""
}

echo "resources of $program:"
wrestool -l "$program"

# Type 24 is the manifest; Windows reads name 1 of a program as it starts it.
wrestool -x --raw --type=24 --name=1 "$program" >"$work/manifest"
echo "manifest (type 24, name 1):"
cat "$work/manifest"
cmp -s "$work/manifest" "$manifest" || fail "the program's manifest is not $manifest"

# The icon group with the lowest id is the one Explorer shows for the file.
first_icon=$(wrestool -l --type=14 "$program" | sed -n 's/.*--name=\([0-9]*\).*/\1/p' | sort -n | head -1)
expect "the first icon group's id" "$first_icon" 1
wrestool -x --type=14 --name="$first_icon" "$program" >"$work/icon.ico"
sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\).*/\1x\2/p' |
  sort -n | tr '\n' ' ')
echo "icon sizes: $sizes"
expect "the icon's sizes" "$sizes" "16x16 32x32 48x48 256x256 "

# The version resource (type 16): VS_FIXEDFILEINFO starts 40 bytes in, after the block's header
# and its key "VS_VERSION_INFO"; its signature, then the structure's version, then the file
# and product versions as two 32-bit words each (major << 16 | minor, patch << 16 | tweak).
wrestool -x --raw --type=16 "$program" >"$work/version"
read -r signature _ file_ms file_ls product_ms product_ls \
  < <(od -An -tu4 -w24 -j40 -N24 --endian=little "$work/version")
expect "the fixed version information's signature" "$signature" $((0xfeef04bd))
words() { echo "$(($1 >> 16)).$(($1 & 0xffff)).$(($2 >> 16)).$(($2 & 0xffff))"; }
echo "FILEVERSION $(words "$file_ms" "$file_ls"), PRODUCTVERSION $(words "$product_ms" "$product_ls")"
expect FILEVERSION "$(words "$file_ms" "$file_ls")" "$version.0"
expect PRODUCTVERSION "$(words "$product_ms" "$product_ls")" "$version.0"

# The strings, UTF-16 names and values in turn after the language block "040904B0".
strings -el "$work/version" | sed -n '/^040904[bB]0$/,/^VarFileInfo$/p' | sed '1d;$d' >"$work/strings"
value() { awk -v key="$1" 'NR % 2 == 1 && $0 == key { getline; print; exit }' "$work/strings"; }
echo "version strings:"
paste - - <"$work/strings"
expect FileVersion "$(value FileVersion)" "$version.0"
expect ProductVersion "$(value ProductVersion)" "$version"
expect ProductName "$(value ProductName)" tamsirel
expect OriginalFilename "$(value OriginalFilename)" tamsirel.exe
for key in FileDescription LegalCopyright; do
  [ -n "$(value "$key")" ] || fail "no $key"
done

[ "$failed" -eq 0 ] && echo PASS
exit "$failed"
