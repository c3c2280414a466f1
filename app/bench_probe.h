// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Hooks for the start-up benchmark (bench/startup.sh). Unless one of the AMPORA_BENCH_*
// variables below is set they do nothing, so an ordinary run pays a few getenv calls.
// The floor programs compile this file too, so every program is timed alike.
#include <functional>

class QMainWindow;

namespace ampora::bench {

// AMPORA_BENCH_TIMESTAMPS: print timestamps on stderr.
bool TimestampsRequested();
// AMPORA_BENCH_OPEN_ALL: open every calculator through the menu once the main window is up.
bool OpenAllRequested();
// AMPORA_BENCH_OPEN_HELP: pick "Help Online" once the main window is up.
bool OpenHelpRequested();
// Any of the above.
bool Requested();

// When timestamps are asked for, prints
// "ampora-bench <what> <microseconds since the epoch> <value>" on stderr.
void Stamp(const char* what, long long value = 0);

// Call once the application object exists. Stamps "first-expose" with the CPU microseconds
// used so far once the first top-level window (the splash, when there is one) has been
// exposed and painted.
void WatchFirstExpose();

// Stamps "help-loaded" when the help viewer's caption first names a page.
void WatchHelpCaption();

// Call once the program's main window is shown. When a benchmark asks, once the window is
// up: stamps "ready" (with the number of calculators `openAll` opened, where every one was
// asked for), then, where the help viewer was asked for, picks the window's menu item
// named `help` and stamps "help-open" (or "help-unavailable").
void AfterMainWindow(QMainWindow& window, std::function<int()> openAll, const char* help);

}  // namespace ampora::bench
