// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A decimal number held as its digits, exactly, for what is worked out from a text as it
// is written rather than from the double nearest to it: readings, prefixed input and
// preferred values.
namespace ampora {

struct DecimalNumber {
    bool negative = false;
    // The significant digits, without leading or trailing zeros; none for zero. The value
    // is d1.d2d3... times ten to the power `exponent`.
    std::string digits;
    long long exponent = 0;

    // `text` as TextToNumber reads it (blanks around it, a sign, a mantissa, an exponent),
    // or nothing when it is no such number; its range is not checked.
    static std::optional<DecimalNumber> strictly(std::string_view text);
    // The leading number of `text` as LeadingNumber reads it (blanks anywhere are
    // skipped): zero when there is none.
    static DecimalNumber leniently(std::string_view text);
    // The number whose digits are `digits` (any, zeros included) with the point after the
    // first `pointAt` of them, times ten to the power `exponent`.
    static DecimalNumber of(bool negative, std::string_view digits, long long pointAt,
                            long long exponent = 0);

    bool isZero() const { return digits.empty(); }
    // Rounded to `significant` digits, to nearest, ties to even.
    DecimalNumber rounded(std::size_t significant) const;
    // The digits with the point after the first `whole` of them ("434.783", "0.0025",
    // "4700"), without a sign.
    std::string laid(long long whole) const;
    // "4.7E-05", as a box writes an exponent, without a sign.
    std::string scientific() const;
    // As NumberToText lays out its digits: plain from 1E-04 to below 1E+15, else with an
    // exponent; every digit kept.
    std::string text() const;
};

}  // namespace ampora
