#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the application icon's PNG sizes from its SVG. Run after changing the SVG and
# commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "io.github.ampora.Ampora-$size.png" \
    io.github.ampora.Ampora.svg
done
