#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Lays out every C++ file of the project as .clang-format says; scripts/test.sh fails
# on any file that deviates.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i
