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
Time Period: worked out from 13 of the 16 given sets without it; texts 12c4a138, mixed 1b2d8809 614087f6 47fc29e8, zeros 9c3164fd
Frequency: worked out from 13 of the 16 given sets without it; texts 78ac8ce3, mixed 07689500 048174c8 d5c42614, zeros dba9882c
Horizontal Deflection: worked out from 7 of the 16 given sets without it; texts 1ae340f1, mixed 24b20815 83044275 e7027bea, zeros 4957b73b
Horizontal Selectivity: worked out from 7 of the 16 given sets without it; texts 1fb7a762, mixed 4d770580 ff462f13 876d8c73, zeros 142c07f2
Wave Length: worked out from 13 of the 16 given sets without it; texts 1c8c44f1, mixed 2263d888 9aa192fe edb8acb9, zeros c4446f1f
Time Period rule 1 (from Horizontal Selectivity, Horizontal Deflection): texts 059b02d9
Time Period rule 2 (from Frequency): texts dc293ecc
Time Period rule 3 (from Wave Length): texts 311ce48e
Frequency rule 1 (from Horizontal Selectivity, Horizontal Deflection): texts c2adf929
Frequency rule 2 (from Time Period): texts 337e4b29
Frequency rule 3 (from Wave Length): texts 283342fd
Horizontal Deflection rule 1 (from Horizontal Selectivity, Time Period): texts f6a050ce
Horizontal Deflection rule 2 (from Horizontal Selectivity, Frequency): texts 655c7b2b
Horizontal Selectivity rule 1 (from Horizontal Deflection, Time Period): texts 955cc7f0
Horizontal Selectivity rule 2 (from Horizontal Deflection, Frequency): texts 0c7642b4
Wave Length rule 1 (from Time Period): texts 980b7fe0
Wave Length rule 2 (from Frequency): texts 84068f25
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
Shunt Resistance: worked out from 1 of the 8 given sets without it; texts 27df395c, mixed 3c81930d c17ea1aa 1f59296a, zeros c45b0798
Galvanometer Current: worked out from 1 of the 8 given sets without it; texts eac4a754, mixed 811dc067 73825189 ae88ae97, zeros 037dd98f
Galvanometer Resistance: worked out from 1 of the 8 given sets without it; texts 9f972c7d, mixed 2cedbeb8 3d0dd6f4 7458c58e, zeros 58855f44
Total Current: worked out from 1 of the 8 given sets without it; texts c966cd76, mixed 40cb5aeb f72b578e 685477a2, zeros c0508e0d
Shunt Resistance rule 1 (from Total Current, Galvanometer Current, Galvanometer Resistance): texts 2bb20746
Galvanometer Current rule 1 (from Total Current, Galvanometer Resistance, Shunt Resistance): texts 7f5cc67c
Galvanometer Resistance rule 1 (from Total Current, Galvanometer Current, Shunt Resistance): texts f3ae4455
Total Current rule 1 (from Galvanometer Current, Galvanometer Resistance, Shunt Resistance): texts 4969e292
)",
});

}  // namespace
