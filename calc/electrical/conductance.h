// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

// Conductance: resistance in ohms and conductance in mhos, each the other's reciprocal.
namespace ampora::conductance {

enum Box { R, C, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
inline constexpr auto kBoxes =
    DeclareBoxes<kBoxCount>({{R, "r", "Resistance", units::kOhm}, {C, "c", "Conductance", units::kSiemens}});

// The pass its "Calculate" runs, under resume-next.
// Fills the empty one of `r` and `c` from the other; never touches a filled box.
const Pass& Rules();

// The form `cond`, declared in conductance_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::conductance
