// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_names.h"
#include "core/solve_pass.h"

// Galvanometer to ammeter: the shunt that lets a galvanometer measure a larger current,
// from galvanometer current x galvanometer resistance = (total current - galvanometer
// current) x shunt resistance.
namespace ampora::ammeter {

enum Box { I, Ig, Rg, Rs, kBoxes };
// The form's box of each, in this order.
inline constexpr auto kBoxNames = NameBoxes<kBoxes>({{I, "i"}, {Ig, "ig"}, {Rg, "rg"}, {Rs, "rs"}});

// Fills the one empty box from the other three; with two or more empty, nothing changes.
Boxes Solve(Boxes boxes);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `amm`, declared in ammeter_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::ammeter
