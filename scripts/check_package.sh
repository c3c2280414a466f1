#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Validates the desktop entry and the AppStream metainfo, builds the Debian package,
# unpacks it and starts the packaged program for a few seconds. Run after the release
# build (scripts/test.sh does).
set -euo pipefail
cd "$(dirname "$0")/.."
id=io.github.ampora.Ampora

desktop-file-validate "packaging/$id.desktop"
appstreamcli validate --no-net "packaging/$id.metainfo.xml"
# Every screenshot the metainfo lists is one the README's pictures come from.
sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "packaging/$id.metainfo.xml" |
  while read -r picture; do
    [ -f "docs/screenshots/$picture" ] || { echo "missing docs/screenshots/$picture"; exit 1; }
  done

cmake --build --preset release --target package
deb=$(ls -t build/release/ampora_*.deb | head -n 1)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
for f in usr/bin/ampora "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
         "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/icons/hicolor/48x48/apps/$id.png"; do
  [ -f "$stage/$f" ] || { echo "$deb lacks /$f"; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
# The help viewer's library sits where the executable looks for it: ../lib…/ampora.
find "$stage/usr/lib" -path '*/ampora/libampora_help.so' | grep -q . ||
  { echo "$deb lacks the help viewer's library"; exit 1; }

# The packaged program starts and keeps running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$stage/usr/bin/ampora" || status=$?
if [ "$status" -ne 124 ]; then
  echo "the packaged program ended with status $status instead of running"
  exit 1
fi
echo "$deb: valid, installs its files and starts"
