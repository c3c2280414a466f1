// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_names.h"
#include "core/solve_pass.h"

// Conductance: resistance in ohms and conductance in mhos, each the other's reciprocal.
namespace ampora::conductance {

enum Box { R, C, kBoxes };
// The form's box of each, in this order.
inline constexpr auto kBoxNames = NameBoxes<kBoxes>({{R, "r"}, {C, "c"}});

// Fills the empty one of `r` and `c` from the other; never touches a filled box.
Boxes Solve(Boxes boxes);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `cond`, declared in conductance_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::conductance
