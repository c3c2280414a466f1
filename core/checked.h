// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A double whose every operation is checked, so that a formula written as in the
// calculators' tables faults on division by zero, an invalid operation, an overflow or
// a math-function domain error, whatever its grouping.
namespace ampora {

class Num {
public:
    constexpr Num(double v = 0.0) : v_(v) {}  // NOLINT: implicit on purpose, for constants
    constexpr double value() const { return v_; }

    friend Num operator+(Num a, Num b);
    friend Num operator-(Num a, Num b);
    friend Num operator*(Num a, Num b);
    friend Num operator/(Num a, Num b);
    friend Num operator-(Num a);

private:
    double v_;
};

Num Sqrt(Num x);
Num Pow(Num base, Num exponent);

// Sine of an angle in degrees, exact at whole multiples of 90 degrees; other angles are
// reduced once into [-180, 180] before the one conversion to radians.
Num SinDegrees(Num degrees);

// 1 divided by 2 and the like read naturally in formulas: Num(1) / 2.
}  // namespace ampora
