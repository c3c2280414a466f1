// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

// Basic electricity: power, current, voltage, resistance, work done, charge and time of a
// direct-current circuit element.
namespace ampora::basic_electricity {

// The boxes in the form's row order.
enum Box { P, I, V, R, W, Q, T, kBoxCount };
// clang-format off
inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({
    {P, "p", "Power"}, {I, "i", "Current"}, {V, "v", "Voltage"}, {R, "r", "Resistance"},
    {W, "w", "Work done"}, {Q, "q", "Charge"}, {T, "t", "Time"}});
// clang-format on

// Fills empty boxes from filled ones, target by target. The first fault (a box that does
// not hold a number, a division by zero, ...) ends the pass: the boxes written before it
// keep their new text, and the fault comes back naming the quantity that failed.
Outcome Solve(Boxes boxes, Steps* steps = nullptr);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `pd`, declared in basic_electricity_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::basic_electricity
