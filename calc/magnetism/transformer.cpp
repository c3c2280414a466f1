// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transformer.h"

namespace ampora::transformer {
namespace {

const Pass kPass = {
    kBoxes.rows,
    {
        {Np, {[](X x) { return (x[Vp] * x[Ns]) / x[Vs]; }}},
        {Ns, {[](X x) { return (x[Np] * x[Vs]) / x[Vp]; }}},
        {Vp, {[](X x) { return (x[Vs] * x[Np]) / x[Ns]; }}},
        {Vs, {[](X x) { return (x[Ns] / x[Np]) * x[Vp]; }}},
        // Last, so that a voltage written above in the same press feeds it.
        {E, {[](X x) { return x[Vs] / x[Vp]; }}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

}  // namespace ampora::transformer
