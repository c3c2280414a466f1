// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "right_triangle.h"

#include "core/conversions.h"

namespace ampora::right_triangle {
namespace {

// A side squared and rounded to 15 significant digits, as its text would show it.
Num Sq(Num side) { return LeadingNumber(NumberToText((side * side).value())); }

const Pass kPass = {
    {"Base", "Perpendicular", "Hypotenuse", "Angle A", "Angle C"},
    {
        {A, {{{C}, [](const Values& x) { return 90 - x[C]; }}}},
        {C, {{{A}, [](const Values& x) { return 90 - x[A]; }}}},
        {H, {{{P, B}, [](const Values& x) { return Sqrt(Sq(x[P]) + Sq(x[B])); }}}},
        {P, {{{H, B}, [](const Values& x) { return Sqrt(Sq(x[H]) - Sq(x[B])); }}}},
        {B, {{{H, P}, [](const Values& x) { return Sqrt(Sq(x[H]) - Sq(x[P])); }}}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

Boxes Solve(Boxes boxes) {
    RunPass(kPass, boxes, Trapping::ResumeNext);
    return boxes;
}

}  // namespace ampora::right_triangle
