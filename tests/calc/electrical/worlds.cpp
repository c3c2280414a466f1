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
Power: worked out from 41 of the 64 given sets without it; texts d6ddad3b
Voltage: worked out from 43 of the 64 given sets without it; texts 05d8b90e
Current: worked out from 44 of the 64 given sets without it; texts 0d427b88
Resistance: worked out from 42 of the 64 given sets without it; texts d434cee9
Charge: worked out from 38 of the 64 given sets without it; texts 9ca7b3d3
Work done: worked out from 38 of the 64 given sets without it; texts eadeb3b3
Time: worked out from 38 of the 64 given sets without it; texts d2caca4a
pre-empted: Charge from Power, Current, Resistance, Time, by Charge from Current, Time
pre-empted: Charge from Current, Voltage, Resistance, Time, by Charge from Current, Time
pre-empted: Time from Power, Current, Resistance, Charge, by Time from Current, Charge
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
Average value: worked out from 7 of the 8 given sets without it; texts ba64047e
Peak value: worked out from 7 of the 8 given sets without it; texts dfe0eda7
Peak-to-peak value: worked out from 7 of the 8 given sets without it; texts b8423244
rms value: worked out from 7 of the 8 given sets without it; texts 37849b63
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
Resistance: worked out from 1 of the 2 given sets without it; texts 984b6a15
Conductance: worked out from 1 of the 2 given sets without it; texts a966a6a7
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
Voltage: worked out from 1 of the 4 given sets without it; texts 98875472
Current: worked out from 1 of the 4 given sets without it; texts 274465f2
Resistance: worked out from 1 of the 4 given sets without it; texts 1305b3dd
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
Voltage: worked out from 2 of the 8 given sets without it; texts 86f1a0a6
Charge: worked out from 2 of the 8 given sets without it; texts 7c99355c
Capacitance: worked out from 2 of the 8 given sets without it; texts a0d32203
Energy: worked out from 4 of the 8 given sets without it; texts 5593d18b
)",
});

}  // namespace
