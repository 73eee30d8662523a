#!/usr/bin/env bash
# The capture tool's manual page is written by hand: every option its --help names must have an
# entry there, so an option added to the program without one fails here.
#
#   man_page_options.sh CAPTURE_PROGRAM MAN_PAGE
set -euo pipefail
help=$("$1" --help)
options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
[ -n "$options" ] || { echo "FAIL: $1 --help names no option" >&2; exit 1; }
# An entry is a .TP paragraph; its tag line, the one after .TP, starts with the option, each
# hyphen written \- as troff wants.
tags=$(awk 'tag { print; tag = 0 } /^\.TP/ { tag = 1 }' "$2" | sed 's/\\-/-/g')
status=0
for option in $options; do
  grep -Eq "^\.B[IR]? +$option( |,|$)" <<<"$tags" ||
    { echo "FAIL: $option (from --help) has no entry in $(basename "$2")" >&2; status=1; }
done
exit "$status"
