// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form_decl.h"

#include <span>
#include <string_view>

// Every calculator of the program, each by its form's declaration: its name, caption,
// controls and what its buttons work out. The desktop program's form table, the
// command-line program, the fuzzer, the benchmarks and the tests that go over "every
// calculator" read this list; adding a calculator adds its line in registry.cpp.
namespace ampora {

std::span<const FormDecl* const> Calculators();

// The calculator whose form is named `name`, or nullptr.
const FormDecl* FindCalculator(std::string_view name);

}  // namespace ampora
