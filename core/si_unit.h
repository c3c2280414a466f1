// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The S.I. unit of the quantity a box holds, as its readings write it and as prefixed
// input reads it: its symbol, whether it takes an S.I. prefix, and the standard parts
// that fit a value of it. A box's caption may name another unit (the forms say "webers"
// beside a flux density); its unit here is the one the relations give.
namespace ampora {

// The standard parts a value can be matched to.
enum class Parts {
    None,
    Resistor,   // IEC 60063's E series, and the colour bands of IEC 60062
    Capacitor,  // the E series
    Inductor,   // the E series
    Fuse,       // the rated currents of IEC 60269-1
};

// How a form reads a box's text: strictly (a text that is no number has no value) or
// leniently (its leading number, as LeadingNumber reads it: "90 ohms" counts as 90).
enum class Reading { Strict, Lenient };

struct SiUnit {
    const char* symbol = "";  // UTF-8: "Ω", "A/m", "m²", "°"; "" for a plain number
    // Whether a prefix goes before the symbol ("434.783 mA"); angles, counts and ratios
    // take none.
    bool prefixed = false;
    // The power the prefix is raised to with the symbol: 2 for "m²" (a square
    // millimetre is 10^-6 m²), else 1.
    int power = 1;
    Parts parts = Parts::None;
};

namespace units {
inline constexpr SiUnit kNumber{};  // a count, a ratio, a value in whatever unit was typed
inline constexpr SiUnit kWatt{"W", true};
inline constexpr SiUnit kAmpere{"A", true};
inline constexpr SiUnit kVolt{"V", true};
inline constexpr SiUnit kOhm{"Ω", true, 1, Parts::Resistor};
inline constexpr SiUnit kJoule{"J", true};
inline constexpr SiUnit kCoulomb{"C", true};
inline constexpr SiUnit kSecond{"s", true};
inline constexpr SiUnit kSiemens{"S", true};
inline constexpr SiUnit kFarad{"F", true, 1, Parts::Capacitor};
inline constexpr SiUnit kHenry{"H", true, 1, Parts::Inductor};
inline constexpr SiUnit kWeber{"Wb", true};
inline constexpr SiUnit kTesla{"T", true};
inline constexpr SiUnit kAmperePerMetre{"A/m", true};
inline constexpr SiUnit kAmperePerWeber{"A/Wb", true};
inline constexpr SiUnit kNewton{"N", true};
inline constexpr SiUnit kMetre{"m", true};
inline constexpr SiUnit kSquareMetre{"m²", true, 2};
inline constexpr SiUnit kMetrePerSecond{"m/s", true};
inline constexpr SiUnit kHertz{"Hz", true};
inline constexpr SiUnit kVoltPerDivision{"V/div", true};
inline constexpr SiUnit kSecondPerDivision{"s/div", true};
inline constexpr SiUnit kDegree{"°"};
inline constexpr SiUnit kFuseCurrent{"A", true, 1, Parts::Fuse};
}  // namespace units

}  // namespace ampora
