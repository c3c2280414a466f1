// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preferred_values.h"

#include "conversions.h"

#include <cmath>
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

std::string Digits(short value) {
    std::string digits = std::to_string(value);
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits;
}

// Compares the significant digits of two numbers of the same decade.
int Compare(std::string a, std::string b) {
    a.resize(std::max(a.size(), b.size()), '0');
    b.resize(a.size(), '0');
    return a.compare(b);
}

double ValueOf(const DecimalNumber& d) { return TextToNumber(d.text()); }

Preferred Found(const DecimalNumber& value, double of) { return {value, (ValueOf(value) - of) / of * 100}; }

DecimalNumber PowerOfTen(long long exponent) { return DecimalNumber::of(false, "1", 1, exponent); }

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

Neighbours NearestIn(Series series, const DecimalNumber& value, Parts parts) {
    const std::optional<Range> range = RangeOf(parts);
    if (!range || value.isZero() || value.negative) return {};
    const double of = ValueOf(value);
    Neighbours found;
    // Beyond the standard's decades the nearest values are its ends, powers of ten that
    // every series begins its decades with.
    if (value.exponent >= range->highest && !(value.exponent == range->highest && value.digits == "1")) {
        found.below = Found(PowerOfTen(range->highest), of);
        return found;
    }
    if (value.exponent < range->lowest) {
        found.above = Found(PowerOfTen(range->lowest), of);
        return found;
    }
    const std::span<const short> decade = SeriesDecade(series);
    const auto at = [&](std::size_t k, long long exponent) {
        return DecimalNumber::of(false, std::to_string(decade[k]), 1, exponent);
    };
    for (std::size_t k = decade.size(); k-- > 0;) {
        if (Compare(Digits(decade[k]), value.digits) > 0) continue;
        found.below = Found(at(k, value.exponent), of);
        break;
    }
    for (std::size_t k = 0; k < decade.size() && !found.above; ++k)
        if (Compare(Digits(decade[k]), value.digits) >= 0) found.above = Found(at(k, value.exponent), of);
    if (!found.above) found.above = Found(PowerOfTen(value.exponent + 1), of);
    return found;
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
    const DecimalNumber d = DecimalNumber::strictly(NumberToText(percent))->rounded(3);
    if (d.isZero()) return "0";
    return std::string(d.negative ? "-" : "").append(d.laid(d.exponent + 1));
}

}  // namespace ampora
