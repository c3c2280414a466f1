// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form_decl.h"

#include <string>

// The command-line program's own words: its usage, and each calculator's names told
// from the same declarations the desktop forms are built from. Every text ends in "\n".
namespace ampora::cli {

inline constexpr char kProgram[] = "ampora-calc";

std::string GeneralUsage();
// Every calculator's name, its caption on the main panel (or the trigonometry chooser)
// and its window caption, one per line in three columns.
std::string CalculatorList();
// A calculator's usage line and the names it takes, in brief.
std::string CalculatorUsage(const FormDecl& form);
// Everything a calculator takes: its boxes with their captions and units, its options,
// its lists with their entries, its presses, and its worked example.
std::string CalculatorHelp(const FormDecl& form);
// The calculator's declared worked example as a command line a shell takes.
std::string ExampleCommand(const FormDecl& form);

}  // namespace ampora::cli
