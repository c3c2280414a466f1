// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading.h"

#include "conversions.h"
#include "fault.h"

#include <cmath>

namespace ampora {
namespace {

constexpr int kDigits = 6;

// The S.I. prefixes, from quecto (10^-30) to quetta (10^30), three decades apart.
constexpr const char* kPrefixes[] = {"q", "r", "y", "z", "a", "f", "p", "n", "µ", "m", "",
                                     "k", "M", "G", "T", "P", "E", "Z", "Y", "R", "Q"};
constexpr int kLowestPrefix = -30;

// " W", but "°" stands close to its number.
std::string Symbol(const SiUnit& unit, const char* prefix = "") {
    const std::string symbol = std::string(prefix) + unit.symbol;
    if (symbol.empty()) return symbol;
    return std::string_view(unit.symbol) == "°" ? symbol : std::string(" ").append(symbol);
}

std::string Formatted(DecimalNumber d, const SiUnit& unit) {
    if (d.digits.empty()) return std::string("0").append(Symbol(unit));
    d = d.rounded(kDigits);
    const std::string sign = d.negative ? "-" : "";
    if (unit.prefixed) {
        // The prefix that leaves the number from 1 to below 1000; a squared unit's prefix
        // steps a million at a time, so its number lies from 0.001 to below 1000 ("0.1 m²",
        // "250 mm²").
        const long long step = 3LL * unit.power;
        const long long from = unit.power == 2 ? d.exponent + 3 : d.exponent;
        const long long prefix = 3 * (from >= 0 ? from / step : -((-from + step - 1) / step));
        if (prefix >= kLowestPrefix && prefix <= -kLowestPrefix) {
            const char* name = kPrefixes[(prefix - kLowestPrefix) / 3];
            return sign + d.laid(d.exponent - unit.power * prefix + 1) + Symbol(unit, name);
        }
    } else if (d.exponent >= -4 && d.exponent <= 5) {
        return sign + d.laid(d.exponent + 1) + Symbol(unit);
    }
    return sign + d.scientific() + Symbol(unit);
}

}  // namespace

std::string EngineeringReading(std::string_view number, const SiUnit& unit) {
    try {
        (void)TextToNumber(number);
    } catch (const Fault&) {
        return {};
    }
    return Formatted(*DecimalNumber::strictly(number), unit);
}

std::string EngineeringReading(const DecimalNumber& number, const SiUnit& unit) {
    return Formatted(number, unit);
}

std::string BoxReading(std::string_view text, const SiUnit& unit, Reading read) {
    if (IsEmpty(text)) return {};
    if (std::string reading = EngineeringReading(text, unit); !reading.empty()) return reading;
    if (read == Reading::Strict || !std::isfinite(LeadingNumber(text))) return {};
    return std::string("read as ").append(Formatted(DecimalNumber::leniently(text), unit));
}

}  // namespace ampora
