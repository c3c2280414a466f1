// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/core/solve_pass.h"

// The circle: radius, area and perimeter, with 22/7 for pi.
namespace ampora::circle {

enum Box { R, A, P, kBoxes };

// Area and perimeter come from the radius before the radius is worked out, so a radius
// found from an area or a perimeter fills the other box only on the next press.
Boxes Solve(Boxes boxes);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

}  // namespace ampora::circle
