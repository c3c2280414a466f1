// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_names.h"
#include "core/solve_pass.h"

#include <optional>
#include <string>

// Oscilloscope readings. Two independent panels: the d.c. voltage from the vertical
// selectivity and deflection, and the time period, frequency and wavelength from the
// horizontal selectivity and deflection.
namespace ampora::oscilloscope {

// The d.c. voltage panel: voltage = selectivity x deflection.
enum VoltageBox { Vs, Vd, V, kVoltageBoxes };
// The form's box of each, in this order.
inline constexpr auto kVoltageBoxNames = NameBoxes<kVoltageBoxes>({{Vs, "vs"}, {Vd, "vd"}, {V, "v"}});

// The frequency panel: period = selectivity x deflection, frequency = 1 / period,
// wavelength = propagation speed x period.
enum FrequencyBox { Hs, Hd, T, F, W, kFrequencyBoxes };
// The form's box of each, in this order.
inline constexpr auto kFrequencyBoxNames =
    NameBoxes<kFrequencyBoxes>({{Hs, "hs"}, {Hd, "hd"}, {T, "t"}, {F, "f"}, {W, "w"}});

// The voltage panel works out exactly one empty box from the other two. Any other
// pattern of empty boxes changes nothing and asks the user, with `message`, to leave one
// box blank; a box that cannot be read or a zero divisor changes nothing, silently.
struct VoltageOutcome {
    Boxes boxes;
    std::optional<std::string> message;
};
VoltageOutcome SolveVoltage(Boxes boxes);

inline constexpr const char* kLeaveOneBlank = "Leave one field blank!";

// One pass over the period, frequency, horizontal deflection, horizontal selectivity and
// wavelength, in that order; a value written early in the pass feeds the later blocks.
Boxes SolveFrequency(Boxes boxes);

// The rule table that SolveFrequency runs, for tools and tests that go through its rules.
const Pass& FrequencyRules();

// The form `oscil`, declared in oscilloscope_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::oscilloscope
