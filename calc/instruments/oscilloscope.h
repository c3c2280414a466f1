// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

#include <optional>
#include <string>

// Oscilloscope readings. Two independent panels: the d.c. voltage from the vertical
// selectivity and deflection, and the time period, frequency and wavelength from the
// horizontal selectivity and deflection.
namespace ampora::oscilloscope {

// The d.c. voltage panel: voltage = selectivity x deflection.
enum VoltageBox { Vs, Vd, V, kVoltageBoxCount };
// The form's box of each, and the quantity it holds, in this order.
inline constexpr auto kVoltageBoxes =
    DeclareBoxes<kVoltageBoxCount>({{Vs, "vs", "Vertical Selectivity", units::kVoltPerDivision},
                                    {Vd, "vd", "Vertical Deflection"},
                                    {V, "v", "D.C Voltage", units::kVolt}});

// The frequency panel: period = selectivity x deflection, frequency = 1 / period,
// wavelength = propagation speed x period.
enum FrequencyBox { Hs, Hd, T, F, W, kFrequencyBoxCount };
// The form's box of each, and the quantity it holds, in this order.
// clang-format off
inline constexpr auto kFrequencyBoxes = DeclareBoxes<kFrequencyBoxCount>({
    {Hs, "hs", "Horizontal Selectivity", units::kSecondPerDivision}, {Hd, "hd", "Horizontal Deflection"}, {T, "t", "Time Period", units::kSecond},
    {F, "f", "Frequency", units::kHertz}, {W, "w", "Wave Length", units::kMetre}});
// clang-format on

// The voltage panel works out exactly one empty box from the other two. Any other
// pattern of empty boxes changes nothing and asks the user, with `message`, to leave one
// box blank; a box that cannot be read or a zero divisor changes nothing, silently.
struct VoltageOutcome {
    Boxes boxes;
    std::optional<std::string> message;
};
VoltageOutcome SolveVoltage(Boxes boxes, Steps* steps = nullptr);

inline constexpr const char* kLeaveOneBlank = "Leave one field blank!";

// The frequency panel's pass, run under resume-next: the period, frequency, horizontal
// deflection, horizontal selectivity and wavelength, in that order; a value written early
// in the pass feeds the later blocks.
const Pass& FrequencyRules();

// The form `oscil`, declared in oscilloscope_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::oscilloscope
