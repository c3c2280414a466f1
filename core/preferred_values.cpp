// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preferred_values.h"

#include "conversions.h"
#include "decimal_text.h"
#include "reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace ampora {
namespace {

// IEC 60063's tables, one decade each. E6 to E24 are not the rounded powers of ten
// (2.7, 3.0 to 4.7 and 8.2 differ from them), and E192 prints 9.20 where the power would
// give 9.19.
constexpr short kE6[] = {10, 15, 22, 33, 47, 68};
constexpr short kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr short kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                          33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr short kE48[] = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
                          215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
                          464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr short kE96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                          147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                          215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                          316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                          464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                          681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr short kE192[] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126,
    127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160,
    162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328,
    332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530,
    536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// The decades the standard's values are given over for each kind of part: the exponents
// of the smallest and of the largest value.
struct Range {
    long long lowest, highest;
};

std::optional<Range> RangeOf(Parts parts) {
    switch (parts) {
        case Parts::Resistor:
            return Range{-3, 11};  // 1 mΩ to 100 GΩ
        case Parts::Capacitor:
            return Range{-12, 1};  // 1 pF to 10 F
        case Parts::Inductor:
            return Range{-9, 2};  // 1 nH to 100 H
        default:
            return std::nullopt;
    }
}

double ValueOf(const DecimalNumber& d) { return TextToNumber(d.text()); }

// `figures`-digit `entry` times ten to the power `exponent` of its first digit, as a
// double: one multiplication or division by a power of ten that a double holds exactly,
// so that every build works out the same deviations.
double Scaled(long long entry, int figures, long long exponent) {
    static constexpr double kExact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const long long shift = exponent - figures + 1;  // every part's range keeps it within 22
    return shift >= 0 ? double(entry) * kExact[shift] : double(entry) / kExact[-shift];
}

// A standard value, `figures`-digit `entry` with its first digit at `exponent`.
Preferred Found(long long entry, int figures, long long exponent, double of) {
    return {DecimalNumber::of(false, std::to_string(entry), 1, exponent),
            (Scaled(entry, figures, exponent) - of) / of * 100};
}

// The first `figures` digits of `value` as a whole number, and whether any digit beyond
// them is not zero.
long long Leading(const DecimalNumber& value, int figures, bool& more) {
    long long lead = 0;
    for (int k = 0; k < figures; ++k)
        lead = lead * 10 + (k < int(value.digits.size()) ? value.digits[std::size_t(k)] - '0' : 0);
    more = int(value.digits.size()) > figures;
    return lead;
}

constexpr std::string_view kColours[] = {"black", "brown", "red",    "orange", "yellow",
                                         "green", "blue",  "violet", "grey",   "white"};

std::vector<std::string_view> Bands(const DecimalNumber& value, std::size_t figures,
                                    std::string_view tolerance) {
    if (value.isZero() || value.negative || value.digits.size() > figures) return {};
    const long long multiplier = value.exponent - static_cast<long long>(figures) + 1;
    if (multiplier < -2 || multiplier > 9) return {};
    std::vector<std::string_view> bands;
    std::string digits = value.digits;
    digits.resize(figures, '0');
    for (const char d : digits) bands.push_back(kColours[d - '0']);
    bands.push_back(multiplier == -2 ? "silver" : multiplier == -1 ? "gold" : kColours[multiplier]);
    bands.push_back(tolerance);
    return bands;
}

}  // namespace

std::string_view SeriesName(Series series) {
    constexpr std::string_view kNames[] = {"E6", "E12", "E24", "E48", "E96", "E192"};
    return kNames[static_cast<int>(series)];
}

std::span<const short> SeriesDecade(Series series) {
    switch (series) {
        case Series::E6:
            return kE6;
        case Series::E12:
            return kE12;
        case Series::E24:
            return kE24;
        case Series::E48:
            return kE48;
        case Series::E96:
            return kE96;
        case Series::E192:
            return kE192;
    }
    return {};
}

namespace {

Neighbours NearestTo(Series series, const DecimalNumber& value, double of, const Range& range) {
    Neighbours found;
    // Beyond the standard's decades the nearest values are its ends, powers of ten that
    // every series begins its decades with.
    if (value.exponent >= range.highest && !(value.exponent == range.highest && value.digits == "1")) {
        found.below = Found(1, 1, range.highest, of);
        return found;
    }
    if (value.exponent < range.lowest) {
        found.above = Found(1, 1, range.lowest, of);
        return found;
    }
    const std::span<const short> decade = SeriesDecade(series);
    const int figures = decade.front() >= 100 ? 3 : 2;
    bool more = false;
    const long long lead = Leading(value, figures, more);
    // The first entry above the value's leading digits, and the one before it.
    const auto above = std::upper_bound(decade.begin(), decade.end(), lead);
    found.below = Found(*(above - 1), figures, value.exponent, of);
    if (above[-1] == lead && !more)
        found.above = found.below;
    else if (above != decade.end())
        found.above = Found(*above, figures, value.exponent, of);
    else
        found.above = Found(1, 1, value.exponent + 1, of);
    return found;
}

}  // namespace

