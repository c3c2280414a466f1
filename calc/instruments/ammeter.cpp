// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ammeter.h"

namespace ampora::ammeter {
namespace {

// The two resistances are added leniently ("90 ohms" counts as 90) where they form the
// branch sum; everywhere else each box is read strictly.
Num Resistances(const Values& x) { return x.leading(Rg) + x.leading(Rs); }

const Pass kPass = {
    {"Total Current", "Galvanometer Current", "Galvanometer Resistance", "Shunt Resistance"},
    {
        {Rs, {{{Ig, I, Rg}, [](const Values& x) { return (x[Ig] * x[Rg]) / (x[I] - x[Ig]); }}}},
        {Ig, {{{Rs, I, Rg}, [](const Values& x) { return (x[I] * x[Rs]) / Resistances(x); }}}},
        {Rg, {{{Rs, I, Ig}, [](const Values& x) { return ((x[I] - x[Ig]) * x[Rs]) / x[Ig]; }}}},
        {I, {{{Ig, Rg, Rs}, [](const Values& x) { return (x[Ig] * Resistances(x)) / x[Rs]; }}}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

Boxes Solve(Boxes boxes) {
    RunPass(kPass, boxes, Trapping::ResumeNext);
    return boxes;
}

}  // namespace ampora::ammeter
