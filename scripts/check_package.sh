#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Validates the desktop entry and the AppStream metainfo, builds the Debian package, checks
# it as a distribution would (lintian, the manual pages), unpacks it and starts the
# packaged program. Run after the release build (scripts/test.sh does).
set -euo pipefail
cd "$(dirname "$0")/.."
id=io.github.ampora.Ampora
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

desktop-file-validate "packaging/$id.desktop"
# The metainfo as this build made it, and as it is made once the project has a public
# address: its links appear only then.
appstreamcli validate --no-net "build/release/packaging/$id.metainfo.xml"
! grep -n '@AMPORA' "build/release/packaging/$id.metainfo.xml" || fail "the metainfo keeps a placeholder"
cmake -DMETAINFO_IN="packaging/$id.metainfo.xml.in" -DMETAINFO_OUT="$work/with-address.xml" \
      -DAMPORA_PUBLIC_URL=https://forge.example.org/ampora -P packaging/metainfo.cmake
grep -q '<url type="homepage">https://forge.example.org/ampora</url>' "$work/with-address.xml" ||
  fail "the metainfo made with a public address has no homepage"
appstreamcli validate --no-net "$work/with-address.xml"
# Every screenshot the metainfo lists is one the README's pictures come from.
sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "packaging/$id.metainfo.xml.in" |
  while read -r picture; do
    [ -f "docs/screenshots/$picture" ] || fail "missing docs/screenshots/$picture"
  done

cmake --build --preset release --target package
deb=$(ls -t build/release/ampora_*.deb | head -n 1)

# Lintian as a packager runs it; its notice about running as root is no finding.
status=0
findings=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$findings" || true
[ "$status" -eq 0 ] || fail "lintian finds errors or warnings in $deb"

stage="$work/stage"
dpkg-deb -x "$deb" "$stage"
for f in usr/bin/ampora usr/bin/ampora-calc "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
         "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/icons/hicolor/48x48/apps/$id.png" \
         usr/share/doc/ampora/copyright usr/share/doc/ampora/changelog.gz usr/share/man/man1/ampora.1.gz \
         usr/share/man/man1/ampora-calc.1.gz; do
  [ -f "$stage/$f" ] || fail "$deb lacks /$f"
done
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
# The help viewer's library sits where the executable looks for it: ../lib…/ampora.
find "$stage/usr/lib" -path '*/ampora/libampora_help.so' | grep -q . || fail "$deb lacks the help viewer's library"

# Every manual page formats without a warning.
for page in "$stage"/usr/share/man/man*/*; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

# One version everywhere: the package, the program, its newest release in the metainfo and
# in the changelog.
version=$(dpkg-deb -f "$deb" Version)
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/usr/bin/ampora" --version)" = "Ampora $version" ] ||
  fail "the packaged program does not say it is Ampora $version"
grep -m1 '<release ' "$stage/usr/share/metainfo/$id.metainfo.xml" | grep -q "version=\"$version\"" ||
  fail "the metainfo's newest release is not $version"
zcat "$stage/usr/share/doc/ampora/changelog.gz" | head -n 1 | grep -q "^ampora ($version) " ||
  fail "the changelog's newest entry is not $version"

# The command-line program needs no Qt, and calculates.
! ldd "$stage/usr/bin/ampora-calc" | grep -i qt || fail "ampora-calc links a Qt library"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$stage/usr/bin/ampora-calc" cond r=4)" = "$(printf 'r=4\nc=0.25')" ] ||
  fail "the packaged ampora-calc does not work out a conductance"
[ "$("$stage/usr/bin/ampora-calc" --version)" = "Ampora $version" ] ||
  fail "the packaged ampora-calc does not say it is Ampora $version"

# The packaged program starts and keeps running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$stage/usr/bin/ampora" || status=$?
[ "$status" -eq 124 ] || fail "the packaged program ended with status $status instead of running"
echo "$deb: valid, lintian-clean, installs its files and starts"
