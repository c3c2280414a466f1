// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

// Galvanometer to ammeter: the shunt that lets a galvanometer measure a larger current,
// from galvanometer current x galvanometer resistance = (total current - galvanometer
// current) x shunt resistance.
namespace ampora::ammeter {

enum Box { I, Ig, Rg, Rs, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
inline constexpr auto kBoxes =
    DeclareBoxes<kBoxCount>({{I, "i", "Total Current", units::kAmpere},
                             {Ig, "ig", "Galvanometer Current", units::kAmpere},
                             {Rg, "rg", "Galvanometer Resistance", units::kOhm, Reading::Lenient},
                             {Rs, "rs", "Shunt Resistance", units::kOhm, Reading::Lenient}});

// The pass its "Calculate" runs, under resume-next.
// Fills the one empty box from the other three; with two or more empty, nothing changes.
const Pass& Rules();

// The form `amm`, declared in ammeter_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::ammeter
