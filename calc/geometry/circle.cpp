// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circle.h"

namespace ampora::circle {
namespace {

enum ConstantIndex { kPi };

const Pass kPass = {
    kBoxes.rows,
    {
        {A, {[](X x) { return (x[R] * x.constant(kPi)) * x[R]; }}},
        {P, {[](X x) { return x[R] * (2 * x.constant(kPi)); }}},
        {R,
         {
             [](X x) { return Sqrt(x[A] / x.constant(kPi)); },
             [](X x) { return x[P] / (2 * x.constant(kPi)); },
         }},
    },
    // Pi as 22/7, worked out afresh on every press as the plain double quotient.
    {{"pi", [](X) { return Term(22) / 7; }}},
};

}  // namespace

const Pass& Rules() { return kPass; }

}  // namespace ampora::circle
