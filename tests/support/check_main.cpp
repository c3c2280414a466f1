// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check.h"

// The main of every test executable on the project's own harness: runs the tests that
// registered themselves, as the arguments select.
int main(int argc, char** argv) { return ampora::check::Run(argc, argv); }
