// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worlds for the magnetism calculators' rule properties (see support/rule_properties.h):
// a few quantities chosen, the others from the physical laws.
#include "calc/magnetism/electro_magnetism.h"
#include "calc/magnetism/inductance.h"
#include "calc/magnetism/transformer.h"
#include "support/rule_properties.h"

#include <cmath>

using namespace ampora;
using test::Pick;
using test::Random;
using test::World;

namespace {

// Turns, current, path length, relative permeability, angle and time chosen; then
// mmf = N I, H = mmf / l, B = mu H, flux = B A, S = l / (mu A), L = N flux / I,
// F = B I l sin, e = flux / t and v = e / (B l sin). mu is the unit's, 4 x 3.14 x 1E-7
// times the relative permeability, and the angle is in degrees. The unit's rules that
// give the flux from the mmf alone (flux = mu mmf, and those built on it) hold only
// where the area equals the length in number, so this world has A = l.
World ElectroMagnetism(Random& random, const World* like) {
    using namespace electro_magnetism;
    constexpr double kPi = 3.14159265358979323846;
    std::vector<double> x(kBoxCount);
    x[Rp] = like ? like->values[Rp] : Pick(random, 1, 5000);
    x[Ang] = like ? like->values[Ang] : Pick(random, 10, 170);
    const double mu = 4 * 3.14 * 1e-7 * x[Rp];
    const double sine = std::sin(x[Ang] * kPi / 180);
    x[N] = Pick(random, 10, 1000);
    x[I] = Pick(random, 0.1, 10);
    x[L] = Pick(random, 0.05, 2);
    x[A] = x[L];
    x[T] = Pick(random, 1e-3, 1);
    x[Mmf] = x[N] * x[I];
    x[H] = x[Mmf] / x[L];
    x[B] = mu * x[H];
    x[Flux] = x[B] * x[A];
    x[S] = x[L] / (mu * x[A]);
    x[Ind] = x[N] * x[Flux] / x[I];
    x[F] = x[B] * x[I] * x[L] * sine;
    x[E] = x[Flux] / x[T];
    x[V] = x[E] / (x[B] * x[L] * sine);
    return {x};
}

const test::RegisterCalculator kElectroMagnetism({
    .name = "electro-magnetism",
    .pass = &electro_magnetism::Rules(),
    .press = test::Pressed<electro_magnetism::Solve>,
    .world = ElectroMagnetism,
    .presets = {electro_magnetism::Rp, electro_magnetism::Ang},
    .ledger = R"(
Reluctance: worked out from 3584 of the 8192 given sets without it; texts 55fd500b
Magneto-motive force: worked out from 6464 of the 8192 given sets without it; texts 507da1f6
Magnetic field strength: worked out from 4544 of the 8192 given sets without it; texts ddf95baa
Magnetic flux density: worked out from 3520 of the 8192 given sets without it; texts 183ec4e8
Inductance: worked out from 1536 of the 8192 given sets without it; texts 6e5effb7
Number of turns: worked out from 3520 of the 8192 given sets without it; texts 0f37835f
Force on conductor: worked out from 3168 of the 8192 given sets without it; texts 09ac8253
Induced e.m.f.: worked out from 3152 of the 8192 given sets without it; texts c13c7276
Time: worked out from 2432 of the 8192 given sets without it; texts a245c438
Magnetic flux: worked out from 6688 of the 8192 given sets without it; texts e917f03f
Area of conductor: worked out from 6400 of the 8192 given sets without it; texts 713143ef
Velocity of conductor: worked out from 4800 of the 8192 given sets without it; texts a3c20c0d
Length of conductor: worked out from 6368 of the 8192 given sets without it; texts 63b2833b
Current: worked out from 5520 of the 8192 given sets without it; texts 3eda4335
pre-empted: Number of turns from Magnetic flux, Current, Inductance, by Number of turns from Magnetic flux, Current
pre-empted: Number of turns from Area of conductor, Current, Magnetic flux density, Inductance, by Number of turns from Area of conductor, Current, Magnetic flux density
pre-empted: Magnetic flux from Length of conductor, Area of conductor, Magnetic field strength, Number of turns, Angle, Force on conductor, by Magnetic flux from Area of conductor, Magnetic field strength
pre-empted: Magnetic flux from Area of conductor, Magnetic field strength, Current, Number of turns, Angle, Force on conductor, by Magnetic flux from Area of conductor, Magnetic field strength
pre-empted: Magnetic flux from Magneto-motive force, Area of conductor, Magnetic field strength, Current, Angle, Force on conductor, by Magnetic flux from Area of conductor, Magnetic field strength
pre-empted: Current from Magnetic flux, Area of conductor, Magnetic field strength, Number of turns, Angle, Force on conductor, by Current from Magnetic flux, Number of turns
)",
});

// The ideal transformer: Vs / Vp = Ns / Np, and the efficiency shown is Vs / Vp.
World Transformer(Random& random, const World*) {
    using namespace transformer;
    std::vector<double> x(kBoxCount);
    x[Np] = Pick(random, 10, 5000);
    x[Ns] = Pick(random, 10, 5000);
    x[Vp] = Pick(random, 1, 1000);
    x[Vs] = x[Vp] * x[Ns] / x[Np];
    x[E] = x[Vs] / x[Vp];
    return {x};
}

const test::RegisterCalculator kTransformer({
    .name = "transformer",
    .pass = &transformer::Rules(),
    .press = test::PassPressed<transformer::Rules>,
    .world = Transformer,
    .ledger = R"(
Turns of Primary: worked out from 2 of the 16 given sets without it; texts 4bac2999
Turns of Secondary: worked out from 2 of the 16 given sets without it; texts 5cf2f2ed
Voltage Input: worked out from 2 of the 16 given sets without it; texts 38f3939a
Voltage Output: worked out from 2 of the 16 given sets without it; texts f5118643
Efficiency: worked out from 6 of the 16 given sets without it; texts 7ea3e9e0
)",
});

// The energy L I^2 / 2 stored in the combined inductance; no rows, so the pass alone decides.
World Inductance(Random& random, const World*) {
    using namespace inductance;
    std::vector<double> x(kBoxCount);
    x[I] = Pick(random, 0.01, 100);
    x[Ans] = Pick(random, 1e-6, 10);
    x[E] = x[Ans] * x[I] * x[I] / 2;
    return {x};
}

const test::RegisterCalculator kInductance({
    .name = "inductance",
    .pass = &inductance::Rules(),
    .press = test::PressedWithoutRows<inductance::Solve>,
    .world = Inductance,
    .ledger = R"(
Energy: worked out from 1 of the 4 given sets without it; texts 3a1621fb
)",
});

}  // namespace
