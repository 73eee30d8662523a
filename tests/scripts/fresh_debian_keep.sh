#!/usr/bin/env bash
# scripts/fresh-debian's --keep refuses, with status 2 and a reason, whatever folder it must not
# make a root in, and lets a new or an empty folder through untouched. It runs a copy of the
# script in a folder of its own, where the scripts it calls next are a stub that says it was
# reached (deps) or are missing (with-display), and sudo, mmdebstrap, unshare and chroot on the
# PATH are stubs of the same kind: whatever the check lets through, no real run can start.
#
#   fresh_debian_keep.sh SCRIPTS_FRESH_DEBIAN
set -euo pipefail

script=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/fresh-debian-keep.XXXXXX")
trap 'rm -rf "$work"' EXIT

mkdir "$work/scripts" "$work/stubs"
cp "$script" "$work/scripts/fresh-debian"
for stub in "$work/scripts/deps" "$work/stubs/sudo" "$work/stubs/mmdebstrap" "$work/stubs/unshare" \
  "$work/stubs/chroot"; do
  printf '#!/bin/sh\necho "reached $(basename "$0")"\nexit 3\n' >"$stub"
  chmod +x "$stub"
done
fresh() { PATH="$work/stubs:$PATH" "$work/scripts/fresh-debian" "$@"; }

mkdir "$work/full" "$work/empty"
touch "$work/full/file" "$work/file"
ln -s / "$work/to-root"
ln -s "$work/full" "$work/to-full"

failures=0
# fresh-debian ARGS... ends with status 2, says REASON and reaches none of the stubs.
refuses() {
  local want=$1 status=0 out
  shift
  out=$(fresh "$@" 2>&1) || status=$?
  if [ "$status" -ne 2 ] || ! grep -qF "$want" <<<"$out" || grep -q '^reached ' <<<"$out"; then
    echo "FAIL: fresh-debian $*: status $status, wanted 2 and \"$want\"; it said: $out" >&2
    failures=$((failures + 1))
  fi
}
refuses "the machine's root folder" --keep /
refuses "the machine's root folder" --keep /usr/..
refuses "the machine's root folder" --keep "$work/to-root"
refuses "not empty" --keep "$work/full"
refuses "not empty" --keep "$work/to-full"
refuses "not a folder" --keep "$work/file"
refuses "no path" --keep ""
refuses usage --keep
refuses usage --keep "$work/empty" extra
refuses usage --root /

# Accepted: the check passes the folder on (a stub is reached) and makes or changes nothing.
for dir in "$work/empty" "$work/new"; do
  status=0
  out=$(fresh --keep "$dir" 2>&1) || status=$?
  if ! grep -q '^reached ' <<<"$out" || grep -q 'fresh-debian: --keep' <<<"$out"; then
    echo "FAIL: fresh-debian --keep $dir was not let through (status $status): $out" >&2
    failures=$((failures + 1))
  fi
done
[ -z "$(ls -A "$work/empty")" ] || { echo "FAIL: the check wrote into the empty folder" >&2; failures=$((failures + 1)); }
[ ! -e "$work/new" ] || { echo "FAIL: the check made the new folder" >&2; failures=$((failures + 1)); }
[ -e "$work/full/file" ] || { echo "FAIL: the full folder lost its file" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ]
