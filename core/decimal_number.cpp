// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decimal_number.h"

#include "conversions.h"
#include "decimal_text.h"

#include <algorithm>
#include <limits>

namespace ampora {
namespace {

// An exponent's text, saturated far beyond any double's range.
long long ExponentOf(std::string_view text) {
    constexpr long long kFar = 1'000'000'000'000LL;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long e = 0;
    for (const char c : text) e = std::min(kFar, e * 10 + (c - '0'));
    return negative ? -e : e;
}

DecimalNumber FromWritten(const decimal::Written& w) {
    return DecimalNumber::of(w.negative, w.digits, w.pointAt, ExponentOf(w.exponent));
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

DecimalNumber DecimalNumber::of(bool negative, std::string_view digits, long long pointAt,
                                long long exponent) {
    DecimalNumber d;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return d;
    const auto last = digits.find_last_not_of('0');
    d.negative = negative;
    d.digits = digits.substr(first, last - first + 1);
    d.exponent = pointAt - 1 - static_cast<long long>(first) + exponent;
    return d;
}

std::optional<DecimalNumber> DecimalNumber::strictly(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    decimal::Written w;
    std::size_t pos = 0;
    if (!decimal::Read(text, pos, w) || pos != text.size()) return std::nullopt;
    return FromWritten(w);
}

DecimalNumber DecimalNumber::leniently(std::string_view text) {
    std::string packed;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') packed += c;
    decimal::Written w;
    std::size_t pos = 0;
    if (!decimal::Read(packed, pos, w)) return {};
    return FromWritten(w);
}

DecimalNumber DecimalNumber::rounded(std::size_t significant) const {
    if (digits.size() <= significant) return *this;
    DecimalNumber r = *this;
    r.digits.resize(significant);
    const char next = digits[significant];
    const bool beyond = digits.find_first_not_of('0', significant + 1) != std::string::npos;
    const bool odd = (r.digits.back() - '0') % 2 == 1;
    if (next > '5' || (next == '5' && (beyond || odd))) {
        std::size_t k = r.digits.size();
        while (k > 0 && r.digits[k - 1] == '9') r.digits[--k] = '0';
        if (k == 0) {
            r.digits.insert(r.digits.begin(), '1');
            r.digits.pop_back();
            ++r.exponent;
        } else {
            ++r.digits[k - 1];
        }
    }
    r.digits.erase(r.digits.find_last_not_of('0') + 1);
    return r;
}

std::string DecimalNumber::laid(long long whole) const {
    if (digits.empty()) return "0";
    const auto size = static_cast<long long>(digits.size());
    if (whole <= 0) return std::string("0.").append(static_cast<std::size_t>(-whole), '0').append(digits);
    if (whole >= size) return digits + std::string(static_cast<std::size_t>(whole - size), '0');
    return digits.substr(0, static_cast<std::size_t>(whole))
        .append(".")
        .append(digits, static_cast<std::size_t>(whole));
}

std::string DecimalNumber::scientific() const {
    if (digits.empty()) return "0";
    std::string out(1, digits.front());
    if (digits.size() > 1) out.append(".").append(digits, 1);
    out += exponent < 0 ? "E-" : "E+";
    const long long magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) out += '0';
    return out + std::to_string(magnitude);
}

std::string DecimalNumber::text() const {
    if (digits.empty()) return "0";
    constexpr long long kFar = std::numeric_limits<int>::max() / 2;
    return DigitsToText(negative, digits, static_cast<int>(std::clamp(exponent, -kFar, kFar)));
}

}  // namespace ampora
