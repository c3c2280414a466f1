// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worlds for the electrical calculators' rule properties (see support/rule_properties.h):
// a few quantities chosen, the others from the physical laws.
#include "calc/electrical/alternating_current.h"
#include "calc/electrical/basic_electricity.h"
#include "calc/electrical/capacitance.h"
#include "calc/electrical/conductance.h"
#include "calc/electrical/resistance.h"
#include "support/rule_properties.h"

#include <cmath>

using namespace ampora;
using test::Pick;
using test::Random;
using test::World;

namespace {

// Current, resistance and time chosen; Ohm's law, P = V I, Q = I t and W = P t.
World BasicElectricity(Random& random, const World*) {
    using namespace basic_electricity;
    std::vector<double> x(kBoxCount);
    x[I] = Pick(random, 0.1, 10);
    x[R] = Pick(random, 1, 1000);
    x[T] = Pick(random, 1, 1000);
    x[V] = x[I] * x[R];
    x[P] = x[V] * x[I];
    x[Q] = x[I] * x[T];
    x[W] = x[P] * x[T];
    return {x};
}

const test::RegisterCalculator kBasicElectricity({
    .name = "basic electricity",
    .pass = &basic_electricity::Rules(),
    .press = [](Boxes boxes) { return basic_electricity::Solve(std::move(boxes)); },
    .world = BasicElectricity,
    .ledger = R"(
Power: worked out from 41 of the 64 given sets without it; texts 7b2297cd, mixed ca52e91a 1bd3e17e bc61d9de, zeros b3812b6b
Voltage: worked out from 43 of the 64 given sets without it; texts e12e88ca, mixed aa830729 fca261d9 8fe8c402, zeros cb70eb59
Current: worked out from 44 of the 64 given sets without it; texts 17c6e0d5, mixed f4b00801 c5c4c74a 2d978c88, zeros 58fa6827
Resistance: worked out from 42 of the 64 given sets without it; texts 8f5c5cec, mixed 9f501b33 f9bf7aa6 0133ad29, zeros 01ec7add
Charge: worked out from 38 of the 64 given sets without it; texts 11d11e99, mixed 99660f3a 1967329b 9813845f, zeros 48f17c1b
Work done: worked out from 38 of the 64 given sets without it; texts 65f7ef20, mixed 16aa0ad5 d36d3b2c 503dd758, zeros c5d6bd6e
Time: worked out from 38 of the 64 given sets without it; texts 309c0659, mixed 1216a359 0e683789 f661a466, zeros 94ff456e
Power rule 1 (from Current, Voltage): texts 0a61f369
Power rule 2 (from Current, Resistance): texts b8707242
Power rule 3 (from Voltage, Resistance): texts 0b731a27
Power rule 4 (from Work done, Time): texts 68d9b675
Power rule 5 (from Voltage, Charge, Time): texts b8093b2a
Voltage rule 1 (from Current, Resistance): texts cec0f5c5
Voltage rule 2 (from Power, Current): texts cc27274c
Voltage rule 3 (from Power, Resistance): texts bbca65b4
Voltage rule 4 (from Work done, Charge): texts 6af0a01e
Voltage rule 5 (from Power, Charge, Time): texts 549356b2
Voltage rule 6 (from Current, Work done, Time): texts a8e83a19
Current rule 1 (from Power, Voltage): texts 848a4599
Current rule 2 (from Power, Resistance): texts 1a5abb32
Current rule 3 (from Voltage, Resistance): texts 10b4f660
Current rule 4 (from Charge, Time): texts c7d1d213
Current rule 5 (from Voltage, Work done, Time): texts 75016388
Current rule 6 (from Resistance, Work done, Charge): texts 9f35e966
Current rule 7 (from Resistance, Work done, Time): texts facf40de
Resistance rule 1 (from Power, Current): texts ded0d1a0
Resistance rule 2 (from Current, Voltage): texts 482c9a27
Resistance rule 3 (from Power, Voltage): texts 00ce7f72
Resistance rule 4 (from Current, Work done, Charge): texts 51de2573
Resistance rule 5 (from Current, Work done, Time): texts 3a82a803
Charge rule 1 (from Current, Time): texts 1c13ec7e
Charge rule 2 (from Voltage, Work done): texts f08e6d76
Charge rule 3 (from Power, Voltage, Time): texts 8c1e8ed0
Charge rule 4 (from Power, Current, Resistance, Time): pre-empted by rule 1 (from Current, Time)
Charge rule 5 (from Current, Resistance, Work done): texts b420ee00
Charge rule 6 (from Voltage, Resistance, Time): texts bde0bbc0
Charge rule 7 (from Current, Voltage, Resistance, Time): pre-empted by rule 1 (from Current, Time)
Work done rule 1 (from Power, Time): texts f30cda57
Work done rule 2 (from Voltage, Charge): texts 52cdf544
Work done rule 3 (from Current, Voltage, Time): texts 142738bf
Work done rule 4 (from Current, Resistance, Charge): texts ec69d07f
Work done rule 5 (from Current, Resistance, Time): texts b9f9c25d
Time rule 1 (from Power, Work done): texts e900c528
Time rule 2 (from Current, Charge): texts 587f9f2b
Time rule 3 (from Power, Voltage, Charge): texts 3884db97
Time rule 4 (from Current, Voltage, Work done): texts 47911529
Time rule 5 (from Current, Resistance, Work done): texts 6356f20b
Time rule 6 (from Power, Current, Resistance, Charge): pre-empted by rule 2 (from Current, Charge)
Time rule 7 (from Voltage, Resistance, Charge): texts 3ac28032
)",
});

