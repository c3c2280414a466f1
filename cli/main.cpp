// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/program.h"

int main(int argc, char** argv) { return ampora::cli::RunProgram(argc, argv); }
