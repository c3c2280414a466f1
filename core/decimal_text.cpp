// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decimal_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

#ifdef AMPORA_DECIMAL_CHARCONV
#include <charconv>
#include <system_error>
#endif

namespace ampora::decimal {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double Signed(const Written& w, double magnitude) { return w.negative ? -magnitude : magnitude; }

// The exponent's value, saturated far beyond any double's.
long long ExponentOf(const Written& w) {
    long long exp = 0;
    bool negative = false;
    for (char c : w.exponent) {
        if (c == '-')
            negative = true;
        else if (IsDigit(c))
            exp = std::min<long long>(exp * 10 + (c - '0'), 1'000'000'000LL);
    }
    return negative ? -exp : exp;
}

// The digits and exponent of "-d.dddddddddddddde-XX" as printf's "%.14e" writes it. Only
// ASCII digits count before the "e", so a locale's decimal separator does not matter.
Digits15 FromScientific(std::string_view text) {
    Digits15 out;
    out.negative = !text.empty() && text.front() == '-';
    const std::size_t e = text.find_first_of("eE");
    std::size_t n = 0;
    for (char c : text.substr(0, e))
        if (IsDigit(c) && n < out.digits.size()) out.digits[n++] = c;
    bool negative = false;
    for (char c : text.substr(e + 1)) {
        if (c == '-') negative = true;
        if (IsDigit(c)) out.exponent = out.exponent * 10 + (c - '0');
    }
    if (negative) out.exponent = -out.exponent;
    return out;
}

}  // namespace

bool Read(std::string_view text, std::size_t& pos, Written& out) {
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out.negative = text[i++] == '-';
    bool any = false;
    while (i < text.size() && IsDigit(text[i])) {
        out.digits += text[i++];
        ++out.pointAt;
        any = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            out.digits += text[i++];
            any = true;
        }
    }
    if (!any) return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exp;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exp += text[j++];
        const std::size_t first = j;
        while (j < text.size() && IsDigit(text[j])) exp += text[j++];
        if (j > first) {
            out.exponent = exp;
            i = j;
        }
    }
    pos = i;
    return true;
}

double NearestByCLibrary(const Written& w) {
    const auto first = w.digits.find_first_not_of('0');
    if (first == std::string::npos) return Signed(w, 0.0);
    const auto last = w.digits.find_last_not_of('0');
    // The significant digits as a whole number m of `count` digits, times 10^scale: m
    // lies in [10^(count - 1), 10^count).
    const auto count = static_cast<long long>(last - first + 1);
    const long long scale = ExponentOf(w) + w.pointAt - static_cast<long long>(last + 1);
    if (count - 1 + scale > 309) return Signed(w, std::numeric_limits<double>::infinity());
    if (count + scale < -400) return Signed(w, 0.0);
    // Without a decimal point, strtod reads the same whatever the locale. A result beyond
    // the range is an infinity; one below the normal range is reported as a range error,
    // but its value, zero or subnormal, is still the nearest double.
    std::string text = w.negative ? "-" : "";
    text.append(w.digits, first, static_cast<std::size_t>(count));
    text += 'e';
    text += std::to_string(scale);
    return std::strtod(text.c_str(), nullptr);
}

Digits15 RoundByCLibrary(double x) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.14e", x);
    return FromScientific(std::string_view(buf, static_cast<std::size_t>(std::clamp(n, 0, 63))));
}

#ifdef AMPORA_DECIMAL_CHARCONV
double NearestByCharconv(const Written& w) {
    const auto firstNonZero = w.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) return Signed(w, 0.0);
    std::string canonical = w.negative ? "-" : "";
    canonical += w.digits.substr(0, static_cast<std::size_t>(w.pointAt));
    if (canonical.empty() || canonical == "-") canonical += '0';
    canonical += '.';
    canonical += w.digits.substr(static_cast<std::size_t>(w.pointAt));
    if (!w.exponent.empty()) canonical += 'e' + w.exponent;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (ec == std::errc{}) return value;
    // Out of range, which from_chars says only of an infinity or a zero: decide by the
    // decimal magnitude of the first significant digit.
    const long long magnitude = w.pointAt - static_cast<long long>(firstNonZero) + ExponentOf(w);
    return Signed(w, magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0);
}

Digits15 RoundByCharconv(double x) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    return FromScientific(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}
#endif

}  // namespace ampora::decimal
