// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_names.h"
#include "core/solve_pass.h"

// The right-angled triangle: the two acute angles (in degrees) make 90 between them, and
// the hypotenuse squared is the sum of the other sides squared. Sides and angles are
// never worked out from each other.
namespace ampora::right_triangle {

enum Box { B, P, H, A, C, kBoxes };
// The form's box of each, in this order.
inline constexpr auto kBoxNames = NameBoxes<kBoxes>({{B, "b"}, {P, "p"}, {H, "h"}, {A, "A"}, {C, "C"}});

// Fills at most one angle and one side: each block needs the boxes the user typed.
Boxes Solve(Boxes boxes);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `ratri`, declared in right_triangle_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::right_triangle
