// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "portable_sine.h"

// Every step below relies on each +, -, * and / being rounded once to double: the build
// compiles this file (and the rest) with -ffp-contract=off, so that no compiler fuses a
// multiply and an add.
namespace ampora {
namespace {

// An unevaluated sum hi + lo with |lo| <= half an ulp of hi.
struct Double2 {
    double hi, lo;
};

// a + b exactly (Knuth's two-sum).
Double2 TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly, for |a| >= |b| or a == 0 (Dekker's fast two-sum).
Double2 FastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a * b exactly (Dekker's product over Veltkamp's split into 26-bit halves); the
// arguments here are far from overflow.
Double2 TwoProduct(double a, double b) {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const auto split = [](double v) {
        const double t = kSplitter * v;
        const double hi = t - (t - v);
        return Double2{hi, v - hi};
    };
    const double p = a * b;
    const Double2 x = split(a), y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

Double2 Add(Double2 a, Double2 b) {
    Double2 s = TwoSum(a.hi, b.hi);
    const Double2 t = TwoSum(a.lo, b.lo);
    s = FastTwoSum(s.hi, s.lo + t.hi);
    return FastTwoSum(s.hi, s.lo + t.lo);
}

Double2 Negate(Double2 a) { return {-a.hi, -a.lo}; }

Double2 Multiply(Double2 a, Double2 b) {
    const Double2 p = TwoProduct(a.hi, b.hi);
    return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Double2 Divide(Double2 a, double b) {
    const double q1 = a.hi / b;
    const Double2 p = TwoProduct(q1, b);
    const Double2 s = TwoSum(a.hi, -p.hi);
    const double q2 = (s.hi + ((s.lo - p.lo) + a.lo)) / b;
    return FastTwoSum(q1, q2);
}

// 1 - z/(n(n+1)) (1 - z/((n+2)(n+3)) (1 - ... (1 - z/(30 * 31)))), the Taylor series of
// sin(r)/r (n = 2) or cos(r) (n = 1) in z = r * r, nested from the inside out. For
// |r| <= pi/4 the first term left out is below 2^-120.
Double2 Series(Double2 z, int n) {
    Double2 t = {1.0, 0.0};
    for (int m = 30 - (n == 1 ? 1 : 0); m >= n; m -= 2)
        t = Add({1.0, 0.0}, Negate(Divide(Multiply(z, t), double(m) * double(m + 1))));
    return t;
}

}  // namespace

double PortableSin(double x) {
    // Below 2^-26 the sine lies within a quarter of an ulp of x.
    if (x > -0x1p-26 && x < 0x1p-26) return x;

    // x = k pi/2 + r with |r| <= pi/4 (Cody and Waite): pi/2 as the sum of three doubles,
    // each part times k exact, and the subtractions carried in double-double, so that r
    // keeps its precision near the multiples of pi/2.
    constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
    constexpr double kHalfPi[] = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54, -0x1.f1976b7ed8fbcp-110};
    const double q = x * kTwoOverPi;
    const int k = static_cast<int>(q < 0 ? q - 0.5 : q + 0.5);
    Double2 r = {x, 0.0};
    for (double part : kHalfPi) r = Add(r, Negate(TwoProduct(double(k), part)));

    const Double2 z = Multiply(r, r);
    Double2 sine;
    switch (k & 3) {  // k modulo 4, for negative k too
        case 0:
            sine = Multiply(r, Series(z, 2));
            break;
        case 1:
            sine = Series(z, 1);
            break;
        case 2:
            sine = Negate(Multiply(r, Series(z, 2)));
            break;
        default:
            sine = Negate(Series(z, 1));
            break;
    }
    return sine.hi + sine.lo;
}

}  // namespace ampora
