// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "prefixed_number.h"

#include "conversions.h"
#include "decimal_number.h"
#include "fault.h"

namespace ampora {
namespace {

struct Prefix {
    std::string_view letter;  // UTF-8
    int exponent;
};

// Longest letters first, so that no letter is taken for the start of another.
constexpr Prefix kPrefixes[] = {
    {"µ", -6},  {"μ", -6}, {"q", -30}, {"r", -27}, {"y", -24}, {"z", -21}, {"a", -18}, {"f", -15},
    {"p", -12}, {"n", -9}, {"u", -6},  {"m", -3},  {"k", 3},   {"K", 3},   {"M", 6},   {"G", 9},
    {"T", 12},  {"P", 15}, {"Z", 21},  {"Y", 24},  {"R", 27},  {"Q", 30},
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Digits(std::string_view& rest) {
    std::size_t n = 0;
    while (n < rest.size() && IsDigit(rest[n])) ++n;
    const std::string_view digits = rest.substr(0, n);
    rest.remove_prefix(n);
    return digits;
}

// The prefix `rest` starts with, in `unit`, taken off it. Right after digits (in a letter
// code's place), "R" is the point of a value in ohms ("2R2", "100R") and taken for no
// prefix elsewhere; after a point or a blank it is ronna. "E" is exa only before the
// unit's symbol ("1EF"), being an exponent's letter too.
std::optional<int> TakePrefix(std::string_view& rest, const SiUnit& unit, bool code) {
    if (code && rest.starts_with('R')) {
        if (unit.parts != Parts::Resistor) return std::nullopt;
        rest.remove_prefix(1);
        return 0;
    }
    if (rest.starts_with('E') && *unit.symbol && rest.substr(1) == unit.symbol) {
        rest.remove_prefix(1);
        return 18 * unit.power;
    }
    for (const Prefix& p : kPrefixes) {
        if (!rest.starts_with(p.letter)) continue;
        rest.remove_prefix(p.letter.size());
        return p.exponent * unit.power;
    }
    return std::nullopt;
}

// Whether what follows the prefix (or the number) is the unit's symbol or nothing.
bool EndsWell(std::string_view rest, const SiUnit& unit) { return rest.empty() || rest == unit.symbol; }

}  // namespace

std::optional<PrefixedValue> PrefixedNumber(std::string_view text, const SiUnit& unit) {
    try {
        (void)TextToNumber(text);
        return std::nullopt;  // a plain number is read as it is
    } catch (const Fault&) {
    }
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::string_view rest = text;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const std::string_view whole = Digits(rest);
    std::string_view fraction;
    const bool point = rest.starts_with('.');
    if (point) {
        rest.remove_prefix(1);
        fraction = Digits(rest);
    }
    if (whole.empty() && fraction.empty() && (point || !unit.prefixed)) return std::nullopt;
    const bool blank = rest.starts_with(' ');
    if (blank) rest.remove_prefix(1);

    int exponent = 0;
    if (rest == unit.symbol && (!whole.empty() || !fraction.empty())) {
        rest = {};  // the symbol alone: "100 Ω"
    } else if (!unit.prefixed) {
        return std::nullopt;
    } else if (const auto prefix = TakePrefix(rest, unit, !point && !blank)) {
        exponent = *prefix;
        if (!point && !blank && !rest.empty() && IsDigit(rest.front())) {
            // A letter code: the letter stands for the point.
            fraction = Digits(rest);
        } else if (whole.empty() && fraction.empty()) {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    if (!EndsWell(rest, unit)) return std::nullopt;
    const std::string digits = std::string(whole) + std::string(fraction);
    const auto before = static_cast<long long>(whole.size());  // digits before the point
    return PrefixedValue{DecimalNumber::of(negative, digits, before, exponent).text(),
                         DecimalNumber::of(negative, digits, before).text(), exponent};
}

}  // namespace ampora
