// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conductance.h"

namespace ampora::conductance {
namespace {

const Pass kPass = {
    kBoxes.rows,
    {
        {R, {[](X x) { return 1 / x[C]; }}},
        {C, {[](X x) { return 1 / x[R]; }}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

}  // namespace ampora::conductance
