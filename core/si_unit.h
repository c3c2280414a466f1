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

struct Unit {
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
inline constexpr Unit kNumber{};  // a count, a ratio, a value in whatever unit was typed
inline constexpr Unit kWatt{"W", true};
inline constexpr Unit kAmpere{"A", true};
inline constexpr Unit kVolt{"V", true};
inline constexpr Unit kOhm{"Ω", true, 1, Parts::Resistor};
inline constexpr Unit kJoule{"J", true};
inline constexpr Unit kCoulomb{"C", true};
inline constexpr Unit kSecond{"s", true};
inline constexpr Unit kSiemens{"S", true};
inline constexpr Unit kFarad{"F", true, 1, Parts::Capacitor};
inline constexpr Unit kHenry{"H", true, 1, Parts::Inductor};
inline constexpr Unit kWeber{"Wb", true};
inline constexpr Unit kTesla{"T", true};
inline constexpr Unit kAmperePerMetre{"A/m", true};
inline constexpr Unit kAmperePerWeber{"A/Wb", true};
inline constexpr Unit kNewton{"N", true};
inline constexpr Unit kMetre{"m", true};
inline constexpr Unit kSquareMetre{"m²", true, 2};
inline constexpr Unit kMetrePerSecond{"m/s", true};
inline constexpr Unit kHertz{"Hz", true};
inline constexpr Unit kVoltPerDivision{"V/div", true};
inline constexpr Unit kSecondPerDivision{"s/div", true};
inline constexpr Unit kDegree{"°"};
inline constexpr Unit kFuseCurrent{"A", true, 1, Parts::Fuse};
}  // namespace units

}  // namespace ampora
