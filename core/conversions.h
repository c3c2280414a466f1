// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The conversions between a box's text and numbers that every calculator shares.
// Faults are thrown as ampora::Fault.
namespace ampora {

// Strict: optional blanks, an optional sign, digits with at most one ".", an optional
// exponent; anything else, or a value beyond the double range, is a conversion fault.
double TextToNumber(std::string_view text);

// Lenient: skips blanks anywhere and reads the longest leading number; 0 when there is
// none. Never faults; a value beyond the double range comes back as an infinity, which
// NumberToText and the checked arithmetic refuse.
double LeadingNumber(std::string_view text);

// 15 significant digits; plain for 1E-04 <= |x| < 1E+15 after rounding, else "1E-05" style.
// A non-finite value is an arithmetic fault (overflow), so no box ever shows "inf" or "nan".
std::string NumberToText(double x);

// Significant digits d1 d2 ... (as many as given), the value d1.d2... times ten to the
// `exponent`, laid out as NumberToText lays out its 15: plain for exponents -4 to 14, else
// "1.5E-300"; trailing zeros of the fraction dropped.
std::string DigitsToText(bool negative, std::string_view digits, int exponent);

// The shortest text that reads back as exactly `x` (15, 16 or 17 significant digits), in
// NumberToText's style: how an explanation shows a value that no box holds.
std::string ExactText(double x);

// Nearest whole number, ties to even; a fault outside -32768..32767.
std::int16_t RoundToInteger(double x);

std::string IntegerToText(std::int64_t n);

// A box is empty only when its text is exactly "" (blanks make it filled).
inline bool IsEmpty(std::string_view text) { return text.empty(); }

}  // namespace ampora
