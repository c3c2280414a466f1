// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ammeter.h"

namespace ampora::ammeter {
namespace {

// The two resistances are added leniently ("90 ohms" counts as 90) where they form the
// branch sum; everywhere else each box is read strictly.
Term Resistances(X x) { return x.leading(Rg) + x.leading(Rs); }

const Pass kPass = {
    kBoxes.rows,
    {
        {Rs, {[](X x) { return (x[Ig] * x[Rg]) / (x[I] - x[Ig]); }}},
        {Ig, {[](X x) { return (x[I] * x[Rs]) / Resistances(x); }}},
        {Rg, {[](X x) { return ((x[I] - x[Ig]) * x[Rs]) / x[Ig]; }}},
        {I, {[](X x) { return (x[Ig] * Resistances(x)) / x[Rs]; }}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

}  // namespace ampora::ammeter
