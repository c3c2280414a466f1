// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

#include <array>
#include <string>

// Resistor colour coding: four colour bands give the nominal resistance and the least and
// greatest value its tolerance allows.
namespace ampora::colour_code {

// The lists, as their texts: a digit entry ("4 - Yellow") or a tolerance entry
// ("Gold 5%"), or "" when nothing is chosen. Only the first character of each counts.
enum Band { Unit, Tens, Pten, Toller, kBandCount };
// The form's list of each, and what the user sees it as (to say which one is missing a
// colour), in this order.
// clang-format off
inline constexpr auto kBands = DeclareBoxes<kBandCount>({
    {Unit, "unit", "First Colour"}, {Tens, "tens", "Second Colour"}, {Pten, "pten", "Third Colour"},
    {Toller, "toller", "Last Colour"}});
// clang-format on
using Bands = std::array<std::string, kBandCount>;

// The result boxes.
enum Box { Ans, Minv, Maxv, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({{Ans, "ans", "Nominal Value", units::kOhm},
                                                        {Minv, "minv", "Minimum Value", units::kOhm},
                                                        {Maxv, "maxv", "Maximum Value", units::kOhm}});

// Works out the nominal value into `ans`, then the minimum and maximum from it. The first
// fault (a needed band with no colour chosen) ends the calculation; `boxes` are then
// returned as they were, with the fault naming the band to pick.
Outcome Solve(const Bands& bands, Boxes boxes, Steps* steps = nullptr);

// The form `rcc`, declared in colour_code_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::colour_code
