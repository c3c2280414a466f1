// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fault.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

// What a relation reads when it is worked out: its operands by index, each a named text,
// and the constants by index.
namespace ampora {

// A value worked out once per press (a permeability, say), or the fault that made it
// unusable; a relation that reads a faulted constant faults with that fault.
using Constant = std::variant<double, Fault>;

struct Operand {
    std::string_view name;      // as a relation shows it: the box's name on its form ("p")
    std::string_view quantity;  // as a fault report names it ("Power")
    const std::string* text;
};

struct Scope {
    std::span<const Operand> operands;
    std::span<const Constant> constants = {};
    std::span<const char* const> constantNames = {};
};

}  // namespace ampora
