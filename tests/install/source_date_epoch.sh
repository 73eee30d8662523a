#!/usr/bin/env bash
# Where the packages' time comes from (scripts/source-date-epoch), in each kind of source tree:
# the caller's SOURCE_DATE_EPOCH, a `git archive` tarball's commit time, a clone's commit time,
# and in a copy with no .git the changelog's newest date. A tree the commit cases need (a git
# checkout) that is missing skips them with a line.
#
#   source_date_epoch.sh SOURCE_DIR
set -euo pipefail
source_dir=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/source-date-epoch.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A copy of the script and the changelog alone, as a tree with no .git has them.
copy=$work/copy
mkdir -p "$copy/scripts" "$copy/packaging"
cp "$source_dir/scripts/source-date-epoch" "$copy/scripts/"
printf '%s\n' "tamsirel (1.0.1) unstable; urgency=medium" "" "  * A change." "" \
  " -- Someone <someone@example.org>  Sat, 14 Nov 2026 22:13:20 +0100" "" \
  "tamsirel (1.0.0) unstable; urgency=medium" "" "  * First." "" \
  " -- Someone <someone@example.org>  Wed, 09 Dec 2020 19:00:00 +0000" >"$copy/packaging/changelog"

# case: tree, SOURCE_DATE_EPOCH (- for unset), the time it must print
cases=(
  "the caller's time wins|$copy|1234567890|1234567890"
  "a copy with no .git takes the changelog's newest date|$copy|-|1794690800"
)
if git -C "$source_dir" rev-parse --verify -q HEAD >/dev/null &&
   [ "$(git -C "$source_dir" rev-parse --show-toplevel)" = "$source_dir" ]; then
  commit_time=$(git -C "$source_dir" log -1 --format=%ct)
  mkdir "$work/tarball"
  git -C "$source_dir" archive HEAD scripts/source-date-epoch packaging/changelog | tar -x -C "$work/tarball"
  cases+=("a git archive tarball takes its commit's time|$work/tarball|-|$commit_time"
          "a clone takes its commit's time|$source_dir|-|$commit_time")
else
  echo "not a git checkout: the commit cases are left out"
fi

for case in "${cases[@]}"; do
  IFS='|' read -r what tree epoch want <<<"$case"
  if [ "$epoch" = - ]; then
    got=$(env -u SOURCE_DATE_EPOCH "$tree/scripts/source-date-epoch")
  else
    got=$(SOURCE_DATE_EPOCH=$epoch "$tree/scripts/source-date-epoch")
  fi
  [ "$got" = "$want" ] || fail "$what: got '$got', want '$want'"
done

SOURCE_DATE_EPOCH=yesterday "$copy/scripts/source-date-epoch" 2>/dev/null &&
  fail "a SOURCE_DATE_EPOCH that is not a number was taken"
echo "source-date-epoch: ${#cases[@]} cases as expected"
