// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "alternating_current.h"

namespace ampora::alternating_current {
namespace {

// The factors are the rounded figures users know from their tables, kept as written
// rather than worked out from pi and the square root of two: results must match those
// tables digit for digit. Each rule names one source box, so a block tries only the
// first filled source; if that one cannot be read, the target stays empty.
const Pass kPass = {
    kBoxes.rows,
    {
        {Avg,
         {
             [](X x) { return x[Peak] * 0.637; },
             [](X x) { return x[P2p] * 0.318; },
             [](X x) { return x[Rms] * 0.899; },
         }},
        {Peak,
         {
             [](X x) { return x[Avg] * 1.571; },
             [](X x) { return x[P2p] * 0.5; },
             [](X x) { return x[Rms] * 1.414; },
         }},
        {P2p,
         {
             [](X x) { return x[Avg] * 3.144; },
             [](X x) { return x[Peak] * 2; },
             [](X x) { return x[Rms] * 2.828; },
         }},
        {Rms,
         {
             [](X x) { return x[Avg] * 1.111; },
             [](X x) { return x[Peak] * 0.707; },
             [](X x) { return x[P2p] * 0.3535; },
         }},  // half of 0.707
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

}  // namespace ampora::alternating_current
