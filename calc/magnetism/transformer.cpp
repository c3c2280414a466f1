// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transformer.h"

namespace ampora::transformer {
namespace {

const Pass kPass = {
    {"Turns of Primary", "Turns of Secondary", "Voltage Input", "Voltage Output", "Efficiency"},
    {
        {Np, {{{Vp, Ns, Vs}, [](const Values& x) { return (x[Vp] * x[Ns]) / x[Vs]; }}}},
        {Ns, {{{Vp, Np, Vs}, [](const Values& x) { return (x[Np] * x[Vs]) / x[Vp]; }}}},
        {Vp, {{{Vs, Ns, Np}, [](const Values& x) { return (x[Vs] * x[Np]) / x[Ns]; }}}},
        {Vs, {{{Vp, Ns, Np}, [](const Values& x) { return (x[Ns] / x[Np]) * x[Vp]; }}}},
        // Last, so that a voltage written above in the same press feeds it.
        {E, {{{Vp, Vs}, [](const Values& x) { return x[Vs] / x[Vp]; }}}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

Boxes Solve(Boxes boxes) {
    RunPass(kPass, boxes, Trapping::ResumeNext);
    return boxes;
}

}  // namespace ampora::transformer
