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

// Each block tries its rules in order; a rule fires when every box its formula reads is
// filled. The grouping of every formula is part of the result: it decides the last digit.
const Pass kPass = {
    kBoxes.rows,
    {
        {S,
         {
             [](X x) { return x[Mmf] / x[Flux]; },
             [](X x) { return x[L] / (x[A] * Mu(x)); },
         }},
        {Mmf,
         {
             [](X x) { return x[L] * x[H]; },
             [](X x) { return x[I] * x[N]; },
             [](X x) { return (x[A] * x[B]) / Mu(x); },
             [](X x) { return x[Flux] / Mu(x); },
         }},
        {H,
         {
             [](X x) { return x[Mmf] / x[L]; },
             [](X x) { return (x[I] * x[N]) / x[L]; },
             [](X x) { return x[Flux] / (x[A] * Mu(x)); },
         }},
        {B,
         {
             [](X x) { return x[Flux] / x[A]; },
             [](X x) { return (x[I] * (x[N] * Mu(x))) / x[A]; },
             [](X x) { return (x[Mmf] * Mu(x)) / x[A]; },
         }},
        {Ind,
         {
             [](X x) { return (x[Flux] * x[N]) / x[I]; },
             [](X x) { return (x[A] * (x[B] * x[N])) / x[I]; },
         }},
        {N,
         {
             [](X x) { return (x[L] * x[H]) / x[I]; },
             [](X x) { return x[Mmf] / x[I]; },
             [](X x) { return (x[A] * x[B]) / (x[I] * Mu(x)); },
             [](X x) { return x[Flux] / (x[I] * Mu(x)); },
             PreEmpted("turns from flux and current come first",
                       [](X x) { return (x[I] * x[Ind]) / x[Flux]; }),
             PreEmpted("turns from flux density, area and current come first",
                       [](X x) { return (x[I] * x[Ind]) / (x[A] * x[B]); }),
         }},
        {F,
         {
             [](X x) { return (x[L] * (x[I] * x[B])) * SinAngle(x); },
             [](X x) { return ((x[L] * (x[I] * x[Flux])) * SinAngle(x)) / x[A]; },
             [](X x) { return ((x[L] * (x[L] * (x[H] * x[Flux]))) * SinAngle(x)) / (x[N] * x[A]); },
             [](X x) { return ((x[L] * (x[L] * (x[H] * x[B]))) * SinAngle(x)) / x[N]; },
             [](X x) { return ((x[N] * (x[I] * (x[I] * x[B]))) * SinAngle(x)) / x[H]; },
             [](X x) { return ((x[N] * (x[I] * (x[I] * x[Flux]))) * SinAngle(x)) / (x[A] * x[H]); },
             [](X x) { return ((x[Mmf] * (x[I] * x[B])) * SinAngle(x)) / x[H]; },
             [](X x) { return ((x[Mmf] * (x[I] * x[Flux])) * SinAngle(x)) / (x[H] * x[A]); },
         }},
        {E,
         {
             [](X x) { return (x[V] * (x[L] * x[B])) * SinAngle(x); },
             [](X x) { return x[Flux] / x[T]; },
         }},
        {T, {[](X x) { return x[Flux] / x[E]; }}},
        {Flux,
         {
             [](X x) { return x[Mmf] / x[S]; },
             [](X x) { return x[H] * (x[A] * Mu(x)); },
             [](X x) { return x[B] * x[A]; },
             [](X x) { return (x[I] * x[Ind]) / x[N]; },
             [](X x) { return x[Mmf] * Mu(x); },
             [](X x) { return x[I] * (x[N] * Mu(x)); },
             [](X x) { return (x[A] * x[F]) / ((x[L] * x[I]) * SinAngle(x)); },
             PreEmpted("flux from area and field strength comes first",
                       [](X x) { return (x[N] * (x[A] * x[F])) / ((x[L] * (x[L] * x[H])) * SinAngle(x)); }),
             PreEmpted("flux from area and field strength comes first",
                       [](X x) { return (x[H] * (x[A] * x[F])) / ((x[N] * (x[I] * x[I])) * SinAngle(x)); }),
             PreEmpted("flux from area and field strength comes first",
                       [](X x) { return (x[H] * (x[A] * x[F])) / ((x[Mmf] * x[I]) * SinAngle(x)); }),
         }},
        {A,
         {
             [](X x) { return x[L] / (x[S] * Mu(x)); },
             [](X x) { return x[Flux] / (x[H] * Mu(x)); },
             [](X x) { return x[Flux] / x[B]; },
             [](X x) { return (x[I] * (x[N] * Mu(x))) / x[B]; },
             [](X x) { return (x[Mmf] * Mu(x)) / x[B]; },
         }},
        {V,
         {
             [](X x) { return x[E] / ((x[L] * x[B]) * SinAngle(x)); },
             [](X x) { return (x[E] * x[I]) / x[F]; },
             [](X x) { return (x[A] * x[E]) / ((x[L] * x[Flux]) * SinAngle(x)); },
             [](X x) { return x[E] / ((x[L] * (x[H] * Mu(x))) * SinAngle(x)); },
             [](X x) { return x[E] / ((x[Mmf] * Mu(x)) * SinAngle(x)); },
         }},
        {L,
         {
             [](X x) { return x[A] * (x[S] * Mu(x)); },
             [](X x) { return x[Mmf] / x[H]; },
             [](X x) { return (x[I] * x[N]) / x[H]; },
             [](X x) { return x[E] / ((x[V] * x[B]) * SinAngle(x)); },
             [](X x) { return x[F] / ((x[I] * x[B]) * SinAngle(x)); },
             [](X x) { return (x[A] * x[F]) / ((x[I] * x[Flux]) * SinAngle(x)); },
             [](X x) { return Sqrt((x[N] * (x[A] * x[F])) / ((x[H] * x[Flux]) * SinAngle(x))); },
             [](X x) { return Sqrt((x[N] * x[F]) / ((x[H] * x[B]) * SinAngle(x))); },
         }},
        {I,
         {
             [](X x) { return (x[L] * x[H]) / x[N]; },
             [](X x) { return x[Mmf] / x[N]; },
             [](X x) { return x[F] / ((x[L] * x[B]) * SinAngle(x)); },
             [](X x) { return (x[A] * x[B]) / (x[N] * Mu(x)); },
             [](X x) { return (x[Flux] * x[N]) / x[Ind]; },
             [](X x) { return x[Flux] / (x[N] * Mu(x)); },
             [](X x) { return (x[A] * x[F]) / ((x[L] * x[Flux]) * SinAngle(x)); },
             [](X x) { return Sqrt((x[H] * x[F]) / ((x[N] * x[B]) * SinAngle(x))); },
             PreEmpted("current from flux and turns comes first",
                       [](X x) { return Sqrt((x[H] * (x[A] * x[F])) / ((x[N] * x[Flux]) * SinAngle(x))); }),
             [](X x) { return (x[H] * x[F]) / ((x[Mmf] * x[B]) * SinAngle(x)); },
             [](X x) { return (x[H] * (x[A] * x[F])) / ((x[Mmf] * x[Flux]) * SinAngle(x)); },
             [](X x) { return (x[V] * x[F]) / x[E]; },
         }},
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
