// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "capacitance.h"

namespace ampora::capacitance {
namespace {

// Separate tests in this order, so a voltage found from the charge feeds the energy.
const Pass kRelations = {
    kBoxes.rows,
    {
        {V, {[](X x) { return x[Qc] / x[Ans]; }}},
        {Qc, {[](X x) { return x[V] * x[Ans]; }}},
        {Ans, {[](X x) { return x[Qc] / x[V]; }}},
        {E, {[](X x) { return x[V] * (x[V] * (x[Ans] * (Term(1) / 2))); }}},
    },
};

}  // namespace

const Pass& Rules() { return kRelations; }

Boxes Solve(Boxes boxes, const component_list::List& list, component_list::Option selected, Steps* steps) {
    component_list::Combine(list, selected, component_list::Option::Parallel, boxes[D], boxes[Ans], steps);
    RunPass(kRelations, boxes, Trapping::ResumeNext, steps);
    return boxes;
}

}  // namespace ampora::capacitance
