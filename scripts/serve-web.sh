#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the web edition (the "web" preset) and serves build/web/site on 127.0.0.1 for
# trying it in a browser, until Ctrl+C. AMPORA_WEB_PORT picks the port (8080).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset web > /dev/null
cmake --build --preset web
port="${AMPORA_WEB_PORT:-8080}"
echo "Ampora's web edition: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
# Python's server names .wasm files application/wasm, as the browser needs.
exec python3 -m http.server --bind 127.0.0.1 --directory build/web/site "$port"
