// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_names.h"
#include "core/solve_pass.h"

// Electro-magnetism: a magnetic circuit (reluctance, magneto-motive force, flux, field
// strength, flux density, inductance) and a conductor moving or carrying current in a
// magnetic field (force, induced e.m.f., velocity, length, angle).
namespace ampora::electro_magnetism {

// The boxes in the form's row order.
enum Box { S, Mmf, L, Flux, Rp, A, H, I, N, B, E, V, Ang, F, Ind, T, kBoxes };
// The form's box of each, in this order.
// clang-format off
inline constexpr auto kBoxNames = NameBoxes<kBoxes>({
    {S, "s"}, {Mmf, "mmf"}, {L, "l"},   {Flux, "flux"}, {Rp, "rp"},   {A, "A"}, {H, "H"},     {I, "i"},
    {N, "n"}, {B, "B"},     {E, "e"},   {V, "v"},       {Ang, "ang"}, {F, "F"}, {Ind, "ind"}, {T, "t"}});
// clang-format on

// Works out the permeability once, gives the angle (degrees) and the relative
// permeability their defaults "90" and "1" when empty, then fills empty boxes target by
// target. A rule that faults leaves its target empty and its block ends; the pass goes on.
Boxes Solve(Boxes boxes);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `mag`, declared in electro_magnetism_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::electro_magnetism