// The ideal sine wave: the average of the rectified wave is 2 / pi of the peak, the
// peak-to-peak twice the peak, the r.m.s. the peak over root two. The unit's factors are
// the four-figure ones of the users' tables, the farthest (0.899 for 2 root 2 / pi)
// 0.15 % off, and a result goes through at most two of them; their digits are pinned by
// the ledger.
World AlternatingCurrent(Random& random, const World*) {
    using namespace alternating_current;
    constexpr double kPi = 3.14159265358979323846;
    std::vector<double> x(kBoxCount);
    x[Peak] = Pick(random, 0.1, 1000);
    x[Avg] = x[Peak] * 2 / kPi;
    x[P2p] = x[Peak] * 2;
    x[Rms] = x[Peak] / std::sqrt(2.0);
    return {x};
}

const test::RegisterCalculator kAlternatingCurrent({
    .name = "alternating current",
    .pass = &alternating_current::Rules(),
    .press = test::PassPressed<alternating_current::Rules>,
    .world = AlternatingCurrent,
    .tolerance = 3e-3,
    .ledger = R"(
Average value: worked out from 7 of the 8 given sets without it; texts 00061dba, mixed d73efab3 4982aa9b 7ab3f071, zeros 907f2059
Peak value: worked out from 7 of the 8 given sets without it; texts 7c41a4d3, mixed beb1034f 048a7743 1752b96d, zeros 787846ec
Peak-to-peak value: worked out from 7 of the 8 given sets without it; texts ce9356d6, mixed 9f901625 1bec8e43 56ee6e0a, zeros c3f32467
rms value: worked out from 7 of the 8 given sets without it; texts 3d122b81, mixed be5c5b32 88288d55 cfdc228c, zeros ceea05c2
Average value rule 1 (from Peak value): texts a8847959
Average value rule 2 (from Peak-to-peak value): texts ce6c46ac
Average value rule 3 (from rms value): texts ed9418b1
Peak value rule 1 (from Average value): texts cd74ff92
Peak value rule 2 (from Peak-to-peak value): texts ff419871
Peak value rule 3 (from rms value): texts 9dd019bd
Peak-to-peak value rule 1 (from Average value): texts 2d2b3a04
Peak-to-peak value rule 2 (from Peak value): texts d0afcbf9
Peak-to-peak value rule 3 (from rms value): texts fa189412
rms value rule 1 (from Average value): texts f5e37592
rms value rule 2 (from Peak value): texts 5ac6e26f
rms value rule 3 (from Peak-to-peak value): texts b11fd373
)",
});

