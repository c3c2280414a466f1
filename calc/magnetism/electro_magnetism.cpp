// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "electro_magnetism.h"

#include "core/conversions.h"

namespace ampora::electro_magnetism {
namespace {

enum ConstantIndex { kMu };

// The permeability of this press.
Term Mu(X x) { return x.constant(kMu); }
// The angle box holds degrees.
Term SinAngle(X x) { return SinDegrees(x[Ang]); }

// Each block tries its rules in order; a rule fires when all its operand boxes are
// filled. The grouping of every formula is part of the result: it decides the last digit.
const Pass kPass = {
    kBoxes.rows,
    {
        {S,
         {{{Mmf, Flux}, [](X x) { return x[Mmf] / x[Flux]; }},
          {{L, A}, [](X x) { return x[L] / (x[A] * Mu(x)); }}}},
        {Mmf,
         {{{H, L}, [](X x) { return x[L] * x[H]; }},
          {{N, I}, [](X x) { return x[I] * x[N]; }},
          {{B, A}, [](X x) { return (x[A] * x[B]) / Mu(x); }},
          {{Flux}, [](X x) { return x[Flux] / Mu(x); }}}},
        {H,
         {{{Mmf, L}, [](X x) { return x[Mmf] / x[L]; }},
          {{N, I, L}, [](X x) { return (x[I] * x[N]) / x[L]; }},
          {{Flux, A}, [](X x) { return x[Flux] / (x[A] * Mu(x)); }}}},
        {B,
         {{{Flux, A}, [](X x) { return x[Flux] / x[A]; }},
          {{N, I, A}, [](X x) { return (x[I] * (x[N] * Mu(x))) / x[A]; }},
          {{Mmf, A}, [](X x) { return (x[Mmf] * Mu(x)) / x[A]; }}}},
        {Ind,
         {{{Flux, N, I}, [](X x) { return (x[Flux] * x[N]) / x[I]; }},
          {{N, B, A, I}, [](X x) { return (x[A] * (x[B] * x[N])) / x[I]; }}}},
        {N,
         {{{H, L, I}, [](X x) { return (x[L] * x[H]) / x[I]; }},
          {{Mmf, I}, [](X x) { return x[Mmf] / x[I]; }},
          {{B, A, I}, [](X x) { return (x[A] * x[B]) / (x[I] * Mu(x)); }},
          {{Flux, I}, [](X x) { return x[Flux] / (x[I] * Mu(x)); }},
          {{Ind, I, Flux}, [](X x) { return (x[I] * x[Ind]) / x[Flux]; }},
          {{Ind, I, B, A}, [](X x) { return (x[I] * x[Ind]) / (x[A] * x[B]); }}}},
        {F,
         {{{B, I, L, Ang}, [](X x) { return (x[L] * (x[I] * x[B])) * SinAngle(x); }},
          {{Flux, A, I, L, Ang}, [](X x) { return ((x[L] * (x[I] * x[Flux])) * SinAngle(x)) / x[A]; }},
          {{Flux, A, H, L, N, Ang},
           [](X x) { return ((x[L] * (x[L] * (x[H] * x[Flux]))) * SinAngle(x)) / (x[N] * x[A]); }},
          {{B, H, L, Ang, N}, [](X x) { return ((x[L] * (x[L] * (x[H] * x[B]))) * SinAngle(x)) / x[N]; }},
          {{B, I, N, H, Ang}, [](X x) { return ((x[N] * (x[I] * (x[I] * x[B]))) * SinAngle(x)) / x[H]; }},
          {{Flux, I, N, Ang, A, H},
           [](X x) { return ((x[N] * (x[I] * (x[I] * x[Flux]))) * SinAngle(x)) / (x[A] * x[H]); }},
          {{B, I, Mmf, H, Ang}, [](X x) { return ((x[Mmf] * (x[I] * x[B])) * SinAngle(x)) / x[H]; }},
          {{Flux, I, Mmf, H, Ang, A},
           [](X x) { return ((x[Mmf] * (x[I] * x[Flux])) * SinAngle(x)) / (x[H] * x[A]); }}}},
        {E,
         {{{B, L, V, Ang}, [](X x) { return (x[V] * (x[L] * x[B])) * SinAngle(x); }},
          {{Flux, T}, [](X x) { return x[Flux] / x[T]; }}}},
        {T, {{{E, Flux}, [](X x) { return x[Flux] / x[E]; }}}},
        {Flux,
         {{{Mmf, S}, [](X x) { return x[Mmf] / x[S]; }},
          {{A, H}, [](X x) { return x[H] * (x[A] * Mu(x)); }},
          {{A, B}, [](X x) { return x[B] * x[A]; }},
          {{Ind, I, N}, [](X x) { return (x[I] * x[Ind]) / x[N]; }},
          {{Mmf}, [](X x) { return x[Mmf] * Mu(x); }},
          {{N, I}, [](X x) { return x[I] * (x[N] * Mu(x)); }},
          {{F, A, I, L, Ang}, [](X x) { return (x[A] * x[F]) / ((x[L] * x[I]) * SinAngle(x)); }},
          {{F, A, N, L, Ang, H},
           [](X x) { return (x[N] * (x[A] * x[F])) / ((x[L] * (x[L] * x[H])) * SinAngle(x)); }},
          {{F, A, H, I, N, Ang},
           [](X x) { return (x[H] * (x[A] * x[F])) / ((x[N] * (x[I] * x[I])) * SinAngle(x)); }},
          {{F, A, H, I, Mmf, Ang},
           [](X x) { return (x[H] * (x[A] * x[F])) / ((x[Mmf] * x[I]) * SinAngle(x)); }}}},
        {A,
         {{{L, S}, [](X x) { return x[L] / (x[S] * Mu(x)); }},
          {{Flux, H}, [](X x) { return x[Flux] / (x[H] * Mu(x)); }},
          {{Flux, B}, [](X x) { return x[Flux] / x[B]; }},
          {{N, I, B}, [](X x) { return (x[I] * (x[N] * Mu(x))) / x[B]; }},
          {{Mmf, B}, [](X x) { return (x[Mmf] * Mu(x)) / x[B]; }}}},
        {V,
         {{{E, B, L, Ang}, [](X x) { return x[E] / ((x[L] * x[B]) * SinAngle(x)); }},
          {{E, I, F}, [](X x) { return (x[E] * x[I]) / x[F]; }},
          {{E, A, Flux, L, Ang}, [](X x) { return (x[A] * x[E]) / ((x[L] * x[Flux]) * SinAngle(x)); }},
          {{E, H, L, Ang}, [](X x) { return x[E] / ((x[L] * (x[H] * Mu(x))) * SinAngle(x)); }},
          {{E, Mmf, Ang}, [](X x) { return x[E] / ((x[Mmf] * Mu(x)) * SinAngle(x)); }}}},
        {L,
         {{{S, A}, [](X x) { return x[A] * (x[S] * Mu(x)); }},
          {{Mmf, H}, [](X x) { return x[Mmf] / x[H]; }},
          {{N, I, H}, [](X x) { return (x[I] * x[N]) / x[H]; }},
          {{E, B, V, Ang}, [](X x) { return x[E] / ((x[V] * x[B]) * SinAngle(x)); }},
          {{F, B, I, Ang}, [](X x) { return x[F] / ((x[I] * x[B]) * SinAngle(x)); }},
          {{F, A, Flux, I, Ang}, [](X x) { return (x[A] * x[F]) / ((x[I] * x[Flux]) * SinAngle(x)); }},
          {{F, A, N, Flux, H, Ang},
           [](X x) { return Sqrt((x[N] * (x[A] * x[F])) / ((x[H] * x[Flux]) * SinAngle(x))); }},
          {{F, N, B, H, Ang}, [](X x) { return Sqrt((x[N] * x[F]) / ((x[H] * x[B]) * SinAngle(x))); }}}},
        {I,
         {{{H, L, N}, [](X x) { return (x[L] * x[H]) / x[N]; }},
          {{Mmf, N}, [](X x) { return x[Mmf] / x[N]; }},
          {{F, B, L, Ang}, [](X x) { return x[F] / ((x[L] * x[B]) * SinAngle(x)); }},
          {{B, A, N}, [](X x) { return (x[A] * x[B]) / (x[N] * Mu(x)); }},
          {{N, Flux, Ind}, [](X x) { return (x[Flux] * x[N]) / x[Ind]; }},
          {{Flux, N}, [](X x) { return x[Flux] / (x[N] * Mu(x)); }},
          {{F, A, Flux, L, Ang}, [](X x) { return (x[A] * x[F]) / ((x[L] * x[Flux]) * SinAngle(x)); }},
          {{F, H, B, N, Ang}, [](X x) { return Sqrt((x[H] * x[F]) / ((x[N] * x[B]) * SinAngle(x))); }},
          {{F, A, H, Flux, N, Ang},
           [](X x) { return Sqrt((x[H] * (x[A] * x[F])) / ((x[N] * x[Flux]) * SinAngle(x))); }},
          {{F, H, B, Mmf, Ang}, [](X x) { return (x[H] * x[F]) / ((x[Mmf] * x[B]) * SinAngle(x)); }},
          {{F, A, H, Flux, Mmf, Ang},
           [](X x) { return (x[H] * (x[A] * x[F])) / ((x[Mmf] * x[Flux]) * SinAngle(x)); }},
          {{F, V, E}, [](X x) { return (x[V] * x[F]) / x[E]; }}}},
    },
    // The permeability: that of free space, with 3.14 for pi, times the relative
    // permeability; a relative permeability that is not a number makes it unusable, so
    // that the rules that need it fail when they fire.
    {{"mu", [](X x) { return x[Rp] * (Pow(Term(10), -7) * (Term(4) * 3.14)); }}},
};

// The defaults of the angle and the relative permeability.
const Relation kRightAngle(Term(90));
const Relation kFreeSpace(Term(1));

}  // namespace

const Pass& Rules() { return kPass; }

Boxes Solve(Boxes boxes, Steps* steps) {
    const auto preset = [&](Box box, const Relation& value) {
        if (IsEmpty(boxes[box])) boxes[box] = Work(kBoxes.rows[box].name, value, {}, steps);
    };
    preset(Ang, kRightAngle);
    preset(Rp, kFreeSpace);
    RunPass(kPass, boxes, Trapping::ResumeNext, steps);
    return boxes;
}

}  // namespace ampora::electro_magnetism
