// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/component_list.h"
#include "core/solve_pass.h"

// Inductance: up to ten inductors combined in series or in parallel, and the energy
// stored in the combined inductance for a given current.
namespace ampora::inductance {

// D is the scratch box that holds the running reciprocal sum.
enum Box { I, Ans, E, D, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
// clang-format off
inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({
    {I, "i", "Current", units::kAmpere}, {Ans, "ans", "Inductance", units::kHenry}, {E, "e", "Energy", units::kJoule}, {D, "d", "Reciprocal sum"}});
// clang-format on

// Combines the rows into Ans while it is empty (series adds, parallel adds reciprocals),
// then fills E = L I^2 / 2 when E is empty. The current is an input only.
Boxes Solve(Boxes boxes, const component_list::List& list, component_list::Option selected,
            Steps* steps = nullptr);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `ind`, declared in inductance_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::inductance