World Conductance(Random& random, const World*) {
    using namespace conductance;
    std::vector<double> x(kBoxCount);
    x[R] = Pick(random, 1e-3, 1e6);
    x[C] = 1 / x[R];
    return {x};
}

const test::RegisterCalculator kConductance({
    .name = "conductance",
    .pass = &conductance::Rules(),
    .press = test::PassPressed<conductance::Rules>,
    .world = Conductance,
    .ledger = R"(
Resistance: worked out from 1 of the 2 given sets without it; texts 5ab59633, mixed 5ab59633 021a14c9 021a14c9, zeros 29620f91
Conductance: worked out from 1 of the 2 given sets without it; texts 2fbc84d7, mixed 153c95c0 153c95c0 153c95c0, zeros 29620f91
Resistance rule 1 (from Conductance): texts aa3bffe4
Conductance rule 1 (from Resistance): texts a8191849
)",
});

// Ohm's law over the combined resistance; no rows, so the pass alone decides.
World Resistance(Random& random, const World*) {
    using namespace resistance;
    std::vector<double> x(kBoxCount);
    x[Qc] = Pick(random, 1e-3, 10);
    x[Ans] = Pick(random, 1, 1e6);
    x[V] = x[Qc] * x[Ans];
    return {x};
}

const test::RegisterCalculator kResistance({
    .name = "resistance",
    .pass = &resistance::Rules(),
    .press = test::PressedWithoutRows<resistance::Solve>,
    .world = Resistance,
    .ledger = R"(
Voltage: worked out from 1 of the 4 given sets without it; texts fe881268, mixed 118a925a d0e42ae3 7bb598d4, zeros 5fc55f8c
Current: worked out from 1 of the 4 given sets without it; texts bb23a6ea, mixed 0393ed47 449e9ed1 0393ed47, zeros 1c6a1360
Resistance: worked out from 1 of the 4 given sets without it; texts d67bbb56, mixed 5d239388 54366618 54366618, zeros 1c6a1360
Voltage rule 1 (from Current, Resistance): texts 40876ca9
Current rule 1 (from Voltage, Resistance): texts 9a224fb0
Resistance rule 1 (from Voltage, Current): texts d04045ca
)",
});

// Q = C V and the stored energy C V^2 / 2.
World Capacitance(Random& random, const World*) {
    using namespace capacitance;
    std::vector<double> x(kBoxCount);
    x[V] = Pick(random, 1, 1000);
    x[Ans] = Pick(random, 1e-12, 1e-3);
    x[Qc] = x[Ans] * x[V];
    x[E] = x[Ans] * x[V] * x[V] / 2;
    return {x};
}

const test::RegisterCalculator kCapacitance({
    .name = "capacitance",
    .pass = &capacitance::Rules(),
    .press = test::PressedWithoutRows<capacitance::Solve>,
    .world = Capacitance,
    .ledger = R"(
Voltage: worked out from 2 of the 8 given sets without it; texts 102e730d, mixed 53503a30 d52fe7fc 253149a8, zeros 8f62d492
Charge: worked out from 2 of the 8 given sets without it; texts 52491d41, mixed f8ca1c49 d957af3e f8ca1c49, zeros 678d22a0
Capacitance: worked out from 2 of the 8 given sets without it; texts 87836ac9, mixed dc55f8f1 5b45146e 5b45146e, zeros b61bad59
Energy: worked out from 4 of the 8 given sets without it; texts faa8946f, mixed 1b279d97 083e7489 490b48ab, zeros 1815b8b1
Voltage rule 1 (from Charge, Capacitance): texts 7112514c
Charge rule 1 (from Voltage, Capacitance): texts c2502ce0
Capacitance rule 1 (from Voltage, Charge): texts 3a5b058d
Energy rule 1 (from Voltage, Capacitance): texts a3863992
)",
});

}  // namespace
