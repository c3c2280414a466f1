// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circle.h"

namespace ampora::circle {
namespace {

enum ConstantIndex { kPi };

const Pass kPass = {
    {"Radius", "Area", "Perimeter"},
    {
        {A, {{{R}, [](const Values& x) { return (x[R] * x.constant(kPi)) * x[R]; }}}},
        {P, {{{R}, [](const Values& x) { return x[R] * (2 * x.constant(kPi)); }}}},
        {R,
         {{{A}, [](const Values& x) { return Sqrt(x[A] / x.constant(kPi)); }},
          {{P}, [](const Values& x) { return x[P] / (2 * x.constant(kPi)); }}}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

Boxes Solve(Boxes boxes) {
    // Worked out afresh on every press, as the plain double quotient.
    const std::vector<Constant> constants = {(Num(22) / 7).value()};
    RunPass(kPass, boxes, Trapping::ResumeNext, constants);
    return boxes;
}

}  // namespace ampora::circle
