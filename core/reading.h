// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "decimal_number.h"
#include "si_unit.h"

#include <string>
#include <string_view>

// A box's value as a person reads it: in engineering notation, with an S.I. prefix and the
// symbol of the box's unit ("434.783 mA"), worked out from the box's text digit by digit,
// so that every build writes the same reading.
namespace ampora {

// `number` (a text TextToNumber reads) in engineering notation: at most 6 significant
// digits, trailing zeros dropped; for a unit that takes prefixes, the prefix from q to Q
// that puts the number in [1, 1000) (for a squared unit, whose prefix steps a million at a
// time, in [0.001, 1000): "250 mm²", "0.1 m²"); then the unit's symbol. Zero reads "0" and its symbol. A
// value beyond the prefixes, or a plain number outside 1E-04 to 1E+06, keeps its exponent as a box writes one
// ("1.5E-35 A", "1.23457E+09"). "" when `number` is no number.
std::string EngineeringReading(std::string_view number, const SiUnit& unit);
std::string EngineeringReading(const DecimalNumber& number, const SiUnit& unit);

// The reading of a box holding `text`: its engineering reading; for a box read leniently
// whose text is no number, "read as " and the reading of what was read ("4k7" reads
// "read as 4 Ω"); "" for an empty box, or a box read strictly whose text is no number.
std::string BoxReading(std::string_view text, const SiUnit& unit, Reading read);

}  // namespace ampora
