// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "oscilloscope.h"

#include "core/conversions.h"

namespace ampora::oscilloscope {
namespace {

enum ConstantIndex { kSpeed };

const Pass kFrequencyPass = {
    kFrequencyBoxes.rows,
    {
        {T,
         {
             [](X x) { return x[Hs] * x[Hd]; },
             [](X x) { return 1 / x[F]; },
             [](X x) { return x[W] / x.constant(kSpeed); },
         }},
        {F,
         {
             [](X x) { return 1 / (x[Hs] * x[Hd]); },
             [](X x) { return 1 / x[T]; },
             [](X x) { return x.constant(kSpeed) / x[W]; },
         }},
        {Hd,
         {
             [](X x) { return x[T] / x[Hs]; },
             [](X x) { return 1 / (x[Hs] * x[F]); },
         }},
        {Hs,
         {
             [](X x) { return x[T] / x[Hd]; },
             [](X x) { return 1 / (x[Hd] * x[F]); },
         }},
        // The period comes before the frequency, so with both given the period decides.
        {W,
         {
             [](X x) { return x[T] * x.constant(kSpeed); },
             [](X x) { return x.constant(kSpeed) / x[F]; },
         }},
    },
    // The propagation speed, 3 x 10^8 metres per second.
    {{"c", [](X) { return Pow(Term(10), 8) * 3; }}},
};

// The voltage panel's three ways to its one empty box.
const Relation kVoltage([](X x) { return x[Vs] * x[Vd]; });
const Relation kSelectivity([](X x) { return x[V] / x[Vd]; });
const Relation kDeflection([](X x) { return x[V] / x[Vs]; });

}  // namespace

const Pass& FrequencyRules() { return kFrequencyPass; }

VoltageOutcome SolveVoltage(Boxes boxes, Steps* steps) {
    std::vector<Operand> operands;
    for (const BoxRow& row : kVoltageBoxes.rows)
        operands.push_back({row.name, row.quantity, &boxes[row.box]});
    const auto put = [&](VoltageBox box, const Relation& relation) {
        ResumeNext([&] { boxes[box] = Work(kVoltageBoxes.rows[box].name, relation, {operands}, steps); });
    };
    const bool vs = !IsEmpty(boxes[Vs]), vd = !IsEmpty(boxes[Vd]), v = !IsEmpty(boxes[V]);

    if (!v && vs && vd)
        put(V, kVoltage);
    else if (v && !vs && vd)
        put(Vs, kSelectivity);
    else if (v && vs && !vd)
        put(Vd, kDeflection);
    else
        return {std::move(boxes), kLeaveOneBlank};
    return {std::move(boxes), std::nullopt};
}

}  // namespace ampora::oscilloscope
