// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/core/solve_pass.h"

#include <array>
#include <string>

// Resistor colour coding: four colour bands give the nominal resistance and the least and
// greatest value its tolerance allows.
namespace ampora::colour_code {

// The lists, as their texts: a digit entry ("4 - Yellow") or a tolerance entry
// ("Gold 5%"), or "" when nothing is chosen. Only the first character of each counts.
enum Band { Unit, Tens, Pten, Toller, kBands };
using Bands = std::array<std::string, kBands>;

// The result boxes.
enum Box { Ans, Minv, Maxv, kBoxes };

// What the user sees for each band, to say which one is missing a colour.
inline constexpr const char* kBandNames[kBands] = {"First Colour", "Second Colour", "Third Colour",
                                                   "Last Colour"};

// Works out the nominal value into `ans`, then the minimum and maximum from it. The first
// fault (a needed band with no colour chosen) ends the calculation; `boxes` are then
// returned as they were, with the fault naming the band to pick.
Outcome Solve(const Bands& bands, Boxes boxes);

}  // namespace ampora::colour_code
