// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/component_list.h"
#include "core/solve_pass.h"

// Capacitance: up to ten capacitors combined in parallel or in series, Q = C x V over the
// applied voltage, the charge and the combined capacitance, and the stored energy.
namespace ampora::capacitance {

// D is the scratch box that holds the running reciprocal sum.
enum Box { V, Qc, Ans, E, D, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
// clang-format off
inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({
    {V, "v", "Voltage", units::kVolt}, {Qc, "qc", "Charge", units::kCoulomb}, {Ans, "ans", "Capacitance", units::kFarad}, {E, "e", "Energy", units::kJoule}, {D, "d", "Reciprocal sum"}});
// clang-format on

// Combines the rows into Ans while it is empty (parallel adds, series adds reciprocals),
// fills the empty one of V, Qc and Ans from the other two, then the energy E = C V^2 / 2
// when E is empty. Nothing is worked out from a given energy.
Boxes Solve(Boxes boxes, const component_list::List& list, component_list::Option selected,
            Steps* steps = nullptr);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `cap`, declared in capacitance_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::capacitance
