#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# How fast ampora-calc answers, against its targets: one calculation from its arguments
# (wall time from exec to exit, median of RUNS runs) under 5 ms, and a batch of LINES
# calculations through --json (every calculator's worked example in turn, answers read
# from a pipe) under 2 s for 100,000.
#
#     bench/cli.sh [RUNS [LINES]]        (defaults: 201 runs, 100000 lines)
#
# It builds the release preset's ampora-calc first, unless AMPORA_CALC names the program
# to time. It shows figures and says whether the targets are met; only a program that
# does not answer as it should makes it fail.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-201}"
lines="${2:-100000}"
calc="${AMPORA_CALC:-}"
if [ -z "$calc" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target ampora-calc >/dev/null
  calc=build/release/ampora-calc
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

# Microseconds since the epoch, read by the shell itself without starting a process.
us() { printf -v "$1" '%s' "${EPOCHREALTIME/[.,]/}"; }

# One calculation: basic electricity, the command line of a script.
# (grep reads every line: with -q it would stop at the first, and the program's next write
# would fail on the closed pipe.)
"$calc" pd p=100 v=230 | grep -x 'r=529' >/dev/null || fail "ampora-calc pd p=100 v=230 does not work out r=529"
for ((k = 0; k < runs; k++)); do
  us start
  "$calc" pd p=100 v=230 >/dev/null
  us end
  echo $((end - start))
done | sort -n >"$work/one"
one_us=$(sed -n "$(((runs + 1) / 2))p" "$work/one")

# A batch: every calculator's worked example in turn.
examples=(
  '{"calc":"pd","set":{"v":"12","r":"4"}}'
  '{"calc":"cap","set":{"nc":"2","ct0":"0.000047","ct1":"0.000022","pc":"1","v":"12"}}'
  '{"calc":"res","set":{"nc":"3","ct0":"100","ct1":"220","ct2":"470","v":"12"}}'
  '{"calc":"rcc","set":{"unit":"4 - Yellow","tens":"7 - Violet","pten":"2 - Red","toller":"Gold 5%"}}'
  '{"calc":"ac","set":{"peak":"325"}}'
  '{"calc":"cond","set":{"r":"4"}}'
  '{"calc":"fuse","set":{"nc":"3","ct0":"5","ct1":"2.5","ct2":"1.5"}}'
  '{"calc":"oscil","press":"Command2","set":{"hs":"0.005","hd":"4"}}'
  '{"calc":"amm","set":{"i":"1","ig":"0.001","rg":"50"}}'
  '{"calc":"mag","set":{"B":"0.5","i":"2","l":"3"}}'
  '{"calc":"ind","set":{"nc":"2","ct0":"0.1","ct1":"0.25","i":"2"}}'
  '{"calc":"trans","set":{"np":"1000","ns":"50","vp":"230"}}'
  '{"calc":"ratri","set":{"b":"3","p":"4","A":"36.87"}}'
  '{"calc":"cirtri","set":{"r":"2"}}'
)
# Whole rounds into a file first, then cut: a pipe into head would end the loop writing into
# it with SIGPIPE, which pipefail turns into a failure.
for ((k = 0; k < lines; k += ${#examples[@]})); do printf '%s\n' "${examples[@]}"; done >"$work/rounds"
head -n "$lines" "$work/rounds" >"$work/batch"
us start
"$calc" --json <"$work/batch" | cat >"$work/answers"
us end
batch_us=$((end - start))
[ "$(wc -l <"$work/answers")" -eq "$lines" ] || fail "the batch was not answered line for line"
! grep -m1 '"error"\|"fault":"' "$work/answers" || fail "a worked example was refused or faulted"

# The same batch asked for every box's reading and the parts that fit.
sed 's/^{/{"readings":true,/' "$work/batch" >"$work/readings"
us start
"$calc" --json <"$work/readings" | cat >"$work/read"
us end
readings_us=$((end - start))
[ "$(wc -l <"$work/read")" -eq "$lines" ] || fail "the batch with readings was not answered line for line"
grep -c '"readings":{"' "$work/read" | grep -qx "$lines" || fail "a line of the batch with readings was answered without them"

ms() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }
per_100k_us=$((batch_us * 100000 / lines))
readings_100k_us=$((readings_us * 100000 / lines))
printf 'one calculation from arguments (median of %d runs): %s ms (target < 5 ms)\n' "$runs" "$(ms "$one_us")"
printf 'batch of %d calculations through --json: %s ms, %s ms per 100,000 (target < 2000 ms)\n' \
  "$lines" "$(ms "$batch_us")" "$(ms "$per_100k_us")"
printf 'the same with "readings":true: %s ms, %s ms per 100,000 (target < 3000 ms)\n' \
  "$(ms "$readings_us")" "$(ms "$readings_100k_us")"
verdict="all targets met"
((one_us < 5000 && per_100k_us < 2000000 && readings_100k_us < 3000000)) || verdict="a target is missed"
echo "SUMMARY: $(ms "$one_us") ms per calculation, $(ms "$per_100k_us") ms per 100,000 in a batch," \
  "$(ms "$readings_100k_us") ms with readings: $verdict"
