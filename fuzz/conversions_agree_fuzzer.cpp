// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two implementations of the conversions' decimal steps (core/decimal_text.h), the
// C++ library's <charconv> and the C library's strtod and snprintf, held against each
// other on arbitrary bytes: the number the input's text holds, read by both; and the
// 15 digits of that number, of its neighbours and of the double in the first eight bytes,
// written by both. The desktop uses the first and the web page the second, so any
// difference is a box that reads differently in the browser.
#include "core/decimal_text.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#ifndef AMPORA_DECIMAL_CHARCONV
#error "comparing the implementations needs the C++ library's floating-point <charconv>"
#endif

namespace {

using namespace ampora::decimal;

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void CheckRounding(double x) {
    if (!std::isfinite(x) || x == 0) return;
    const Digits15 a = RoundByCharconv(x), b = RoundByCLibrary(x);
    FUZZ_CHECK(a.negative == b.negative && a.digits == b.digits && a.exponent == b.exponent,
               "%a: %.15s E%d by <charconv>, %.15s E%d by the C library", x, a.digits.data(), a.exponent,
               b.digits.data(), b.exponent);
}

void CheckReading(std::string_view text) {
    // Every number the text holds, from each place one may start.
    for (std::size_t start = 0; start < text.size(); ++start) {
        Written w;
        std::size_t pos = start;
        if (!Read(text, pos, w)) continue;
        const double a = NearestByCharconv(w), b = NearestByCLibrary(w);
        FUZZ_CHECK(SameBits(a, b), "\"%.*s\" reads as %a by <charconv>, %a by the C library",
                   static_cast<int>(pos - start), text.data() + start, a, b);
        CheckRounding(a);
        CheckRounding(std::nextafter(a, 0.0));
        CheckRounding(std::nextafter(a, a > 0 ? HUGE_VAL : -HUGE_VAL));
        start = pos;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckReading(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        CheckRounding(x);
    }
    return 0;
}
