// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

// The right-angled triangle: the two acute angles (in degrees) make 90 between them, and
// the hypotenuse squared is the sum of the other sides squared. Sides and angles are
// never worked out from each other.
namespace ampora::right_triangle {

enum Box { B, P, H, A, C, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({{B, "b", "Base"},
                                                        {P, "p", "Perpendicular"},
                                                        {H, "h", "Hypotenuse"},
                                                        {A, "A", "Angle A", units::kDegree},
                                                        {C, "C", "Angle C", units::kDegree}});

// The pass its "Calculate" runs, under resume-next.
// Fills at most one angle and one side: each block needs the boxes the user typed.
const Pass& Rules();

// The form `ratri`, declared in right_triangle_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::right_triangle
