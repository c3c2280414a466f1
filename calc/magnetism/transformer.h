// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

// The ideal transformer: primary voltage / secondary voltage = primary turns / secondary
// turns, and the efficiency shown as output voltage / input voltage.
namespace ampora::transformer {

enum Box { Np, Ns, Vp, Vs, E, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({{Np, "np", "Turns of Primary"},
                                                        {Ns, "ns", "Turns of Secondary"},
                                                        {Vp, "vp", "Voltage Input", units::kVolt},
                                                        {Vs, "vs", "Voltage Output", units::kVolt},
                                                        {E, "e", "Efficiency"}});

// The pass its "Calculate" runs, under resume-next.
// Fills the one empty quantity of turns and voltages from the other three, then the
// efficiency from the two voltages (a voltage just worked out included).
const Pass& Rules();

// The form `trans`, declared in transformer_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::transformer
