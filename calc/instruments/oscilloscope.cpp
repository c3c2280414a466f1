// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "oscilloscope.h"

#include "core/conversions.h"

namespace ampora::oscilloscope {
namespace {

enum ConstantIndex { kSpeed };

const Pass kFrequencyPass = {
    {"Horizontal Selectivity", "Horizontal Deflection", "Time Period", "Frequency", "Wave Length"},
    {
        {T,
         {{{Hd, Hs}, [](const Values& x) { return x[Hs] * x[Hd]; }},
          {{F}, [](const Values& x) { return 1 / x[F]; }},
          {{W}, [](const Values& x) { return x[W] / x.constant(kSpeed); }}}},
        {F,
         {{{Hd, Hs}, [](const Values& x) { return 1 / (x[Hs] * x[Hd]); }},
          {{T}, [](const Values& x) { return 1 / x[T]; }},
          {{W}, [](const Values& x) { return x.constant(kSpeed) / x[W]; }}}},
        {Hd,
         {{{T, Hs}, [](const Values& x) { return x[T] / x[Hs]; }},
          {{F, Hs}, [](const Values& x) { return 1 / (x[Hs] * x[F]); }}}},
        {Hs,
         {{{T, Hd}, [](const Values& x) { return x[T] / x[Hd]; }},
          {{F, Hd}, [](const Values& x) { return 1 / (x[Hd] * x[F]); }}}},
        // The period comes before the frequency, so with both given the period decides.
        {W,
         {{{T}, [](const Values& x) { return x[T] * x.constant(kSpeed); }},
          {{F}, [](const Values& x) { return x.constant(kSpeed) / x[F]; }}}},
    },
};

}  // namespace

const Pass& FrequencyRules() { return kFrequencyPass; }

VoltageOutcome SolveVoltage(Boxes boxes) {
    const auto read = [&boxes](int box) { return Num(TextToNumber(boxes[static_cast<std::size_t>(box)])); };
    const auto put = [&boxes](int box, Num value) {
        boxes[static_cast<std::size_t>(box)] = NumberToText(value.value());
    };
    const bool vs = !IsEmpty(boxes[Vs]), vd = !IsEmpty(boxes[Vd]), v = !IsEmpty(boxes[V]);

    if (!v && vs && vd)
        ResumeNext([&] { put(V, read(Vs) * read(Vd)); });
    else if (v && !vs && vd)
        ResumeNext([&] { put(Vs, read(V) / read(Vd)); });
    else if (v && vs && !vd)
        ResumeNext([&] { put(Vd, read(V) / read(Vs)); });
    else
        return {std::move(boxes), kLeaveOneBlank};
    return {std::move(boxes), std::nullopt};
}

Boxes SolveFrequency(Boxes boxes) {
    // The propagation speed, 3 x 10^8 metres per second.
    const Num c = Pow(10, 8) * 3;
    RunPass(kFrequencyPass, boxes, Trapping::ResumeNext, {c.value()});
    return boxes;
}

}  // namespace ampora::oscilloscope
