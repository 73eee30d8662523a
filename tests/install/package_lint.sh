#!/usr/bin/env bash
# Builds the Debian package from the build's install rules into a scratch folder and holds it to
# what Debian asks of a package: lintian prints no error and no warning, appstreamcli accepts the
# metainfo it installs, and the changelog and the metainfo name the version the package has.
#
#   package_lint.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/package-lint.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" -G DEB >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/*.deb)
version=$(dpkg-deb -f "$deb" Version)

# Errors and warnings fail, as does lintian failing to run; informational tags are shown.
lintian --no-cfg --display-info --fail-on error,warning "$deb" ||
  fail "lintian reports errors or warnings, or could not check the package"

dpkg-deb -x "$deb" "$work/root"
metainfo=$(ls "$work"/root/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $(basename "$metainfo")"

changelog_version=$(zcat "$work/root/usr/share/doc/tamsirel/changelog.gz" | sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] ||
  fail "the changelog's newest entry is $changelog_version, the package is $version: add an entry"
grep -q "<release version=\"$version\"" "$metainfo" ||
  fail "the metainfo names no release $version: add it to its releases"
echo "package $version: lintian clean, metainfo valid"
