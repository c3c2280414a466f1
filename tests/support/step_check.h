// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/relation.h"

#include <optional>
#include <string>
#include <string_view>

// The explanation of a step, read back by a small evaluator of its own that knows nothing
// of the calculators: the substituted relation is parsed as written (numbers, + - * /, ^,
// sqrt(...), sin(...) of degrees, parentheses) and worked out with plain double
// operations in the order the parentheses give. A step whose text and arithmetic disagree
// (an operator shown but another computed, a grouping shown but another computed, an
// operand shown but another read) gives a different value.
namespace ampora::test {

// The value of an explanation's expression, or nothing when it cannot be read.
std::optional<double> EvaluateExplanation(std::string_view text);

// "" when the step's substituted text evaluates to the text it wrote (as a box shows it,
// or exactly for a value no box holds), or when it faulted; else what disagrees.
std::string CheckStep(const Step& step);

}  // namespace ampora::test
