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
Reluctance: worked out from 3584 of the 8192 given sets without it; texts 5ce1f047, mixed 5ce1f047 ea9541e2 6b0e1e02, zeros 31d61202
Magneto-motive force: worked out from 6464 of the 8192 given sets without it; texts 16e2fbdf, mixed 15d51604 d21b4e17 0eff98cf, zeros 57939de1
Magnetic field strength: worked out from 4544 of the 8192 given sets without it; texts acfa2291, mixed b744dabc 13520228 c099c5d1, zeros 44f197dd
Magnetic flux density: worked out from 3520 of the 8192 given sets without it; texts 2abaedb1, mixed f45bb4e2 32e5f64a 852dee5d, zeros e23ed7e7
Inductance: worked out from 1536 of the 8192 given sets without it; texts 44e56ac9, mixed f227e39e b2662147 d0943290, zeros 2ff65c6a
Number of turns: worked out from 3520 of the 8192 given sets without it; texts 0882a3cf, mixed 4bb55a9e f288d823 b2957ef1, zeros ffca11b1
Force on conductor: worked out from 3168 of the 8192 given sets without it; texts fbb694ce, mixed 37880038 d15cd49e d34c24dc, zeros 974d39ed
Induced e.m.f.: worked out from 3152 of the 8192 given sets without it; texts cf8add49, mixed 96f1e7d2 6713c791 6a02fdae, zeros aca8e4b0
Time: worked out from 2432 of the 8192 given sets without it; texts dbf8eb5c, mixed 293a438d d9153df6 c6414655, zeros 35204fde
Magnetic flux: worked out from 6688 of the 8192 given sets without it; texts d59c980a, mixed c6d57e50 7ba0a012 d89d8817, zeros 70129514
Area of conductor: worked out from 6400 of the 8192 given sets without it; texts 4d8613d5, mixed ca9ae047 57793671 c595b354, zeros 5d3b2d8e
Velocity of conductor: worked out from 4800 of the 8192 given sets without it; texts eea7a0e8, mixed 551ecde5 b857d8d8 ae8cda57, zeros 6cd15038
Length of conductor: worked out from 6368 of the 8192 given sets without it; texts 062694c1, mixed fb6f9dc5 d215cf96 60bb7747, zeros dc812285
Current: worked out from 5520 of the 8192 given sets without it; texts 31d5dc32, mixed 0ac9f0be a18ec3ce 45a1e43c, zeros a15629ea
Reluctance rule 1 (from Magneto-motive force, Magnetic flux): texts f3861f41
Reluctance rule 2 (from Length of conductor, Area of conductor): texts de0c7f48
Magneto-motive force rule 1 (from Length of conductor, Magnetic field strength): texts a659089d
Magneto-motive force rule 2 (from Current, Number of turns): texts 55faf937
Magneto-motive force rule 3 (from Area of conductor, Magnetic flux density): texts d3582f39
Magneto-motive force rule 4 (from Magnetic flux): texts a9581b9f
Magnetic field strength rule 1 (from Magneto-motive force, Length of conductor): texts 015e33e5
Magnetic field strength rule 2 (from Length of conductor, Current, Number of turns): texts c044b7a5
Magnetic field strength rule 3 (from Magnetic flux, Area of conductor): texts fbfd8f91
Magnetic flux density rule 1 (from Magnetic flux, Area of conductor): texts 85842080
Magnetic flux density rule 2 (from Area of conductor, Current, Number of turns): texts 30bcd421
Magnetic flux density rule 3 (from Magneto-motive force, Area of conductor): texts 62b6c408
Inductance rule 1 (from Magnetic flux, Current, Number of turns): texts c77fc1d9
Inductance rule 2 (from Area of conductor, Current, Number of turns, Magnetic flux density): texts 2c34452b
Number of turns rule 1 (from Length of conductor, Magnetic field strength, Current): texts 47f3cd43
Number of turns rule 2 (from Magneto-motive force, Current): texts 441192c1
Number of turns rule 3 (from Area of conductor, Current, Magnetic flux density): texts 81f324a9
Number of turns rule 4 (from Magnetic flux, Current): texts 016bcc42
Number of turns rule 5 (from Magnetic flux, Current, Inductance): pre-empted by rule 4 (from Magnetic flux, Current)
Number of turns rule 6 (from Area of conductor, Current, Magnetic flux density, Inductance): pre-empted by rule 3 (from Area of conductor, Current, Magnetic flux density)
Force on conductor rule 1 (from Length of conductor, Current, Magnetic flux density, Angle): texts 8a797ddb
Force on conductor rule 2 (from Length of conductor, Magnetic flux, Area of conductor, Current, Angle): texts cecde37e
Force on conductor rule 3 (from Length of conductor, Magnetic flux, Area of conductor, Magnetic field strength, Number of turns, Angle): texts 6e71d17b
Force on conductor rule 4 (from Length of conductor, Magnetic field strength, Number of turns, Magnetic flux density, Angle): texts 008c749e
Force on conductor rule 5 (from Magnetic field strength, Current, Number of turns, Magnetic flux density, Angle): texts 8fca3e0f
Force on conductor rule 6 (from Magnetic flux, Area of conductor, Magnetic field strength, Current, Number of turns, Angle): texts 88c75e90
Force on conductor rule 7 (from Magneto-motive force, Magnetic field strength, Current, Magnetic flux density, Angle): texts 20605b86
Force on conductor rule 8 (from Magneto-motive force, Magnetic flux, Area of conductor, Magnetic field strength, Current, Angle): texts 2d33d70b
Induced e.m.f. rule 1 (from Length of conductor, Magnetic flux density, Velocity of conductor, Angle): texts b7222a0e
Induced e.m.f. rule 2 (from Magnetic flux, Time): texts 37395e99
Time rule 1 (from Magnetic flux, Induced e.m.f.): texts 3af33066
Magnetic flux rule 1 (from Reluctance, Magneto-motive force): texts ef5087c9
Magnetic flux rule 2 (from Area of conductor, Magnetic field strength): texts f4656450
Magnetic flux rule 3 (from Area of conductor, Magnetic flux density): texts 8b037a79
Magnetic flux rule 4 (from Current, Number of turns, Inductance): texts 16c9547e
Magnetic flux rule 5 (from Magneto-motive force): texts a617405d
Magnetic flux rule 6 (from Current, Number of turns): texts d2cc87e9
Magnetic flux rule 7 (from Length of conductor, Area of conductor, Current, Angle, Force on conductor): texts 46754dd3
Magnetic flux rule 8 (from Length of conductor, Area of conductor, Magnetic field strength, Number of turns, Angle, Force on conductor): pre-empted by rule 2 (from Area of conductor, Magnetic field strength)
Magnetic flux rule 9 (from Area of conductor, Magnetic field strength, Current, Number of turns, Angle, Force on conductor): pre-empted by rule 2 (from Area of conductor, Magnetic field strength)
Magnetic flux rule 10 (from Magneto-motive force, Area of conductor, Magnetic field strength, Current, Angle, Force on conductor): pre-empted by rule 2 (from Area of conductor, Magnetic field strength)
Area of conductor rule 1 (from Reluctance, Length of conductor): texts c9503e96
Area of conductor rule 2 (from Magnetic flux, Magnetic field strength): texts 879fe9f9
Area of conductor rule 3 (from Magnetic flux, Magnetic flux density): texts 33cb74bb
Area of conductor rule 4 (from Current, Number of turns, Magnetic flux density): texts fbea8d4a
Area of conductor rule 5 (from Magneto-motive force, Magnetic flux density): texts 81abb40e
Velocity of conductor rule 1 (from Length of conductor, Magnetic flux density, Induced e.m.f., Angle): texts f67a5043
Velocity of conductor rule 2 (from Current, Induced e.m.f., Force on conductor): texts c867c562
Velocity of conductor rule 3 (from Length of conductor, Magnetic flux, Area of conductor, Induced e.m.f., Angle): texts 3a91b974
Velocity of conductor rule 4 (from Length of conductor, Magnetic field strength, Induced e.m.f., Angle): texts 078933cb
Velocity of conductor rule 5 (from Magneto-motive force, Induced e.m.f., Angle): texts 28fff022
Length of conductor rule 1 (from Reluctance, Area of conductor): texts 044a773a
Length of conductor rule 2 (from Magneto-motive force, Magnetic field strength): texts 64296026
Length of conductor rule 3 (from Magnetic field strength, Current, Number of turns): texts 7dadf753
Length of conductor rule 4 (from Magnetic flux density, Induced e.m.f., Velocity of conductor, Angle): texts 4f56e7b3
Length of conductor rule 5 (from Current, Magnetic flux density, Angle, Force on conductor): texts 2990bc8e
Length of conductor rule 6 (from Magnetic flux, Area of conductor, Current, Angle, Force on conductor): texts cedffa39
Length of conductor rule 7 (from Magnetic flux, Area of conductor, Magnetic field strength, Number of turns, Angle, Force on conductor): texts ed1211bf
Length of conductor rule 8 (from Magnetic field strength, Number of turns, Magnetic flux density, Angle, Force on conductor): texts 10ab136a
Current rule 1 (from Length of conductor, Magnetic field strength, Number of turns): texts ff61a832
Current rule 2 (from Magneto-motive force, Number of turns): texts ec78e116
Current rule 3 (from Length of conductor, Magnetic flux density, Angle, Force on conductor): texts e8471ffc
Current rule 4 (from Area of conductor, Number of turns, Magnetic flux density): texts 74516724
Current rule 5 (from Magnetic flux, Number of turns, Inductance): texts c7e880e8
Current rule 6 (from Magnetic flux, Number of turns): texts 40c97405
Current rule 7 (from Length of conductor, Magnetic flux, Area of conductor, Angle, Force on conductor): texts eea70fb3
Current rule 8 (from Magnetic field strength, Number of turns, Magnetic flux density, Angle, Force on conductor): texts daa739ae
Current rule 9 (from Magnetic flux, Area of conductor, Magnetic field strength, Number of turns, Angle, Force on conductor): pre-empted by rule 6 (from Magnetic flux, Number of turns)
Current rule 10 (from Magneto-motive force, Magnetic field strength, Magnetic flux density, Angle, Force on conductor): texts e9cab3d8
Current rule 11 (from Magneto-motive force, Magnetic flux, Area of conductor, Magnetic field strength, Angle, Force on conductor): texts a6d79139
Current rule 12 (from Induced e.m.f., Velocity of conductor, Force on conductor): texts 2ad0e448
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
Turns of Primary: worked out from 2 of the 16 given sets without it; texts cf8ce0b7, mixed 79d3c3bf 0054cc64 427b0b1d, zeros 116da628
Turns of Secondary: worked out from 2 of the 16 given sets without it; texts ef12e29e, mixed 0274e5f5 55ce3c77 c38f7ba7, zeros f170e5b6
Voltage Input: worked out from 2 of the 16 given sets without it; texts 261323de, mixed 472e3e07 9edc4c82 da41a408, zeros c0d87a82
Voltage Output: worked out from 2 of the 16 given sets without it; texts 0c4125c2, mixed 1509807d 2fdd6a69 c3c8e746, zeros 5287e5c4
Efficiency: worked out from 6 of the 16 given sets without it; texts 729bbddc, mixed e4c2a643 cfd49211 321f5de3, zeros 10385895
Turns of Primary rule 1 (from Turns of Secondary, Voltage Input, Voltage Output): texts 237176dc
Turns of Secondary rule 1 (from Turns of Primary, Voltage Input, Voltage Output): texts a5ea6f55
Voltage Input rule 1 (from Turns of Primary, Turns of Secondary, Voltage Output): texts f4ddc150
Voltage Output rule 1 (from Turns of Primary, Turns of Secondary, Voltage Input): texts b68aacd9
Efficiency rule 1 (from Voltage Input, Voltage Output): texts 0f888523
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
Energy: worked out from 1 of the 4 given sets without it; texts 26547667, mixed 62752de8 f837c27c f837c27c, zeros 5fc55f8c
Energy rule 1 (from Current, Inductance): texts d7015e2e
)",
});

}  // namespace
