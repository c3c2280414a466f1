// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checked.h"

#include "fault.h"
#include "portable_sine.h"

#include <cmath>

namespace ampora {
namespace {

// A result that is not finite tells which fault occurred.
Num Check(double result, bool divisionByZero = false) {
    if (std::isfinite(result)) return result;
    if (divisionByZero) throw Fault(FaultKind::Arithmetic, "divides by zero");
    if (std::isnan(result)) throw Fault(FaultKind::Arithmetic, "makes an invalid operation (such as 0 / 0)");
    throw Fault(FaultKind::Arithmetic, "overflows the range of numbers");
}

}  // namespace

Num operator+(Num a, Num b) { return Check(a.v_ + b.v_); }
Num operator-(Num a, Num b) { return Check(a.v_ - b.v_); }
Num operator*(Num a, Num b) { return Check(a.v_ * b.v_); }
Num operator-(Num a) { return Check(-a.v_); }

Num operator/(Num a, Num b) {
    if (b.v_ == 0.0) {
        if (a.v_ == 0.0 || std::isnan(a.v_))
            throw Fault(FaultKind::Arithmetic, "makes an invalid operation (0 divided by 0)");
        throw Fault(FaultKind::Arithmetic, "divides by zero");
    }
    return Check(a.v_ / b.v_);
}

Num Sqrt(Num x) {
    if (x.value() < 0) throw Fault(FaultKind::Domain, "needs the square root of a negative number");
    return Check(std::sqrt(x.value()));
}

Num Pow(Num base, Num exponent) {
    if (base.value() == 0.0 && exponent.value() < 0) throw Fault(FaultKind::Arithmetic, "divides by zero");
    return Check(std::pow(base.value(), exponent.value()));
}

Num SinDegrees(Num degrees) {
    const double d = degrees.value();
    if (!std::isfinite(d)) return Check(std::nan(""));
    const double turns = std::fmod(d, 360.0);  // exact
    if (std::fmod(turns, 180.0) == 0.0) return 0.0;
    if (std::fmod(turns, 90.0) == 0.0) return (turns == 90.0 || turns == -270.0) ? 1.0 : -1.0;
    double reduced = turns;  // (-360, 360) -> [-180, 180]
    if (reduced > 180.0) reduced -= 360.0;
    if (reduced < -180.0) reduced += 360.0;
    constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
    return Check(PortableSin(reduced * kRadiansPerDegree));
}

}  // namespace ampora
