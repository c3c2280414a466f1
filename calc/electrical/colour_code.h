// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_names.h"
#include "core/solve_pass.h"

#include <array>
#include <string>

// Resistor colour coding: four colour bands give the nominal resistance and the least and
// greatest value its tolerance allows.
namespace ampora::colour_code {

// The lists, as their texts: a digit entry ("4 - Yellow") or a tolerance entry
// ("Gold 5%"), or "" when nothing is chosen. Only the first character of each counts.
enum Band { Unit, Tens, Pten, Toller, kBands };
// The form's list of each, in this order.
inline constexpr auto kBandLists =
    NameBoxes<kBands>({{Unit, "unit"}, {Tens, "tens"}, {Pten, "pten"}, {Toller, "toller"}});
using Bands = std::array<std::string, kBands>;

// The result boxes.
enum Box { Ans, Minv, Maxv, kBoxes };
// The form's box of each, in this order.
inline constexpr auto kBoxNames = NameBoxes<kBoxes>({{Ans, "ans"}, {Minv, "minv"}, {Maxv, "maxv"}});

// What the user sees for each band, to say which one is missing a colour.
inline constexpr const char* kBandNames[kBands] = {"First Colour", "Second Colour", "Third Colour",
                                                   "Last Colour"};

// Works out the nominal value into `ans`, then the minimum and maximum from it. The first
// fault (a needed band with no colour chosen) ends the calculation; `boxes` are then
// returned as they were, with the fault naming the band to pick.
Outcome Solve(const Bands& bands, Boxes boxes);

// The form `rcc`, declared in colour_code_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::colour_code
