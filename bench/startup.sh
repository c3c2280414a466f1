#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up benchmark: runs Ampora and the bare Qt floor program (bench/floor.cpp)
# alternately under a private Xvfb and compares them:
#   - exec -> first window visible (the splash, when there is one), from the programs' own
#     first-expose timestamp (AMPORA_BENCH_TIMESTAMPS) against the time taken just before exec;
#   - resident memory after 1 s idle with the main window open, and with every calculator
#     opened through the menu (AMPORA_BENCH_OPEN_ALL);
#   - CPU time and wake-ups over 10 s idle with every calculator open, and whether the
#     OpenGL driver or QtWebEngine were mapped although help was never opened;
#   - the first "Help Online" (click -> page shown) against a bare QWebEngineView program
#     (bench/browser_floor.cpp, exec -> page shown) loading the same page, when the build
#     has a help viewer.
# Prints a Markdown table of medians and Ampora/floor ratios, then one summary line.
# Usage: bench/startup.sh [pairs]   (default 7; measures the release build)
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

pairs=${1:-7}
idle_seconds=10
build=build/release
ampora=$build/ampora
floor=$build/bench/ampora_floor

if [ -x scripts/setup.sh ]; then scripts/setup.sh >&2; fi
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

tmp=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# A private X server on a free display: Xvfb picks the number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; sleep 0.05; done
[ -s "$tmp/display" ] || { echo "Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")"
export QT_QPA_PLATFORM=xcb
unset AMPORA_BENCH_TIMESTAMPS AMPORA_BENCH_OPEN_ALL

# CPU time (clock ticks, all threads) and context switches (all threads) of a process.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'; }

