// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

// The circle: radius, area and perimeter, with 22/7 for pi.
namespace ampora::circle {

enum Box { R, A, P, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
inline constexpr auto kBoxes =
    DeclareBoxes<kBoxCount>({{R, "r", "Radius"}, {A, "a", "Area"}, {P, "p", "Perimeter"}});

// The pass its "Calculate" runs, under resume-next.
// Area and perimeter come from the radius before the radius is worked out, so a radius
// found from an area or a perimeter fills the other box only on the next press.
const Pass& Rules();

// The form `cirtri`, declared in circle_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::circle
