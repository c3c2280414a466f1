// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/component_list.h"
#include "core/solve_pass.h"

// Resistance: up to ten resistors combined in series or in parallel, and Ohm's law over
// the applied voltage, the current and the combined resistance.
namespace ampora::resistance {

// D is the scratch box that holds the running reciprocal sum.
enum Box { V, Qc, Ans, D, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
// clang-format off
inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({
    {V, "v", "Voltage", units::kVolt}, {Qc, "qc", "Current", units::kAmpere}, {Ans, "ans", "Resistance", units::kOhm}, {D, "d", "Reciprocal sum"}});
// clang-format on

// Combines the rows into Ans while it is empty (series adds, parallel adds reciprocals),
// then fills each empty one of V, Qc and Ans that Ohm's law gives from the other two.
Boxes Solve(Boxes boxes, const component_list::List& list, component_list::Option selected,
            Steps* steps = nullptr);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `res`, declared in resistance_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::resistance
