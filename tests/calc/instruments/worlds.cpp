// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worlds for the instruments' rule properties (see support/rule_properties.h): a few
// quantities chosen, the others from the physical laws.
#include "calc/instruments/ammeter.h"
#include "calc/instruments/oscilloscope.h"
#include "support/rule_properties.h"

using namespace ampora;
using test::Pick;
using test::Random;
using test::World;

namespace {

// Selectivity and deflection chosen: the period is their product, the frequency its
// reciprocal and the wavelength the distance the unit's 3 x 10^8 m/s covers in a period.
World Oscilloscope(Random& random, const World*) {
    using namespace oscilloscope;
    constexpr double kSpeed = 3e8;
    std::vector<double> x(kFrequencyBoxCount);
    x[Hs] = Pick(random, 1e-6, 0.1);
    x[Hd] = Pick(random, 0.5, 10);
    x[T] = x[Hs] * x[Hd];
    x[F] = 1 / x[T];
    x[W] = kSpeed * x[T];
    return {x};
}

const test::RegisterCalculator kOscilloscope({
    .name = "oscilloscope frequency",
    .pass = &oscilloscope::FrequencyRules(),
    .press = test::PassPressed<oscilloscope::FrequencyRules>,
    .world = Oscilloscope,
    .ledger = R"(
Time Period: worked out from 13 of the 16 given sets without it; texts 361823de
Frequency: worked out from 13 of the 16 given sets without it; texts c6520908
Horizontal Deflection: worked out from 7 of the 16 given sets without it; texts c87bc658
Horizontal Selectivity: worked out from 7 of the 16 given sets without it; texts de4bb8da
Wave Length: worked out from 13 of the 16 given sets without it; texts 0d5f9fe1
)",
});

// The shunt carries the rest of the total current at the galvanometer's voltage:
// Ig Rg = (I - Ig) Rs.
World Ammeter(Random& random, const World*) {
    using namespace ammeter;
    std::vector<double> x(kBoxCount);
    x[I] = Pick(random, 1, 100);
    x[Ig] = x[I] * Pick(random, 1e-3, 0.5);
    x[Rg] = Pick(random, 1, 1000);
    x[Rs] = x[Ig] * x[Rg] / (x[I] - x[Ig]);
    return {x};
}

const test::RegisterCalculator kAmmeter({
    .name = "ammeter",
    .pass = &ammeter::Rules(),
    .press = test::PassPressed<ammeter::Rules>,
    .world = Ammeter,
    .ledger = R"(
Shunt Resistance: worked out from 1 of the 8 given sets without it; texts f28f4809
Galvanometer Current: worked out from 1 of the 8 given sets without it; texts b90ce4b3
Galvanometer Resistance: worked out from 1 of the 8 given sets without it; texts 8d97ce0e
Total Current: worked out from 1 of the 8 given sets without it; texts 9d23e097
)",
});

}  // namespace
