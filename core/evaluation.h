// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"
#include "scope.h"
#include "step.h"
#include "term.h"

#include <span>

// Working a relation's tree out over a scope with the checked arithmetic of Num: a Fault
// on an operand that is no number, a division by zero, an overflow, an invalid operation
// or a domain error, and a faulted constant's fault where one is read. The right operand
// of each operation is worked out before the left, everywhere, so that which operand
// faults first (and therefore what a fault report says) is the same with every compiler.
namespace ampora {

// The value of the tree `nodes` (the root last).
Num Evaluate(std::span<const Term::Node> nodes, const Scope& scope);

// The value as Evaluate works it out, and the work for an explanation: each value the tree
// rounds on the way is appended to `steps` as a step of its own (of `step`'s block and
// rule), and `step` gets the relation and the substituted operands; its box and result
// are the caller's to fill in. A fault is thrown as by Evaluate, once `step`'s texts and
// fault are filled in.
Num EvaluateAndRecord(std::span<const Term::Node> nodes, const Scope& scope, Step& step, Steps& steps);

}  // namespace ampora
