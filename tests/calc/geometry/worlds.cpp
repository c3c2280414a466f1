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
Angle A: worked out from 8 of the 16 given sets without it; texts 8f7061a4
Angle C: worked out from 8 of the 16 given sets without it; texts 7468627a
Hypotenuse: worked out from 4 of the 16 given sets without it; texts f1199b44
Perpendicular: worked out from 4 of the 16 given sets without it; texts 3c5a79a3
Base: worked out from 4 of the 16 given sets without it; texts 952b7de7
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
Area: worked out from 2 of the 4 given sets without it; texts 41ddbffc
Perimeter: worked out from 2 of the 4 given sets without it; texts 8de7d3f5
Radius: worked out from 3 of the 4 given sets without it; texts f506ad34
)",
});

}  // namespace
