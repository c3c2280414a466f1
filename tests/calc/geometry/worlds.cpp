// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worlds for the geometry calculators' rule properties (see support/rule_properties.h).
#include "calc/geometry/circle.h"
#include "calc/geometry/right_triangle.h"
#include "support/rule_properties.h"

#include <cmath>

using namespace ampora;
using test::Pick;
using test::Random;
using test::World;

namespace {

// Base and perpendicular chosen, Pythagoras gives the hypotenuse; the acute angles (in
// degrees) make 90 between them. The unit never relates the angles to the sides, so one
// angle is chosen freely, which keeps the math library out of the world.
World RightTriangle(Random& random, const World*) {
    using namespace right_triangle;
    std::vector<double> x(kBoxCount);
    x[B] = Pick(random, 1, 100);
    x[P] = x[B] * Pick(random, 0.5, 2);
    x[H] = std::sqrt(x[B] * x[B] + x[P] * x[P]);
    x[A] = Pick(random, 1, 89);
    x[C] = 90 - x[A];
    return {x};
}

const test::RegisterCalculator kRightTriangle({
    .name = "right triangle",
    .pass = &right_triangle::Rules(),
    .press = test::PassPressed<right_triangle::Rules>,
    .world = RightTriangle,
    .ledger = R"(
Angle A: worked out from 8 of the 16 given sets without it; texts bbe66f64, mixed 18efa65f 18efa65f bbe66f64, zeros 20cefc00
Angle C: worked out from 8 of the 16 given sets without it; texts 5f832098, mixed 5f832098 5f832098 a1bc4b14, zeros 766335f8
Hypotenuse: worked out from 4 of the 16 given sets without it; texts 8a492639, mixed 114067d7 dbc51252 dbc51252, zeros 6bc8659a
Perpendicular: worked out from 4 of the 16 given sets without it; texts 84e88a5a, mixed 89e549ba 506c8a2b 89e549ba, zeros 13d9972e
Base: worked out from 4 of the 16 given sets without it; texts 1f8f8533, mixed c4aa0cc2 506c8a2b 9880363c, zeros 34300c6c
Angle A rule 1 (from Angle C): texts 3007219a
Angle C rule 1 (from Angle A): texts f28c70ce
Hypotenuse rule 1 (from Base, Perpendicular): texts 2ade07c5
Perpendicular rule 1 (from Base, Hypotenuse): texts eab1cde2
Base rule 1 (from Perpendicular, Hypotenuse): texts 31375672
)",
});

// The radius chosen; area and perimeter with the unit's 22/7 for pi.
World Circle(Random& random, const World*) {
    using namespace circle;
    constexpr double kPi = 22.0 / 7;
    std::vector<double> x(kBoxCount);
    x[R] = Pick(random, 0.01, 1000);
    x[A] = kPi * x[R] * x[R];
    x[P] = 2 * kPi * x[R];
    return {x};
}

const test::RegisterCalculator kCircle({
    .name = "circle",
    .pass = &circle::Rules(),
    .press = test::PassPressed<circle::Rules>,
    .world = Circle,
    .ledger = R"(
Area: worked out from 2 of the 4 given sets without it; texts 534c1907, mixed 37bbe1ad 37bbe1ad 37bbe1ad, zeros c0d3e0e9
Perimeter: worked out from 2 of the 4 given sets without it; texts 3a4bd132, mixed 84158dc2 84158dc2 84158dc2, zeros 39972571
Radius: worked out from 3 of the 4 given sets without it; texts 8827cb15, mixed 987a5c3d a8fb65b6 44c9d359, zeros dc2bf046
Area rule 1 (from Radius): texts 099e54ec
Perimeter rule 1 (from Radius): texts 17f7812d
Radius rule 1 (from Area): texts 05345139
Radius rule 2 (from Perimeter): texts 02a8dc39
)",
});

}  // namespace
