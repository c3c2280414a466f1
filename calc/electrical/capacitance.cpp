// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "capacitance.h"

namespace ampora::capacitance {
namespace {

// Separate tests in this order, so a voltage found from the charge feeds the energy.
const Pass kRelations = {
    {"Voltage", "Charge", "Capacitance", "Energy", "Reciprocal sum"},
    {
        {V, {{{Qc, Ans}, [](const Values& x) { return x[Qc] / x[Ans]; }}}},
        {Qc, {{{V, Ans}, [](const Values& x) { return x[V] * x[Ans]; }}}},
        {Ans, {{{V, Qc}, [](const Values& x) { return x[Qc] / x[V]; }}}},
        {E, {{{Ans, V}, [](const Values& x) { return x[V] * (x[V] * (x[Ans] * (Num(1) / 2))); }}}},
    },
};

}  // namespace

const Pass& Rules() { return kRelations; }

Boxes Solve(Boxes boxes, const component_list::List& list, component_list::Option selected) {
    component_list::Combine(list, selected, component_list::Option::Parallel, boxes[D], boxes[Ans]);
    RunPass(kRelations, boxes, Trapping::ResumeNext);
    return boxes;
}

}  // namespace ampora::capacitance