# run PROGRAM OPEN_ALL IDLE: starts the program, waits until it reports its main window
# up and its first window exposed, idles 1 s (and IDLE more seconds when asked) and prints
# "<start-up us> <rss KiB> <calculators open> <CPU us to first window> [<idle cpu ms> <idle wake-ups> <GL driver
# mappings> <QtWebEngine mappings>]".
run() {
    local program=$1 open_all=$2 idle=$3 log="$tmp/run.log"
    : >"$log"
    local -a env=(AMPORA_BENCH_TIMESTAMPS=1)
    [ "$open_all" = 1 ] && env+=(AMPORA_BENCH_OPEN_ALL=1)
    # The wrapper shell takes the time and replaces itself with the program: same process.
    env "${env[@]}" bash -c 'echo "ampora-bench exec ${EPOCHREALTIME/./}" >&2; exec "$@"' _ \
        "$program" 2>"$log" &
    local pid=$!
    local waited=0
    until grep -q '^ampora-bench ready' "$log" && grep -q '^ampora-bench first-expose' "$log"; do
        sleep 0.01
        waited=$((waited + 1))
        if [ "$waited" -gt 3000 ] || ! kill -0 "$pid" 2>/dev/null; then
            echo "$program did not report ready:" >&2
            cat "$log" >&2
            kill "$pid" 2>/dev/null || true
            exit 1
        fi
    done
    sleep 1
    local rss
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
    local extra=""
    if [ "$idle" -gt 0 ]; then
        local t0 s0 t1 s1 hz
        hz=$(getconf CLK_TCK)
        t0=$(cpu_ticks "$pid") s0=$(switches "$pid")
        sleep "$idle"
        t1=$(cpu_ticks "$pid") s1=$(switches "$pid")
        extra=" $(((t1 - t0) * 1000 / hz)) $((s1 - s0))"
        # Neither the OpenGL driver nor QtWebEngine belongs in a run that never opened help.
        extra+=" $(grep -cE 'libLLVM|_dri\.so|libGLX_mesa' "/proc/$pid/maps" || true)"
        extra+=" $(grep -c 'libQt6WebEngine' "/proc/$pid/maps" || true)"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v rss="$rss" -v extra="$extra" '
        $1 == "ampora-bench" && $2 == "exec" { exec_us = $3 }
        $1 == "ampora-bench" && $2 == "first-expose" && !expose_us { expose_us = $3; cpu_us = $4 }
        $1 == "ampora-bench" && $2 == "ready" { open = $4 }
        END { print expose_us - exec_us, rss, open, cpu_us extra }' "$log"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# help_time PROGRAM [PAGE]: the time in microseconds from "Help Online" (Ampora) or from exec (the
# bare browser) to the page shown, or "n/a" when the program has no help viewer.
help_time() {
    local program=$1 log="$tmp/help.log"
    shift
    : >"$log"
    env AMPORA_BENCH_TIMESTAMPS=1 AMPORA_BENCH_OPEN_HELP=1 \
        bash -c 'echo "ampora-bench exec ${EPOCHREALTIME/./}" >&2; exec "$@"' _ "$program" "$@" 2>"$log" &
    local pid=$! waited=0
    until grep -q '^ampora-bench help-\(loaded\|unavailable\)' "$log"; do
        sleep 0.01
        waited=$((waited + 1))
        if [ "$waited" -gt 6000 ] || ! kill -0 "$pid" 2>/dev/null; then
            echo "$program did not show its help page:" >&2
            tail -n 20 "$log" >&2
            break
        fi
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk '
        $1 == "ampora-bench" && ($2 == "exec" || $2 == "help-open") { start = $3 }
        $1 == "ampora-bench" && $2 == "help-loaded" { loaded = $3 }
        END { if (loaded) print loaded - start; else print "n/a" }' "$log"
}

echo "Warming up (one discarded pair)..." >&2
run "$floor" 0 0 >/dev/null
run "$ampora" 0 0 >/dev/null

: >"$tmp/floor" ; : >"$tmp/ampora" ; : >"$tmp/all"
for i in $(seq "$pairs"); do
    # Alternate which program goes first, so that drift in the machine's load hits both.
    if [ $((i % 2)) -eq 1 ]; then
        run "$floor" 0 0 >>"$tmp/floor"
        run "$ampora" 0 0 >>"$tmp/ampora"
    else
        run "$ampora" 0 0 >>"$tmp/ampora"
        run "$floor" 0 0 >>"$tmp/floor"
    fi
    run "$ampora" 1 0 >>"$tmp/all"
    echo "pair $i/$pairs: floor $(tail -n1 "$tmp/floor"), ampora $(tail -n1 "$tmp/ampora"), all open $(tail -n1 "$tmp/all") (us KiB count CPU-us)" >&2
done
echo "Idling ${idle_seconds} s with every calculator open..." >&2
read -r _ _ _ _ idle_cpu idle_wakeups gl_maps web_maps < <(run "$ampora" 1 "$idle_seconds")

# Help on demand: the first "Help Online" against a bare QWebEngineView showing the same page.
help_pairs=5
help_page=$(find app -name help.html -print -quit 2>/dev/null || true)
browser_floor=$build/bench/ampora_browser_floor
: >"$tmp/help" ; : >"$tmp/browser"
# The browser's sandbox cannot run as root.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
if [ "$(help_time "$ampora")" != "n/a" ] && [ -n "$help_page" ] && [ -x "$browser_floor" ]; then
    for i in $(seq "$help_pairs"); do
        help_time "$ampora" >>"$tmp/help"
        help_time "$browser_floor" "$help_page" >>"$tmp/browser"
        echo "help $i/$help_pairs: Help Online $(tail -n1 "$tmp/help") us, bare browser $(tail -n1 "$tmp/browser") us" >&2
    done
    help_ms=$(median <"$tmp/help" | awk '{ printf "%.0f", $1 / 1000 }')
    browser_ms=$(median <"$tmp/browser" | awk '{ printf "%.0f", $1 / 1000 }')
else
    echo "No help viewer in this build (or no page or bare browser to compare with): help not measured." >&2
    help_ms=n/a browser_ms=n/a
fi

floor_ms=$(cut -d' ' -f1 "$tmp/floor" | median | awk '{ printf "%.1f", $1 / 1000 }')
ampora_ms=$(cut -d' ' -f1 "$tmp/ampora" | median | awk '{ printf "%.1f", $1 / 1000 }')
floor_mib=$(cut -d' ' -f2 "$tmp/floor" | median | awk '{ printf "%.1f", $1 / 1024 }')
ampora_mib=$(cut -d' ' -f2 "$tmp/ampora" | median | awk '{ printf "%.1f", $1 / 1024 }')
all_mib=$(cut -d' ' -f2 "$tmp/all" | median | awk '{ printf "%.1f", $1 / 1024 }')
calculators=$(cut -d' ' -f3 "$tmp/all" | median)
floor_cpu=$(cut -d' ' -f4 "$tmp/floor" | median | awk '{ printf "%.1f", $1 / 1000 }')
ampora_cpu=$(cut -d' ' -f4 "$tmp/ampora" | median | awk '{ printf "%.1f", $1 / 1000 }')

awk -v pairs="$pairs" -v fms="$floor_ms" -v ams="$ampora_ms" -v fm="$floor_mib" -v am="$ampora_mib" \
    -v all="$all_mib" -v n="$calculators" -v cpu="$idle_cpu" -v wake="$idle_wakeups" -v secs="$idle_seconds" \
    -v gl="$gl_maps" -v web="$web_maps" -v fc="$floor_cpu" -v ac="$ampora_cpu" \
    -v hm="$help_ms" -v bm="$browser_ms" '
BEGIN {
    rs = ams / fms; dm = am - fm; da = all - fm
    printf "| medians of %d alternating runs | Ampora | floor | Ampora / floor | target |\n", pairs
    printf "|---|---|---|---|---|\n"
    printf "| exec -> first window visible | %.1f ms | %.1f ms | %.2f | <= 1.2 |\n", ams, fms, rs
    printf "| CPU time to first window visible | %.1f ms | %.1f ms | %.2f | |\n", ac, fc, ac / fc
    printf "| resident memory, main window open | %.1f MiB | %.1f MiB | +%.1f MiB | <= +8 MiB |\n", am, fm, dm
    printf "| resident memory, every calculator open (%d) | %.1f MiB | %.1f MiB | +%.1f MiB | <= +15 MiB |\n", n, all, fm, da
    printf "| CPU over %d s idle, all open | %d ms (%d wake-ups) | | | 0 ms |\n", secs, cpu, wake
    printf "| OpenGL driver / QtWebEngine mapped, help never opened | %s / %s | | | no / no |\n", \
        (gl > 0 ? "yes" : "no"), (web > 0 ? "yes" : "no")
    help_known = hm != "n/a" && bm != "n/a"
    if (help_known)
        printf "| first \"Help Online\" -> page shown (bare browser: exec -> page) | %d ms | %d ms | %.2f | <= 1.3 |\n", hm, bm, hm / bm
    else
        printf "| first \"Help Online\" -> page shown | n/a | | | <= 1.3 |\n"
    ok = rs <= 1.2 && dm <= 8 && da <= 15 && cpu <= 10 && gl == 0 && web == 0 && (!help_known || hm / bm <= 1.3)
    help_text = help_known ? sprintf("help %.2f x bare browser", hm / bm) : "help not measured"
    printf "\nSUMMARY: start-up %.2f x floor, memory +%.1f MiB (+%.1f MiB with %d calculators open), idle CPU %d ms / %d s, %s: %s\n", \
        rs, dm, da, n, cpu, secs, help_text, (ok ? "all targets met" : "TARGET MISSED")
}'
