// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <version>

// The two steps of the conversions that need exact decimal arithmetic: the double nearest
// to a decimal number, and a double rounded to 15 significant decimal digits. Each has two
// implementations that give the same result for every input: one over <charconv>, where
// the C++ library has floating-point from_chars and to_chars, and one over the C library's
// strtod and snprintf, which every C library has (the WebAssembly build's C++ library
// lacks the floating-point <charconv>). The conversions use the first where it exists;
// the tests hold the two against each other, so that every build writes the same text.
#if defined(__cpp_lib_to_chars)
#define AMPORA_DECIMAL_CHARCONV 1
#endif

namespace ampora::decimal {

// A number as written: its sign, its mantissa's digits with the point taken out (any
// count of them, leading and trailing zeros included), how many of them stand before the
// point, and its exponent's text (an optional sign and digits, or empty).
struct Written {
    bool negative = false;
    std::string digits;
    long long pointAt = 0;
    std::string exponent;
};

// Reads an optional sign, digits [. digits] [(E|e) [sign] digits] from `text` at `pos`, as
// far as they form a number, into `out`, and moves `pos` past them. Returns false when no
// mantissa digit is read.
bool Read(std::string_view text, std::size_t& pos, Written& out);

// The double nearest to `w`, ties to even; +-infinity when that lies beyond the range,
// and +-0 or a subnormal number below it.
double NearestByCLibrary(const Written& w);

// A finite, non-zero x rounded to 15 significant digits (to nearest, ties to even): the
// digits, trailing zeros kept, and the decimal exponent of the first one.
struct Digits15 {
    bool negative = false;
    std::array<char, 15> digits{};
    int exponent = 0;
};

Digits15 RoundByCLibrary(double x);

#ifdef AMPORA_DECIMAL_CHARCONV
double NearestByCharconv(const Written& w);
Digits15 RoundByCharconv(double x);
#endif

// What the conversions use.
inline double Nearest(const Written& w) {
#ifdef AMPORA_DECIMAL_CHARCONV
    return NearestByCharconv(w);
#else
    return NearestByCLibrary(w);
#endif
}

inline Digits15 Round15(double x) {
#ifdef AMPORA_DECIMAL_CHARCONV
    return RoundByCharconv(x);
#else
    return RoundByCLibrary(x);
#endif
}

}  // namespace ampora::decimal
