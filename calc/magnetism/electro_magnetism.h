// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

// Electro-magnetism: a magnetic circuit (reluctance, magneto-motive force, flux, field
// strength, flux density, inductance) and a conductor moving or carrying current in a
// magnetic field (force, induced e.m.f., velocity, length, angle).
namespace ampora::electro_magnetism {

// The boxes in the form's row order.
enum Box { S, Mmf, L, Flux, Rp, A, H, I, N, B, E, V, Ang, F, Ind, T, kBoxCount };
// clang-format off
inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({
    {S, "s", "Reluctance", units::kAmperePerWeber}, {Mmf, "mmf", "Magneto-motive force", units::kAmpere}, {L, "l", "Length of conductor", units::kMetre},
    {Flux, "flux", "Magnetic flux", units::kWeber}, {Rp, "rp", "Relative permeability"}, {A, "A", "Area of conductor", units::kSquareMetre},
    {H, "H", "Magnetic field strength", units::kAmperePerMetre}, {I, "i", "Current", units::kAmpere}, {N, "n", "Number of turns"},
    {B, "B", "Magnetic flux density", units::kTesla}, {E, "e", "Induced e.m.f.", units::kVolt}, {V, "v", "Velocity of conductor", units::kMetrePerSecond},
    {Ang, "ang", "Angle", units::kDegree}, {F, "F", "Force on conductor", units::kNewton}, {Ind, "ind", "Inductance", units::kHenry}, {T, "t", "Time", units::kSecond}});
// clang-format on

// Gives the angle (degrees) and the relative permeability their defaults "90" and "1" when
// empty, works out the permeability once (mu, from the relative permeability), then fills
// empty boxes target by target. A rule that faults leaves its target empty and its block
// ends; the pass goes on.
Boxes Solve(Boxes boxes, Steps* steps = nullptr);

// The rule table that Solve runs, for tools and tests that go through its rules.
const Pass& Rules();

// The form `mag`, declared in electro_magnetism_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::electro_magnetism
