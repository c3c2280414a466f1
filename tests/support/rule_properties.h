// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/component_list.h"
#include "core/solve_pass.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

// What every calculator built on a solve pass must do, checked against worlds: sets of
// quantities that a test builds from the physical laws themselves, with the constants
// the unit uses, and never from the rule table. The table only says which rules exist;
// the worlds say what each of them must give.
//
// A calculator's test file registers it with a world builder; one generic suite,
// TestRuleProperties, then checks every registered calculator:
// - every rule, fed exactly its operand boxes from a world, gives the world's value, and
//   the rules that an earlier rule of their block always pre-empts, and only those, are
//   marked so in the table;
// - where several rules of a block apply to boxes from two different worlds, the result
//   is the world of the first applicable rule;
// - for every set of given boxes (all 2^n of them, from one world and from two worlds
//   mixed), each result is the world's value when the rule that fired read one world,
//   a box no rule can fill stays empty, given boxes keep their text, no fault is reported,
//   and each block reads exactly the text the earlier blocks wrote;
// - the ledger, one line per target and one per rule: how many given sets solve each
//   quantity, and digests of every text written to it by the sweep, one for each mixture
//   of worlds and one for presses with a zero given in one box; for each rule, the
//   digest of its texts alone over many worlds, or the earlier rule that always pre-empts
//   it. The digests pin what no tolerance can: the order of rules and blocks, the last
//   digit of every formula, and which rule takes over when another faults on a zero. A
//   changed ledger is reported line by line: "Power rule 3 (from Voltage, Resistance):
//   its texts over 256 worlds changed".
namespace ampora::test {

using Random = std::mt19937_64;

// A number between lo and hi (both positive), spread evenly over the decades.
double Pick(Random& random, double lo, double hi);

struct World {
    std::vector<double> values;  // one per box
};

// A typed box carries at most 5E-15 of rounding, a written one as much again; a formula
// combines at most six boxes and a chain of blocks a few formulas, so results stay within
// 1E-13 of the world (a difference of two squares, or I - Ig, loses less than a digit
// more in the worlds chosen). 1E-12 leaves a margin, and a wrong operator, operand or
// constant misses by far more.
inline constexpr double kFifteenDigits = 1e-12;

struct Calculator {
    std::string name;
    const Pass* pass;
    // The unit's own entry point, as its form calls it.
    std::function<Outcome(Boxes)> press;
    // A consistent world; given `like`, another one with the same constants and presets.
    std::function<World(Random&, const World* like)> world;
    // Boxes the unit fills itself when empty (its defaults): always given, from the world.
    std::vector<int> presets = {};
    // How far, relatively, a result may lie from the world's value: what the 15 digits of
    // box text allow through the formulas.
    double tolerance = kFifteenDigits;
    // The expected ledger, one line per target and per rule.
    std::string ledger;
};

struct RegisterCalculator {
    explicit RegisterCalculator(Calculator calculator);
};

// A unit that returns only its boxes, as an Outcome without a fault.
template <Boxes (*solve)(Boxes, Steps*)>
Outcome Pressed(Boxes boxes) {
    return {solve(std::move(boxes), nullptr), std::nullopt};
}

// A unit that is only its pass `rules()`.
template <const Pass& (*rules)()>
Outcome PassPressed(Boxes boxes) {
    return {SolveByPass(rules(), std::move(boxes)), std::nullopt};
}

// A combination unit with no rows to combine, so that its pass alone decides.
template <Boxes (*solve)(Boxes, const component_list::List&, component_list::Option, Steps*)>
Outcome PressedWithoutRows(Boxes boxes) {
    return {solve(std::move(boxes), {}, component_list::Option::Series, nullptr), std::nullopt};
}

}  // namespace ampora::test
