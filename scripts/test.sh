#!/usr/bin/env bash
# Sets up, builds, checks the desktop files and the Debian package, and runs every test
# headless; ends with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset release
cmake --build --preset release
scripts/check_package.sh
ctest --preset release
