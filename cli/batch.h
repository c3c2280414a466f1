// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Batches: one calculation per line of standard input as a JSON object, answered by one
// JSON object per line, in order (request/answer_line.h). A line that is refused gets its
// error and the batch goes on.
namespace ampora::cli {

// How a batch ended.
struct BatchEnd {
    std::string failure;      // why the input could not be read or the output not be written, or ""
    std::size_t refused = 0;  // how many lines were answered with an error
};

// Answers every line read from the file descriptor `in` on `out` until `in` ends, flushing
// each answer so that a program feeding the batch can read it at once.
BatchEnd RunBatch(int in, std::FILE* out);

}  // namespace ampora::cli
