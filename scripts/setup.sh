#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building and testing Ampora needs on Debian 12, when it is missing.
set -euo pipefail

# desktop-file-utils and appstream validate the desktop entry and the metainfo;
# librsvg2-bin renders the icon's PNG sizes (packaging/icons/render.sh); dpkg-dev and
# fakeroot let CPack build the Debian package, which lintian checks, with man-db for its
# manual pages; clang-format checks the format of the sources, reuse their licence headers;
# dbus, at-spi2-core and python3-pyatspi let the accessibility test read the program as a
# screen reader does; libmpfr-dev gives the correctly rounded sine the portable one is
# tested against; emscripten builds the web page's WebAssembly engine (its nodejs runs the
# engine's test); chromium is the browser the web edition's tests drive, headless;
# poppler-utils' pdftotext reads back the solutions the page and the desktop print to PDF.
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev
          xvfb xauth clang libclang-rt-14-dev desktop-file-utils appstream librsvg2-bin
          dpkg-dev fakeroot file clang-format lintian man-db reuse dbus at-spi2-core python3-pyatspi
          libmpfr-dev emscripten chromium poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The web edition's browser tests drive chromium with playwright-core and check it with
# axe-core; eslint and prettier keep the page's JavaScript; all from npm at the versions
# web/package-lock.json fixes. playwright-core never downloads a browser. Installed again
# only when the lock file has changed.
if ! command -v npm > /dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends npm
fi
web="$(dirname "$0")/../web"
stamp="$web/node_modules/.ampora-lock"
if ! cmp -s "$web/package-lock.json" "$stamp"; then
  (cd "$web" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
  cp "$web/package-lock.json" "$stamp"
fi
