// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "electro_magnetism.h"

#include "core/conversions.h"

namespace ampora::electro_magnetism {
namespace {

using X = const Values&;

enum ConstantIndex { kMu };

// The permeability of this press.
Num mu(X x) { return x.constant(kMu); }
// The angle box holds degrees.
Num sinAng(X x) { return SinDegrees(x[Ang]); }

// Each block tries its rules in order; a rule fires when all its operand boxes are
// filled. The grouping of every formula is part of the result: it decides the last digit.
const Pass kPass = {
    {"Reluctance", "Magneto-motive force", "Length of conductor", "Magnetic flux", "Relative permeability",
     "Area of conductor", "Magnetic field strength", "Current", "Number of turns", "Magnetic flux density",
     "Induced e.m.f.", "Velocity of conductor", "Angle", "Force on conductor", "Inductance", "Time"},
    {
        {S,
         {{{Mmf, Flux}, [](X x) { return x[Mmf] / x[Flux]; }},
          {{L, A}, [](X x) { return x[L] / (x[A] * mu(x)); }}}},
        {Mmf,
         {{{H, L}, [](X x) { return x[L] * x[H]; }},
          {{N, I}, [](X x) { return x[I] * x[N]; }},
          {{B, A}, [](X x) { return (x[A] * x[B]) / mu(x); }},
          {{Flux}, [](X x) { return x[Flux] / mu(x); }}}},
        {H,
         {{{Mmf, L}, [](X x) { return x[Mmf] / x[L]; }},
          {{N, I, L}, [](X x) { return (x[I] * x[N]) / x[L]; }},
          {{Flux, A}, [](X x) { return x[Flux] / (x[A] * mu(x)); }}}},
        {B,
         {{{Flux, A}, [](X x) { return x[Flux] / x[A]; }},
          {{N, I, A}, [](X x) { return (x[I] * (x[N] * mu(x))) / x[A]; }},
          {{Mmf, A}, [](X x) { return (x[Mmf] * mu(x)) / x[A]; }}}},
        {Ind,
         {{{Flux, N, I}, [](X x) { return (x[Flux] * x[N]) / x[I]; }},
          {{N, B, A, I}, [](X x) { return (x[A] * (x[B] * x[N])) / x[I]; }}}},
        {N,
         {{{H, L, I}, [](X x) { return (x[L] * x[H]) / x[I]; }},
          {{Mmf, I}, [](X x) { return x[Mmf] / x[I]; }},
          {{B, A, I}, [](X x) { return (x[A] * x[B]) / (x[I] * mu(x)); }},
          {{Flux, I}, [](X x) { return x[Flux] / (x[I] * mu(x)); }},
          {{Ind, I, Flux}, [](X x) { return (x[I] * x[Ind]) / x[Flux]; }},
          {{Ind, I, B, A}, [](X x) { return (x[I] * x[Ind]) / (x[A] * x[B]); }}}},
        {F,
         {{{B, I, L, Ang}, [](X x) { return (x[L] * (x[I] * x[B])) * sinAng(x); }},
          {{Flux, A, I, L, Ang}, [](X x) { return ((x[L] * (x[I] * x[Flux])) * sinAng(x)) / x[A]; }},
          {{Flux, A, H, L, N, Ang},
           [](X x) { return ((x[L] * (x[L] * (x[H] * x[Flux]))) * sinAng(x)) / (x[N] * x[A]); }},
          {{B, H, L, Ang, N}, [](X x) { return ((x[L] * (x[L] * (x[H] * x[B]))) * sinAng(x)) / x[N]; }},
          {{B, I, N, H, Ang}, [](X x) { return ((x[N] * (x[I] * (x[I] * x[B]))) * sinAng(x)) / x[H]; }},
          {{Flux, I, N, Ang, A, H},
           [](X x) { return ((x[N] * (x[I] * (x[I] * x[Flux]))) * sinAng(x)) / (x[A] * x[H]); }},
          {{B, I, Mmf, H, Ang}, [](X x) { return ((x[Mmf] * (x[I] * x[B])) * sinAng(x)) / x[H]; }},
          {{Flux, I, Mmf, H, Ang, A},
           [](X x) { return ((x[Mmf] * (x[I] * x[Flux])) * sinAng(x)) / (x[H] * x[A]); }}}},
        {E,
         {{{B, L, V, Ang}, [](X x) { return (x[V] * (x[L] * x[B])) * sinAng(x); }},
          {{Flux, T}, [](X x) { return x[Flux] / x[T]; }}}},
        {T, {{{E, Flux}, [](X x) { return x[Flux] / x[E]; }}}},
        {Flux,
         {{{Mmf, S}, [](X x) { return x[Mmf] / x[S]; }},
          {{A, H}, [](X x) { return x[H] * (x[A] * mu(x)); }},
          {{A, B}, [](X x) { return x[B] * x[A]; }},
          {{Ind, I, N}, [](X x) { return (x[I] * x[Ind]) / x[N]; }},
          {{Mmf}, [](X x) { return x[Mmf] * mu(x); }},
          {{N, I}, [](X x) { return x[I] * (x[N] * mu(x)); }},
          {{F, A, I, L, Ang}, [](X x) { return (x[A] * x[F]) / ((x[L] * x[I]) * sinAng(x)); }},
          {{F, A, N, L, Ang, H},
           [](X x) { return (x[N] * (x[A] * x[F])) / ((x[L] * (x[L] * x[H])) * sinAng(x)); }},
          {{F, A, H, I, N, Ang},
           [](X x) { return (x[H] * (x[A] * x[F])) / ((x[N] * (x[I] * x[I])) * sinAng(x)); }},
          {{F, A, H, I, Mmf, Ang},
           [](X x) { return (x[H] * (x[A] * x[F])) / ((x[Mmf] * x[I]) * sinAng(x)); }}}},
        {A,
         {{{L, S}, [](X x) { return x[L] / (x[S] * mu(x)); }},
          {{Flux, H}, [](X x) { return x[Flux] / (x[H] * mu(x)); }},
          {{Flux, B}, [](X x) { return x[Flux] / x[B]; }},
          {{N, I, B}, [](X x) { return (x[I] * (x[N] * mu(x))) / x[B]; }},
          {{Mmf, B}, [](X x) { return (x[Mmf] * mu(x)) / x[B]; }}}},
        {V,
         {{{E, B, L, Ang}, [](X x) { return x[E] / ((x[L] * x[B]) * sinAng(x)); }},
          {{E, I, F}, [](X x) { return (x[E] * x[I]) / x[F]; }},
          {{E, A, Flux, L, Ang}, [](X x) { return (x[A] * x[E]) / ((x[L] * x[Flux]) * sinAng(x)); }},
          {{E, H, L, Ang}, [](X x) { return x[E] / ((x[L] * (x[H] * mu(x))) * sinAng(x)); }},
          {{E, Mmf, Ang}, [](X x) { return x[E] / ((x[Mmf] * mu(x)) * sinAng(x)); }}}},
        {L,
         {{{S, A}, [](X x) { return x[A] * (x[S] * mu(x)); }},
          {{Mmf, H}, [](X x) { return x[Mmf] / x[H]; }},
          {{N, I, H}, [](X x) { return (x[I] * x[N]) / x[H]; }},
          {{E, B, V, Ang}, [](X x) { return x[E] / ((x[V] * x[B]) * sinAng(x)); }},
          {{F, B, I, Ang}, [](X x) { return x[F] / ((x[I] * x[B]) * sinAng(x)); }},
          {{F, A, Flux, I, Ang}, [](X x) { return (x[A] * x[F]) / ((x[I] * x[Flux]) * sinAng(x)); }},
          {{F, A, N, Flux, H, Ang},
           [](X x) { return Sqrt((x[N] * (x[A] * x[F])) / ((x[H] * x[Flux]) * sinAng(x))); }},
          {{F, N, B, H, Ang}, [](X x) { return Sqrt((x[N] * x[F]) / ((x[H] * x[B]) * sinAng(x))); }}}},
        {I,
         {{{H, L, N}, [](X x) { return (x[L] * x[H]) / x[N]; }},
          {{Mmf, N}, [](X x) { return x[Mmf] / x[N]; }},
          {{F, B, L, Ang}, [](X x) { return x[F] / ((x[L] * x[B]) * sinAng(x)); }},
          {{B, A, N}, [](X x) { return (x[A] * x[B]) / (x[N] * mu(x)); }},
          {{N, Flux, Ind}, [](X x) { return (x[Flux] * x[N]) / x[Ind]; }},
          {{Flux, N}, [](X x) { return x[Flux] / (x[N] * mu(x)); }},
          {{F, A, Flux, L, Ang}, [](X x) { return (x[A] * x[F]) / ((x[L] * x[Flux]) * sinAng(x)); }},
          {{F, H, B, N, Ang}, [](X x) { return Sqrt((x[H] * x[F]) / ((x[N] * x[B]) * sinAng(x))); }},
          {{F, A, H, Flux, N, Ang},
           [](X x) { return Sqrt((x[H] * (x[A] * x[F])) / ((x[N] * x[Flux]) * sinAng(x))); }},
          {{F, H, B, Mmf, Ang}, [](X x) { return (x[H] * x[F]) / ((x[Mmf] * x[B]) * sinAng(x)); }},
          {{F, A, H, Flux, Mmf, Ang},
           [](X x) { return (x[H] * (x[A] * x[F])) / ((x[Mmf] * x[Flux]) * sinAng(x)); }},
          {{F, V, E}, [](X x) { return (x[V] * x[F]) / x[E]; }}}},
    },
};

// The permeability for a relative permeability text: that of free space (with 3.14 for
// pi) when the text is empty, that times the number otherwise, and a fault when the text
// is not a number, so that the rules that need it fail when they fire.
Constant Permeability(const std::string& relative) {
    const Num freeSpace = Pow(10, -7) * (Num(4) * 3.14);
    if (IsEmpty(relative)) return freeSpace.value();
    try {
        return (Num(TextToNumber(relative)) * freeSpace).value();
    } catch (const Fault& fault) {
        return fault.withOperand(kPass.names[Rp]);
    }
}

}  // namespace

const Pass& Rules() { return kPass; }

Boxes Solve(Boxes boxes) {
    const std::vector<Constant> constants = {Permeability(boxes[Rp])};
    // Whole strings moved in: assigning the literals trips a false -Wrestrict in GCC 12.
    if (IsEmpty(boxes[Ang])) boxes[Ang] = std::string("90");
    if (IsEmpty(boxes[Rp])) boxes[Rp] = std::string("1");
    RunPass(kPass, boxes, Trapping::ResumeNext, constants);
    return boxes;
}

}  // namespace ampora::electro_magnetism
