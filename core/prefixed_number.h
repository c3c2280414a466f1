// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "si_unit.h"

#include <optional>
#include <string>
#include <string_view>

// Numbers written the way values are marked on parts and in circuit diagrams: with an S.I.
// prefix ("4.7k", "10 µ", "434.783 mA") or a letter code whose letter stands for the
// decimal point (IEC 60062: "4k7", "4n7", "2R2" for 2.2 ohms), read only where the user
// asks for prefixed input.
namespace ampora {

// A prefixed number's value: the decimal it names, and the same as a number and a power of
// ten ("4.7" and 3 for "4k7"), as the work of a press shows how it was read.
struct PrefixedValue {
    std::string number;
    std::string mantissa;
    int exponent;
};

// The decimal number `text` names, with the prefix or code in the box's `unit`, written
// exactly as if that decimal had been typed ("4k7" gives "4700", "10u" gives "1E-05";
// every digit kept, no arithmetic on the way). Taken: blanks around the text, a sign, a
// number with an optional point, then one blank or none, then a prefix (q r y z a f p n µ
// or u m k or K M G T P Z Y R Q; "E" is an exponent's letter) and the unit's symbol
// ("4.7 kΩ", "10uF", also the symbol alone: "100 Ω"); or digits, the code's letter and
// digits, then the symbol or none ("4k7Ω", "R47"), where "R" is the point of a value in
// ohms. Nothing for a plain number (it is read as it is), and nothing for any other text:
// an ambiguous or malformed code ("4k7k", "1.2.3k", "4.7k7"), or a prefix the unit cannot
// take ("90m" for an angle).
std::optional<PrefixedValue> PrefixedNumber(std::string_view text, const SiUnit& unit);

}  // namespace ampora
