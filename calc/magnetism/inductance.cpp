// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inductance.h"

namespace ampora::inductance {
namespace {

const Pass kEnergy = {
    {"Current", "Inductance", "Energy", "Reciprocal sum"},
    {
        {E, {{{I, Ans}, [](const Values& x) { return x[I] * (x[I] * (x[Ans] * (Num(1) / 2))); }}}},
    },
};

}  // namespace

const Pass& Rules() { return kEnergy; }

Boxes Solve(Boxes boxes, const component_list::List& list, component_list::Option selected) {
    component_list::Combine(list, selected, component_list::Option::Series, boxes[D], boxes[Ans]);
    RunPass(kEnergy, boxes, Trapping::ResumeNext);
    return boxes;
}

}  // namespace ampora::inductance
