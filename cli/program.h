// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command-line program from its arguments to its exit status (see usage.cpp for what
// it takes): 0 when done, 1 when a press stopped on a fault or showed a message, or the
// input could not be read or the output not be written, 2 when the command line, or a
// line of a batch, is refused.
namespace ampora::cli {

int RunProgram(int argc, char** argv);

}  // namespace ampora::cli
