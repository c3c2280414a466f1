// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "basic_electricity.h"

namespace ampora::basic_electricity {
namespace {

// Each block tries its rules in order; a rule fires when all its operand boxes are
// filled. The grouping of every formula is part of the result: it decides the last digit.
const Pass kPass = {
    kBoxes.rows,
    {
        {P,
         {{{V, I}, [](X x) { return x[I] * x[V]; }},
          {{R, I}, [](X x) { return x[R] * (x[I] * x[I]); }},
          {{R, V}, [](X x) { return (x[V] * x[V]) / x[R]; }},
          {{T, W}, [](X x) { return x[W] / x[T]; }},
          {{T, Q, V}, [](X x) { return (x[V] * x[Q]) / x[T]; }}}},
        {V,
         {{{R, I}, [](X x) { return x[I] * x[R]; }},
          {{I, P}, [](X x) { return x[P] / x[I]; }},
          {{R, P}, [](X x) { return Sqrt(x[P] * x[R]); }},
          {{Q, W}, [](X x) { return x[W] / x[Q]; }},
          {{Q, T, P}, [](X x) { return (x[P] * x[T]) / x[Q]; }},
          {{T, I, W}, [](X x) { return x[W] / (x[I] * x[T]); }}}},
        {I,
         {{{V, P}, [](X x) { return x[P] / x[V]; }},
          {{R, P}, [](X x) { return Sqrt(x[P] / x[R]); }},
          {{R, V}, [](X x) { return x[V] / x[R]; }},
          {{T, Q}, [](X x) { return x[Q] / x[T]; }},
          {{T, V, W}, [](X x) { return x[W] / (x[V] * x[T]); }},
          {{Q, R, W}, [](X x) { return x[W] / (x[R] * x[Q]); }},
          {{T, R, W}, [](X x) { return Sqrt(x[W] / (x[T] * x[R])); }}}},
        {R,
         {{{I, P}, [](X x) { return x[P] / (x[I] * x[I]); }},
          {{I, V}, [](X x) { return x[V] / x[I]; }},
          {{P, V}, [](X x) { return (x[V] * x[V]) / x[P]; }},
          {{Q, I, W}, [](X x) { return x[W] / (x[I] * x[Q]); }},
          {{T, I, W}, [](X x) { return x[W] / (x[T] * (x[I] * x[I])); }}}},
        {Q,
         {{{T, I}, [](X x) { return x[I] * x[T]; }},
          {{V, W}, [](X x) { return x[W] / x[V]; }},
          {{V, T, P}, [](X x) { return (x[P] * x[T]) / x[V]; }},
          {{R, I, T, P}, [](X x) { return (x[P] * x[T]) / (x[I] * x[R]); }},
          {{R, I, W}, [](X x) { return x[W] / (x[I] * x[R]); }},
          {{R, T, V}, [](X x) { return (x[V] * x[T]) / x[R]; }},
          {{V, T, R, I}, [](X x) { return (x[T] * (x[R] * (x[I] * x[I]))) / x[V]; }}}},
        {W,
         {{{T, P}, [](X x) { return x[P] * x[T]; }},
          {{Q, V}, [](X x) { return x[V] * x[Q]; }},
          {{T, I, V}, [](X x) { return x[T] * (x[V] * x[I]); }},
          {{Q, R, I}, [](X x) { return x[Q] * (x[I] * x[R]); }},
          {{T, R, I}, [](X x) { return x[T] * (x[R] * (x[I] * x[I])); }}}},
        {T,
         {{{P, W}, [](X x) { return x[W] / x[P]; }},
          {{I, Q}, [](X x) { return x[Q] / x[I]; }},
          {{P, Q, V}, [](X x) { return (x[V] * x[Q]) / x[P]; }},
          {{V, I, W}, [](X x) { return x[W] / (x[I] * x[V]); }},
          {{R, I, W}, [](X x) { return x[W] / (x[R] * (x[I] * x[I])); }},
          {{P, R, I, Q}, [](X x) { return (x[R] * (x[Q] * x[I])) / x[P]; }},
          {{V, R, Q}, [](X x) { return (x[Q] * x[R]) / x[V]; }}}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

Outcome Solve(Boxes boxes, Steps* steps) {
    std::optional<Fault> fault = RunPass(kPass, boxes, Trapping::Untrapped, steps);
    return {std::move(boxes), std::move(fault)};
}

}  // namespace ampora::basic_electricity
