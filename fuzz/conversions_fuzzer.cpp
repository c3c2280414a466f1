// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The conversions between box text and numbers, fed arbitrary bytes. Each input is used
// as a box's text, and its first eight bytes (and the number the text holds, if any) as
// a double.
#include "core/conversions.h"
#include "core/fault.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace ampora;

// x rounded to 15 significant digits, by the C library rather than by the code under test.
double Round15(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    return std::strtod(buf, nullptr);
}

template <typename Int, typename Round>
void CheckRounding(double x, Round round) {
    // The default rounding mode is to nearest, ties to even.
    const double expected = std::nearbyint(x);
    const bool inRange = !std::isnan(x) && expected >= double(std::numeric_limits<Int>::min()) &&
                         expected <= double(std::numeric_limits<Int>::max());
    try {
        const Int got = round(x);
        FUZZ_CHECK(inRange, "%.17g was rounded to %lld though outside the range", x, (long long)got);
        FUZZ_CHECK(double(got) == expected, "%.17g rounded to %lld, not %.17g", x, (long long)got, expected);
    } catch (const Fault&) {
        FUZZ_CHECK(!inRange, "%.17g faulted though it rounds to %.17g", x, expected);
    }
}

void CheckNumber(double x) {
    CheckRounding<std::int16_t>(x, RoundToInteger);

    if (!std::isfinite(x)) {
        bool faulted = false;
        try {
            NumberToText(x);
        } catch (const Fault&) {
            faulted = true;
        }
        FUZZ_CHECK(faulted, "a non-finite number was written as text");
        return;
    }
    const std::string text = NumberToText(x);
    FUZZ_CHECK(!text.empty(), "%.17g gave no text", x);
    FUZZ_CHECK(!HasInfOrNan(text), "%.17g gave \"%s\"", x, text.c_str());
    // No negative zero: "-0" may only begin a fraction such as "-0.5".
    FUZZ_CHECK(text.rfind("-0", 0) != 0 || text.rfind("-0.", 0) == 0, "%.17g gave \"%s\"", x, text.c_str());
    FUZZ_CHECK(text.front() != ' ' && text.front() != '+', "%.17g gave \"%s\"", x, text.c_str());

    const double expected = Round15(x);
    if (std::isinf(expected)) {
        // Within a hair of the largest double the 15-digit text lies beyond the range
        // ("1.79769313486232E+308"); reading it back is then a conversion fault.
        bool faulted = false;
        try {
            TextToNumber(text);
        } catch (const Fault& fault) {
            faulted = fault.kind() == FaultKind::Conversion;
        }
        FUZZ_CHECK(faulted, "\"%s\" lies beyond the range but was read", text.c_str());
        return;
    }
    const double back = TextToNumber(text);  // a fault here escapes and is reported
    FUZZ_CHECK(back == expected, "%.17g gave \"%s\", which reads back as %.17g, not %.17g", x, text.c_str(),
               back, expected);
    FUZZ_CHECK(LeadingNumber(text) == back, "\"%s\" reads differently leniently", text.c_str());
    FUZZ_CHECK(NumberToText(back) == text, "\"%s\" is not written back the same", text.c_str());

    const double magnitude = std::fabs(back);
    const bool plain = back == 0 || (magnitude >= 1e-4 && magnitude < 1e15);
    FUZZ_CHECK(plain == (text.find('E') == std::string::npos), "%.17g gave \"%s\"", x, text.c_str());
}

void CheckText(std::string_view text) {
    double lenient = 0;
    try {
        lenient = LeadingNumber(text);
    } catch (...) {
        FUZZ_CHECK(false, "LeadingNumber threw");
    }
    FUZZ_CHECK(!std::isnan(lenient), "LeadingNumber gave NaN");

    bool accepted = false;
    double strict = 0;
    try {
        strict = TextToNumber(text);
        accepted = true;
    } catch (const Fault& fault) {
        FUZZ_CHECK(fault.kind() == FaultKind::Conversion, "TextToNumber faulted with another kind");
    }
    if (accepted) {
        FUZZ_CHECK(std::isfinite(strict), "TextToNumber returned %g", strict);
        FUZZ_CHECK(lenient == strict, "strictly %.17g, leniently %.17g", strict, lenient);
        CheckNumber(strict);
    }

    bool integer = false;
    try {
        RoundToInteger(TextToNumber(text));
        integer = true;
    } catch (const Fault&) {
    }
    if (integer) FUZZ_CHECK(accepted, "a whole count was read from text TextToNumber refuses");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckText(text);
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        CheckNumber(x);
    }
    return 0;
}
