// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversions.h"

#include "fault.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace ampora {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

Fault NotANumber() { return Fault(FaultKind::Conversion, "does not hold a number"); }

// The pieces of a number as written: sign, mantissa digits (point removed), how many of
// them stand before the point, and the exponent's text.
struct Written {
    bool negative = false;
    std::string digits;
    long long pointAt = 0;
    std::string exponent;  // optional sign and digits, or empty
};

// Parses digits [. digits] [(E|e) [sign] digits] from `text` at `pos`, as far as they
// form a number. Returns false when no mantissa digit is read.
bool ReadNumber(std::string_view text, std::size_t& pos, Written& out) {
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

// The value of a parsed number, nearest double; +-infinity when too large.
double ValueOf(const Written& w) {
    std::string canonical = w.negative ? "-" : "";
    const auto firstNonZero = w.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) return w.negative ? -0.0 : 0.0;
    canonical += w.digits.substr(0, static_cast<std::size_t>(w.pointAt));
    if (canonical.empty() || canonical == "-") canonical += '0';
    canonical += '.';
    canonical += w.digits.substr(static_cast<std::size_t>(w.pointAt));
    if (!w.exponent.empty()) canonical += 'e' + w.exponent;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (ec == std::errc{}) return value;
    // Out of range: decide between underflow (becomes zero) and overflow by the decimal
    // magnitude of the first significant digit, with the exponent read saturated.
    long long exp = 0;
    bool expNegative = false;
    for (char c : w.exponent) {
        if (c == '-')
            expNegative = true;
        else if (IsDigit(c))
            exp = std::min<long long>(exp * 10 + (c - '0'), 1'000'000'000LL);
    }
    if (expNegative) exp = -exp;
    const long long magnitude = w.pointAt - static_cast<long long>(firstNonZero) + exp;
    const double inf = std::numeric_limits<double>::infinity();
    if (magnitude > 0) return w.negative ? -inf : inf;
    return w.negative ? -0.0 : 0.0;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

template <typename Int>
Int RoundTo(double x) {
    if (std::isnan(x)) throw Fault(FaultKind::IntegerOverflow, "is not a whole number in range");
    double r = std::floor(x);
    const double diff = x - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        throw Fault(FaultKind::IntegerOverflow, "holds a number too large for a whole count");
    return static_cast<Int>(r);
}

}  // namespace

double TextToNumber(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    const std::string_view core = text.substr(begin, end - begin);
    Written w;
    std::size_t pos = 0;
    if (!ReadNumber(core, pos, w) || pos != core.size()) throw NotANumber();
    // "1E" or "1E+" leave the exponent letter unread, so they fail the check above.
    const double value = ValueOf(w);
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
    if (!ReadNumber(packed, pos, w)) return 0.0;
    return ValueOf(w);
}

std::string NumberToText(double x) {
    if (!std::isfinite(x)) throw Fault(FaultKind::Arithmetic, "overflows the range of numbers");
    if (x == 0.0) return "0";
    // d.dddddddddddddde+XX, correctly rounded to 15 significant digits.
    std::array<char, 40> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific, 14);
    const std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const bool negative = sci.front() == '-';
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (IsDigit(c)) digits += c;
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
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

std::int16_t RoundToInteger(double x) { return RoundTo<std::int16_t>(x); }
std::int32_t RoundToInteger32(double x) { return RoundTo<std::int32_t>(x); }

std::string IntegerToText(std::int64_t n) { return std::to_string(n); }

std::int16_t TextToInteger(std::string_view text) { return RoundToInteger(TextToNumber(text)); }
std::int32_t TextToInteger32(std::string_view text) { return RoundToInteger32(TextToNumber(text)); }

}  // namespace ampora
