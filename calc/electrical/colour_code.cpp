// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colour_code.h"

#include "core/conversions.h"

namespace ampora::colour_code {
namespace {

const char* const kNominal = kBoxes.rows[Ans].quantity;

// Ten to the third band's digit, as its text shows it; the bands' digits times that; the
// least and the greatest value the tolerance t allows, the greatest from the tolerance
// amount as its text shows it.
const Relation kMultiplier([](X x) { return Pow(Term(10), x[0]); });
const Relation kNominalValue([](X x) { return x[0] * x[1]; });
const Relation kLeast([](X x) { return x[0] - x[0] * x[1]; });
const Relation kGreatest([](X x) { return x[0] + Rounded(x[0] * x[1], "tolerance"); });

// The first character of a list's text, or "" for an empty one.
std::string First(const std::string& text) { return text.substr(0, 1); }

Fault NoColour(Band band, const std::string& alsoMissing = {}) {
    const std::string reason = alsoMissing.empty()
                                   ? "has no colour picked. Pick a colour from its list"
                                   : "has no colour picked, and neither has the " + alsoMissing +
                                         " box. Pick a colour from at least one of them";
    return Fault(FaultKind::Conversion, reason, kBands.rows[band].quantity, kNominal);
}

// Reads a band's digit; a character that is not one names the band in the fault.
Num Digits(const std::string& text, Band band) {
    try {
        return TextToNumber(text);
    } catch (const Fault& fault) {
        throw fault.withOperand(kBands.rows[band].quantity).withTarget(kNominal);
    }
}

}  // namespace

Outcome Solve(const Bands& bands, Boxes boxes, Steps* steps) {
    Outcome outcome{std::move(boxes), std::nullopt};
    Boxes& out = outcome.boxes;
    outcome.fault = Untrapped([&] {
        // Nominal value: the first two digits joined as text, times ten to the third.
        // With one of the first two bands unpicked, the other's digit stands alone.
        const std::string unit = First(bands[Unit]);
        const std::string tens = First(bands[Tens]);
        if (IsEmpty(unit) && IsEmpty(tens)) throw NoColour(Unit, kBands.rows[Tens].quantity);
        const bool unitReadable = IsEmpty(unit) || (unit[0] >= '0' && unit[0] <= '9');
        const std::string digits = unit + tens;
        const Band digitsBand = unitReadable ? Tens : Unit;
        Digits(digits, digitsBand);
        const std::string power = First(bands[Pten]);
        if (IsEmpty(power)) throw NoColour(Pten);
        const auto work = [&](const char* name, const Relation& relation, std::span<const Operand> operands) {
            try {
                return Work(name, relation, {operands}, steps);
            } catch (const Fault& fault) {
                throw fault.withTarget(kNominal);
            }
        };
        const Operand band[] = {{kBands.rows[Pten].name, kBands.rows[Pten].quantity, &power}};
        const std::string multiplier = work("multiplier", kMultiplier, band);
        const Operand factors[] = {{"digits", kBands.rows[digitsBand].quantity, &digits},
                                   {"multiplier", "multiplier", &multiplier}};
        out[Ans] = work(kBoxes.rows[Ans].name, kNominalValue, factors);

        // Only an exact "G" is gold (5 %); anything else, an unpicked band too, counts as 10 %.
        const std::string t = First(bands[Toller]) == "G" ? "0.05" : "0.1";
        const Operand tolerance[] = {{kBoxes.rows[Ans].name, kNominal, &out[Ans]}, {"t", "Tolerance", &t}};
        out[Minv] = work(kBoxes.rows[Minv].name, kLeast, tolerance);
        out[Maxv] = work(kBoxes.rows[Maxv].name, kGreatest, tolerance);
    });
    return outcome;
}

}  // namespace ampora::colour_code