Neighbours NearestIn(Series series, const DecimalNumber& value, Parts parts) {
    const std::optional<Range> range = RangeOf(parts);
    if (!range || value.isZero() || value.negative) return {};
    return NearestTo(series, value, ValueOf(value), *range);
}

std::optional<Preferred> Nearest(const Neighbours& n) {
    if (!n.below || !n.above) return n.below ? n.below : n.above;
    return std::abs(n.above->deviation) < std::abs(n.below->deviation) ? n.above : n.below;
}

std::vector<std::string_view> FourBands(const DecimalNumber& e24) { return Bands(e24, 2, "gold"); }
std::vector<std::string_view> FiveBands(const DecimalNumber& e96) { return Bands(e96, 3, "brown"); }

std::optional<DecimalNumber> RatedCurrentAtOrAbove(const DecimalNumber& current) {
    // IEC 60269-1's rated currents of fuse-links, in amperes.
    constexpr short kRated[] = {2,  4,   6,   8,   10,  12,  16,  20,  25,  32,  40,  50,   63,
                                80, 100, 125, 160, 200, 250, 315, 400, 500, 630, 800, 1000, 1250};
    if (current.isZero() || current.negative) return std::nullopt;
    const double amperes = ValueOf(current);
    for (const short rated : kRated)
        if (rated >= amperes) return DecimalNumber::strictly(std::to_string(rated));
    return std::nullopt;
}

std::string DeviationText(double percent) {
    // Three significant digits, correctly rounded by <charconv> where the C++ library has
    // it and by every C library's printf ("-1.12e+01").
    char scientific[32];
#ifdef AMPORA_DECIMAL_CHARCONV
    const auto written = std::to_chars(scientific, scientific + sizeof scientific - 1, percent,
                                       std::chars_format::scientific, 2);
    *written.ptr = '\0';
#else
    std::snprintf(scientific, sizeof scientific, "%.2e", percent);
#endif
    DecimalNumber d = DecimalNumber::strictly(scientific).value_or(DecimalNumber());
    if (d.isZero()) return "0";
    d.digits.resize(std::max<std::size_t>(d.digits.size(), 3), '0');  // three figures shown: "-3.40"
    return std::string(d.negative ? "-" : "").append(d.laid(d.exponent + 1));
}

PartsFit PartsFitting(const DecimalNumber& value, const SiUnit& unit) {
    PartsFit fit;
    if (unit.parts == Parts::Fuse) {
        fit.rated = RatedCurrentAtOrAbove(value);
        return fit;
    }
    const std::optional<Range> range = RangeOf(unit.parts);
    if (!range || value.isZero() || value.negative) return fit;
    const double of = ValueOf(value);
    for (const Series series : kSeries) fit.series.emplace_back(series, NearestTo(series, value, of, *range));
    if (unit.parts != Parts::Resistor) return fit;
    for (const auto& [series, neighbours] : fit.series) {
        const std::optional<Preferred> nearest = Nearest(neighbours);
        if (!nearest) continue;
        if (series == Series::E24) fit.fourBands = FourBands(nearest->value);
        if (series == Series::E96) fit.fiveBands = FiveBands(nearest->value);
    }
    return fit;
}

namespace {

std::string Bands(std::string_view name, const std::vector<std::string_view>& bands) {
    std::string out(name);
    for (std::string_view band : bands) out.append(" ").append(band);
    return out;
}

}  // namespace

std::string PartsLine(const PartsFit& parts, const SiUnit& unit) {
    if (parts.rated) return std::string("rated current ").append(EngineeringReading(*parts.rated, unit));
    std::string line;
    for (const auto& [series, neighbours] : parts.series) {
        if (!line.empty()) line += "; ";
        line += SeriesName(series);
        for (const auto* p : {&neighbours.below, &neighbours.above}) {
            if (!*p || (p == &neighbours.above && neighbours.below &&
                        neighbours.below->value.text() == neighbours.above->value.text()))
                continue;
            const std::string deviation = DeviationText((*p)->deviation);
            // A true minus sign, as print has it; a plus for a value above.
            const std::string sign = deviation.starts_with('-') ? "\u2212" : deviation == "0" ? "" : "+";
            line.append(" ").append(EngineeringReading((*p)->value, unit)).append(" (").append(sign);
            line.append(deviation.starts_with('-') ? deviation.substr(1) : deviation).append(" %)");
        }
    }
    if (!parts.fourBands.empty() || !parts.fiveBands.empty()) {
        line += "; bands";
        if (!parts.fourBands.empty()) line += Bands(" E24", parts.fourBands);
        if (!parts.fourBands.empty() && !parts.fiveBands.empty()) line += ",";
        if (!parts.fiveBands.empty()) line += Bands(" E96", parts.fiveBands);
    }
    return line;
}

}  // namespace ampora
