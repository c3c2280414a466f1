#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up, builds and runs every test headless; ends with ctest's summary.
#
# Stages: the format, include and licence checks; the release build, with the desktop files, the
# manual pages and the Debian package checked; the web edition, built with Emscripten, its
# engine and its page (in headless chromium) held against the release build's ampora-calc; the debug preset (AddressSanitizer and
# UndefinedBehaviorSanitizer) and its tests; the fuzz targets, built with clang and run for
# FUZZ_SECONDS each from their corpora; then the release tests, whose summary ends the
# output. Any stage that fails ends the run with a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
fuzz_seconds="${FUZZ_SECONDS:-20}"
started=$SECONDS

stage() { printf '\n==== %s (%d s so far)\n' "$1" $((SECONDS - started)); }

stage "format"
# Every C++ file as .clang-format lays it out (clang-format 14 from Debian); run
# scripts/format.sh to apply it.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# The web edition's JavaScript as eslint and prettier want it (web/package.json's
# versions, eslint.config.mjs and .prettierrc.json); web/node_modules/.bin/prettier --write
# applies the layout.
web/node_modules/.bin/eslint --max-warnings 0
web/node_modules/.bin/prettier --check . > /dev/null || web/node_modules/.bin/prettier --list-different .

stage "includes"
# Every include points down the layers (engine, calculators, request layer, front ends),
# no units include each other, and nothing below the desktop includes Qt.
tools/check_includes.py

stage "licences"
# Every file names its copyright and licence (REUSE: a header, or .reuse/dep5).
reuse lint --quiet || reuse lint

stage "release build"
cmake --preset release
cmake --build --preset release
# The command-line calculators sit beside the program in the build tree.
[ "$(build/release/ampora-calc pd p=100 v=230 | grep -c =)" = 7 ] ||
  { echo "build/release/ampora-calc does not print the seven boxes of basic electricity" >&2; exit 1; }
scripts/check_package.sh

stage "web edition"
# The calculators as the web page's WebAssembly module, answering in node exactly as the
# release build's ampora-calc does, line for line, and the site around it driven in
# headless chromium. The build's output goes to a log, shown when it fails.
if ! { cmake --preset web && cmake --build --preset web; } > build/web.log 2>&1; then
  tail -n 40 build/web.log
  exit 1
fi
ctest --preset web

stage "sanitizer build and tests"
cmake --preset debug
cmake --build --preset debug
# The preset sets LSAN_OPTIONS to scripts/lsan.supp and makes UBSan findings fatal.
ctest --preset debug

stage "fuzzing, ${fuzz_seconds} s per target"
cmake --preset fuzz
cmake --build --preset fuzz
fuzz_work="$(mktemp -d)"
trap 'rm -rf "$fuzz_work"' EXIT
for fuzzer in build/fuzz/fuzz/*_fuzzer; do
  name="$(basename "$fuzzer")"
  # New inputs go to a scratch folder; the committed corpus is only read.
  mkdir -p "$fuzz_work/$name"
  if ! "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=1 -artifact_prefix="$PWD/build/fuzz/$name-" \
       "$fuzz_work/$name" "fuzz/corpus/$name" > "$fuzz_work/$name.log" 2>&1; then
    tail -n 60 "$fuzz_work/$name.log"
    echo "$name found a fault; the input is saved as build/fuzz/$name-*." >&2
    echo "Copy it into fuzz/corpus/$name/ so the corpus replay test keeps it once mended." >&2
    exit 1
  fi
  printf '%s: %s executions in %s s\n' "$name" \
    "$(sed -n 's/^stat::number_of_executed_units: *//p' "$fuzz_work/$name.log")" "$fuzz_seconds"
done

stage "release tests"
ctest --preset release
