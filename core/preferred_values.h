// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "decimal_number.h"
#include "si_unit.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The standard values a part comes in: the E series of preferred numbers for resistors,
// capacitors and inductors (IEC 60063), the colour bands that mark a resistor's value
// (IEC 60062), and the rated currents of fuse-links (IEC 60269-1).
namespace ampora {

enum class Series { E6, E12, E24, E48, E96, E192 };
inline constexpr std::array<Series, 6> kSeries = {Series::E6,  Series::E12, Series::E24,
                                                  Series::E48, Series::E96, Series::E192};

// "E24".
std::string_view SeriesName(Series series);
// One decade of the series as the standard prints it, in significant digits: two for E6
// to E24 ("47" for 4.7), three for E48 to E192 ("523" for 5.23).
std::span<const short> SeriesDecade(Series series);

// A standard value and how far it lies from the value it was found for, in per cent.
struct Preferred {
    DecimalNumber value;
    double deviation;
};

// The nearest values of `series` at or below and at or above `value`, among the
// standard's decades for the part (resistors 1 mΩ to 100 GΩ, capacitors 1 pF to 10 F,
// inductors 1 nH to 100 H); either is missing beyond them, both for a value that is not
// above 0.
struct Neighbours {
    std::optional<Preferred> below, above;
};
Neighbours NearestIn(Series series, const DecimalNumber& value, Parts parts);

// The one of the two nearer to the value (the lower where they are as near).
std::optional<Preferred> Nearest(const Neighbours& neighbours);

// A resistor's colour bands, first to last, in English ("green", "brown", "gold"): for a
// value of E24, its two digits, its multiplier and the tolerance of E24 (gold, 5 %); for a
// value of E96, its three digits, its multiplier and the tolerance of E96 (brown, 1 %).
// None where the multiplier lies beyond silver (0.01) and white (10^9).
std::vector<std::string_view> FourBands(const DecimalNumber& e24);
std::vector<std::string_view> FiveBands(const DecimalNumber& e96);

// The smallest standard rated current of a fuse-link at or above `current`, in amperes:
// none above 1250 A or for a current that is not above 0.
std::optional<DecimalNumber> RatedCurrentAtOrAbove(const DecimalNumber& current);

// A deviation in per cent with 3 significant digits: "-11.2", "5.86", "-3.40", "0".
std::string DeviationText(double percent);

// The standard parts a value of `unit` fits: for a resistor, a capacitor or an inductor,
// its neighbours in every series (kSeries' order); for a resistor also the colour bands
// of its nearest values in E24 and in E96; for a fuse, the rated current at or above it.
struct PartsFit {
    std::vector<std::pair<Series, Neighbours>> series;
    std::vector<std::string_view> fourBands, fiveBands;
    std::optional<DecimalNumber> rated;

    bool empty() const { return series.empty() && !rated; }
};
PartsFit PartsFitting(const DecimalNumber& value, const SiUnit& unit);

// The parts on one line, values read with their unit: "E6 470 Ω (−11.2 %) 680 Ω
// (+28.5 %); …; bands E24 green brown brown gold, E96 …", or "rated current 16 A"; a value
// that is itself a standard one is named once, "(0 %)".
std::string PartsLine(const PartsFit& parts, const SiUnit& unit);

}  // namespace ampora
