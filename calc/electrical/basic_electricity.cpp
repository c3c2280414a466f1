// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "basic_electricity.h"

namespace ampora::basic_electricity {
namespace {

// Each block tries its rules in order; a rule fires when every box its formula reads is
// filled. The grouping of every formula is part of the result: it decides the last digit.
const Pass kPass = {
    kBoxes.rows,
    {
        {P,
         {
             [](X x) { return x[I] * x[V]; },
             [](X x) { return x[R] * (x[I] * x[I]); },
             [](X x) { return (x[V] * x[V]) / x[R]; },
             [](X x) { return x[W] / x[T]; },
             [](X x) { return (x[V] * x[Q]) / x[T]; },
         }},
        {V,
         {
             [](X x) { return x[I] * x[R]; },
             [](X x) { return x[P] / x[I]; },
             [](X x) { return Sqrt(x[P] * x[R]); },
             [](X x) { return x[W] / x[Q]; },
             [](X x) { return (x[P] * x[T]) / x[Q]; },
             [](X x) { return x[W] / (x[I] * x[T]); },
         }},
        {I,
         {
             [](X x) { return x[P] / x[V]; },
             [](X x) { return Sqrt(x[P] / x[R]); },
             [](X x) { return x[V] / x[R]; },
             [](X x) { return x[Q] / x[T]; },
             [](X x) { return x[W] / (x[V] * x[T]); },
             [](X x) { return x[W] / (x[R] * x[Q]); },
             [](X x) { return Sqrt(x[W] / (x[T] * x[R])); },
         }},
        {R,
         {
             [](X x) { return x[P] / (x[I] * x[I]); },
             [](X x) { return x[V] / x[I]; },
             [](X x) { return (x[V] * x[V]) / x[P]; },
             [](X x) { return x[W] / (x[I] * x[Q]); },
             [](X x) { return x[W] / (x[T] * (x[I] * x[I])); },
         }},
        {Q,
         {
             [](X x) { return x[I] * x[T]; },
             [](X x) { return x[W] / x[V]; },
             [](X x) { return (x[P] * x[T]) / x[V]; },
             PreEmpted("charge from current and time comes first",
                       [](X x) { return (x[P] * x[T]) / (x[I] * x[R]); }),
             [](X x) { return x[W] / (x[I] * x[R]); },
             [](X x) { return (x[V] * x[T]) / x[R]; },
             PreEmpted("charge from current and time comes first",
                       [](X x) { return (x[T] * (x[R] * (x[I] * x[I]))) / x[V]; }),
         }},
        {W,
         {
             [](X x) { return x[P] * x[T]; },
             [](X x) { return x[V] * x[Q]; },
             [](X x) { return x[T] * (x[V] * x[I]); },
             [](X x) { return x[Q] * (x[I] * x[R]); },
             [](X x) { return x[T] * (x[R] * (x[I] * x[I])); },
         }},
        {T,
         {
             [](X x) { return x[W] / x[P]; },
             [](X x) { return x[Q] / x[I]; },
             [](X x) { return (x[V] * x[Q]) / x[P]; },
             [](X x) { return x[W] / (x[I] * x[V]); },
             [](X x) { return x[W] / (x[R] * (x[I] * x[I])); },
             PreEmpted("time from current and charge comes first",
                       [](X x) { return (x[R] * (x[Q] * x[I])) / x[P]; }),
             [](X x) { return (x[Q] * x[R]) / x[V]; },
         }},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

Outcome Solve(Boxes boxes, Steps* steps) {
    std::optional<Fault> fault = RunPass(kPass, boxes, Trapping::Untrapped, steps);
    return {std::move(boxes), std::move(fault)};
}

}  // namespace ampora::basic_electricity
