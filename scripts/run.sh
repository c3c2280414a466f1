#!/usr/bin/env bash
# Sets up, builds and starts Ampora.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release
cmake --build --preset release
exec build/release/ampora "$@"
