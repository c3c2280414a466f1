// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resistance.h"

namespace ampora::resistance {
namespace {

// Three separate tests, in this order: a voltage found first leaves the others filled.
const Pass kOhmsLaw = {
    kBoxes.rows,
    {
        {V, {[](X x) { return x[Ans] * x[Qc]; }}},
        {Qc, {[](X x) { return x[V] / x[Ans]; }}},
        {Ans, {[](X x) { return x[V] / x[Qc]; }}},
    },
};

}  // namespace

const Pass& Rules() { return kOhmsLaw; }

Boxes Solve(Boxes boxes, const component_list::List& list, component_list::Option selected, Steps* steps) {
    component_list::Combine(list, selected, component_list::Option::Series, boxes[D], boxes[Ans], steps);
    RunPass(kOhmsLaw, boxes, Trapping::ResumeNext, steps);
    return boxes;
}

}  // namespace ampora::resistance
