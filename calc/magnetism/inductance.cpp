// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inductance.h"

namespace ampora::inductance {
namespace {

const Pass kEnergy = {
    kBoxes.rows,
    {
        {E, {[](X x) { return x[I] * (x[I] * (x[Ans] * (Term(1) / 2))); }}},
    },
};

}  // namespace

const Pass& Rules() { return kEnergy; }

Boxes Solve(Boxes boxes, const component_list::List& list, component_list::Option selected, Steps* steps) {
    component_list::Combine(list, selected, component_list::Option::Series, boxes[D], boxes[Ans], steps);
    RunPass(kEnergy, boxes, Trapping::ResumeNext, steps);
    return boxes;
}

}  // namespace ampora::inductance
