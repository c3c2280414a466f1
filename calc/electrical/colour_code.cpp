// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colour_code.h"

#include "core/conversions.h"

namespace ampora::colour_code {
namespace {

const char kNominal[] = "Nominal Value";

// The first character of a list's text, or "" for an empty one.
std::string First(const std::string& text) { return text.substr(0, 1); }

Fault NoColour(Band band, const std::string& alsoMissing = {}) {
    const std::string reason = alsoMissing.empty()
                                   ? "has no colour picked. Pick a colour from its list"
                                   : "has no colour picked, and neither has the " + alsoMissing +
                                         " box. Pick a colour from at least one of them";
    return Fault(FaultKind::Conversion, reason, kBandNames[band], kNominal);
}

// Reads a band's digit; a character that is not one names the band in the fault.
Num Digits(const std::string& text, Band band) {
    try {
        return TextToNumber(text);
    } catch (const Fault& fault) {
        throw fault.withOperand(kBandNames[band]).withTarget(kNominal);
    }
}

}  // namespace

Outcome Solve(const Bands& bands, Boxes boxes) {
    Outcome outcome{std::move(boxes), std::nullopt};
    Boxes& out = outcome.boxes;
    outcome.fault = Untrapped([&] {
        // Nominal value: the first two digits joined as text, times ten to the third.
        // With one of the first two bands unpicked, the other's digit stands alone.
        const std::string unit = First(bands[Unit]);
        const std::string tens = First(bands[Tens]);
        if (IsEmpty(unit) && IsEmpty(tens)) throw NoColour(Unit, kBandNames[Tens]);
        const bool unitReadable = IsEmpty(unit) || (unit[0] >= '0' && unit[0] <= '9');
        const Num digits = Digits(unit + tens, unitReadable ? Tens : Unit);
        const std::string power = First(bands[Pten]);
        if (IsEmpty(power)) throw NoColour(Pten);
        const Num multiplier = LeadingNumber(NumberToText(Pow(10, Digits(power, Pten)).value()));
        out[Ans] = NumberToText((digits * multiplier).value());

        // Only an exact "G" is gold (5 %); anything else, an unpicked band too, counts as 10 %.
        const Num t = First(bands[Toller]) == "G" ? 0.05 : 0.1;
        const auto n = [&out] { return Num(TextToNumber(out[Ans])); };
        out[Minv] = NumberToText((n() - n() * t).value());
        // The tolerance amount goes through text before it is added; the minimum's does not.
        out[Maxv] = NumberToText((n() + LeadingNumber(NumberToText((n() * t).value()))).value());
    });
    return outcome;
}

}  // namespace ampora::colour_code
