// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_names.h"
#include "core/solve_pass.h"

// The ideal transformer: primary voltage / secondary voltage = primary turns / secondary
// turns, and the efficiency shown as output voltage / input voltage.
namespace ampora::transformer {

enum Box { Np, Ns, Vp, Vs, E, kBoxes };
// The form's box of each, in this order.
inline constexpr auto kBoxNames =
    NameBoxes<kBoxes>({{Np, "np"}, {Ns, "ns"}, {Vp, "vp"}, {Vs, "vs"}, {E, "e"}});

// Fills the one empty quantity of turns and voltages from the other three, then the
// efficiency from the two voltages (a voltage just worked out included).
Boxes Solve(Boxes boxes);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `trans`, declared in transformer_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::transformer
