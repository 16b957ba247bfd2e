#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from an existing build folder (build/ unless given) and holds what it
# installs to what a distribution asks: lintian, the AppStream validator and the desktop entry
# validator must report no error and no warning. Exits non-zero when any of them does.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
app_id=io.github.zelmora.Zelmora

status=0
echo "== package"
rm -f "$dir"/zelmora_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/zelmora_*.deb)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb --extract "$deb" "$tree"
echo "$deb"

echo "== lintian"
# lintian notes on standard error that it runs as root; its findings go to standard output.
lintian --fail-on error,warning "$deb" 2>/dev/null || status=1

echo "== appstream"
# The validator fails on warnings as well as errors; validate-tree also checks that the metainfo,
# the desktop entry and the icons the package installs agree with each other.
appstreamcli validate --no-net --no-color "$tree/usr/share/metainfo/$app_id.metainfo.xml" || status=1
appstreamcli validate-tree --no-net --no-color "$tree" || status=1

echo "== desktop entry"
# desktop-file-validate exits 0 on warnings and hints; any line it prints is a finding.
report=$(desktop-file-validate "$tree/usr/share/applications/$app_id.desktop" 2>&1) || status=1
if [ -n "$report" ]; then
  echo "$report"
  status=1
fi

[ "$status" -eq 0 ] && echo "the package passes lintian, appstreamcli and desktop-file-validate"
exit $status
