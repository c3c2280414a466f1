#pragma once

// Hooks for the start-up benchmark (bench/startup.sh). Unless AMPORA_BENCH_TIMESTAMPS or
// AMPORA_BENCH_OPEN_ALL is set they do nothing, so an ordinary run pays two getenv calls.
// The bare Qt floor program compiles this file too, so both programs are timed alike.
namespace ampora::bench {

// AMPORA_BENCH_TIMESTAMPS: print timestamps on stderr.
bool TimestampsRequested();
// AMPORA_BENCH_OPEN_ALL: open every calculator through the menu once the main window is up.
bool OpenAllRequested();

// Call once the application object exists. When timestamps are asked for, prints
// "ampora-bench first-expose <microseconds since the epoch> <CPU microseconds used>" on
// stderr once the first top-level window (the splash, when there is one) has been exposed
// and painted.
void WatchFirstExpose();

// When timestamps are asked for, prints
// "ampora-bench ready <microseconds since the epoch> <calculators open>".
void ReportReady(int calculatorsOpen = 0);

}  // namespace ampora::bench
