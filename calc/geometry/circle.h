// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_names.h"
#include "core/solve_pass.h"

// The circle: radius, area and perimeter, with 22/7 for pi.
namespace ampora::circle {

enum Box { R, A, P, kBoxes };
// The form's box of each, in this order.
inline constexpr auto kBoxNames = NameBoxes<kBoxes>({{R, "r"}, {A, "a"}, {P, "p"}});

// Area and perimeter come from the radius before the radius is worked out, so a radius
// found from an area or a perimeter fills the other box only on the next press.
Boxes Solve(Boxes boxes);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `cirtri`, declared in circle_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::circle
