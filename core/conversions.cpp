// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversions.h"

#include "decimal_text.h"
#include "fault.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace ampora {
namespace {

Fault NotANumber() { return Fault(FaultKind::Conversion, "does not hold a number"); }

using decimal::Written;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

double TextToNumber(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    const std::string_view core = text.substr(begin, end - begin);
    Written w;
    std::size_t pos = 0;
    if (!decimal::Read(core, pos, w) || pos != core.size()) throw NotANumber();
    // "1E" or "1E+" leave the exponent letter unread, so they fail the check above.
    const double value = decimal::Nearest(w);
    if (std::isinf(value)) throw Fault(FaultKind::Conversion, "holds a number too large to work with");
    return value;
}

double LeadingNumber(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') packed += c;
    Written w;
    std::size_t pos = 0;
    if (!decimal::Read(packed, pos, w)) return 0.0;
    return decimal::Nearest(w);
}

std::string NumberToText(double x) {
    if (!std::isfinite(x)) throw Fault(FaultKind::Arithmetic, "overflows the range of numbers");
    if (x == 0.0) return "0";
    const decimal::Digits15 rounded = decimal::Round15(x);
    return DigitsToText(rounded.negative, std::string_view(rounded.digits.data(), rounded.digits.size()),
                        rounded.exponent);
}

std::string DigitsToText(bool negative, std::string_view significant, int exponent) {
    std::string digits(significant);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = negative ? "-" : "";
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const auto whole = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                out += digits;
                out.append(whole - digits.size(), '0');
            } else {
                out += digits.substr(0, whole);
                out += '.';
                out += digits.substr(whole);
            }
        }
    } else {
        out += digits.front();
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    }
    return out;
}

namespace {

// "-d.ddde+XX" as printf's %e writes it, in NumberToText's style.
std::string Laid(std::string_view scientific) {
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e))
        if (c >= '0' && c <= '9') digits += c;
    return DigitsToText(scientific.front() == '-', digits,
                        std::atoi(std::string(scientific.substr(e + 1)).c_str()));
}

}  // namespace

std::string ExactText(double x) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
    char buffer[40];
    for (int digits = 15; digits < 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, x);
        if (std::strtod(buffer, nullptr) == x) return Laid(buffer);
    }
    std::snprintf(buffer, sizeof buffer, "%.16e", x);
    return Laid(buffer);
}

std::int16_t RoundToInteger(double x) {
    if (std::isnan(x)) throw Fault(FaultKind::IntegerOverflow, "is not a whole number in range");
    double r = std::floor(x);
    const double diff = x - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    if (r < static_cast<double>(std::numeric_limits<std::int16_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<std::int16_t>::max()))
        throw Fault(FaultKind::IntegerOverflow, "holds a number too large for a whole count");
    return static_cast<std::int16_t>(r);
}

std::string IntegerToText(std::int64_t n) { return std::to_string(n); }

}  // namespace ampora
