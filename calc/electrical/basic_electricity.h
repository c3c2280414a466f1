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
    {P, "p", "Power", units::kWatt}, {I, "i", "Current", units::kAmpere}, {V, "v", "Voltage", units::kVolt}, {R, "r", "Resistance", units::kOhm},
    {W, "w", "Work done", units::kJoule}, {Q, "q", "Charge", units::kCoulomb}, {T, "t", "Time", units::kSecond}});
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
