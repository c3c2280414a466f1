// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/core/solve_pass.h"

// The ideal transformer: primary voltage / secondary voltage = primary turns / secondary
// turns, and the efficiency shown as output voltage / input voltage.
namespace ampora::transformer {

enum Box { Np, Ns, Vp, Vs, E, kBoxes };

// Fills the one empty quantity of turns and voltages from the other three, then the
// efficiency from the two voltages (a voltage just worked out included).
Boxes Solve(Boxes boxes);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

}  // namespace ampora::transformer
