// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/core/solve_pass.h"

// The right-angled triangle: the two acute angles (in degrees) make 90 between them, and
// the hypotenuse squared is the sum of the other sides squared. Sides and angles are
// never worked out from each other.
namespace ampora::right_triangle {

enum Box { B, P, H, A, C, kBoxes };

// Fills at most one angle and one side: each block needs the boxes the user typed.
Boxes Solve(Boxes boxes);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

}  // namespace ampora::right_triangle
