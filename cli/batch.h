// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculation.h"

#include <cstdio>
#include <string>
#include <string_view>

// Batches: one calculation per line as a JSON object,
//     {"calc":"pd","set":{"p":"100","v":"230"},"press":"calc"}
// ("set" and "press" may be left out; names and texts as on the command line), answered
// by one JSON object per line, in order:
//     {"boxes":{"p":"100","i":"0.434782608695652",...},"fault":null}
// with the sentence of a fault or message instead of null, or {"error":"..."} when the
// line is not a request or names what the calculator does not take. A line that fails
// gets its error and the batch goes on.
namespace ampora::cli {

// Lines longer than this are refused unread, so that a runaway input cannot take the
// machine's memory.
inline constexpr std::size_t kMaxLine = 1 << 20;

// The answer to one line (without its line break), as a JSON object on one line.
std::string AnswerLine(Calculations& calculations, std::string_view line);

// Answers every line read from the file descriptor `in` on `out` until `in` ends, flushing
// each answer so that a program feeding the batch can read it at once. Returns "", or why
// the input could not be read or the output not be written.
std::string RunBatch(int in, std::FILE* out);

}  // namespace ampora::cli
