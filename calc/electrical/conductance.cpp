// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conductance.h"

namespace ampora::conductance {
namespace {

const Pass kPass = {
    {"Resistance", "Conductance"},
    {
        {R, {{{C}, [](const Values& x) { return 1 / x[C]; }}}},
        {C, {{{R}, [](const Values& x) { return 1 / x[R]; }}}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

Boxes Solve(Boxes boxes) {
    RunPass(kPass, boxes, Trapping::ResumeNext);
    return boxes;
}

}  // namespace ampora::conductance
