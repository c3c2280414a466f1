// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/box_table.h"
#include "core/solve_pass.h"

// Alternating current: the average (of the rectified wave), peak, peak-to-peak and r.m.s.
// values of a sine wave, converted with fixed four-figure factors.
namespace ampora::alternating_current {

enum Box { Avg, Peak, P2p, Rms, kBoxCount };
// The form's box of each, and the quantity it holds, in this order.
inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({{Avg, "avg", "Average value", units::kNumber},
                                                        {Peak, "peak", "Peak value", units::kNumber},
                                                        {P2p, "p2p", "Peak-to-peak value", units::kNumber},
                                                        {Rms, "rms", "rms value", units::kNumber}});

// The pass its "Calculate" runs, under resume-next.
// Fills each empty box from the first filled one of the others, in box order, and never
// touches a filled box. The average comes first, so the later boxes follow from it.
const Pass& Rules();

// The form `ac`, declared in alternating_current_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::alternating_current
