// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Micro-benchmarks of each calculator's pass in the core: one press of "Calculate" on
// typical boxes, from reading the texts to the texts written back.
#include "calc/electrical/alternating_current.h"
#include "calc/electrical/basic_electricity.h"
#include "calc/electrical/capacitance.h"
#include "calc/electrical/colour_code.h"
#include "calc/electrical/conductance.h"
#include "calc/electrical/fuse_size.h"
#include "calc/electrical/resistance.h"
#include "calc/geometry/circle.h"
#include "calc/geometry/right_triangle.h"
#include "calc/instruments/ammeter.h"
#include "calc/instruments/oscilloscope.h"
#include "calc/magnetism/electro_magnetism.h"
#include "calc/magnetism/inductance.h"
#include "calc/magnetism/transformer.h"

#include <QTest>

using namespace ampora;

namespace {

struct UnitPass {
    const char* name;
    Boxes (*press)();  // runs the unit on fresh boxes and returns what it wrote back
};

// The count and the rows that every component-list pass below combines: ten rows, 1 to 10.
component_list::List TenRows() {
    component_list::List list{"10", {}};
    for (int k = 0; k < component_list::kRows; ++k) list.rows[k] = std::to_string(k + 1);
    return list;
}

// One or more rows per calculator unit. A unit whose handler is untrapped returns an
// Outcome: return its boxes here.
const UnitPass kPasses[] = {
    {"conductance: resistance gives conductance",
     [] {
         return conductance::Solve({"4", ""});
     }},
    {"conductance: conductance gives resistance",
     [] {
         return conductance::Solve({"", "0.001"});
     }},
    {"basic electricity: voltage and current give power and resistance",
     [] {
         return basic_electricity::Solve({"", "2", "12", "", "", "", ""}).boxes;
     }},
    {"basic electricity: voltage, current and time give the other four",
     [] {
         return basic_electricity::Solve({"", "2", "12", "", "", "", "60"}).boxes;
     }},
    // Length, area, current, turns, velocity and time: every other box is worked out,
    // the angle and relative permeability taking their defaults, so all sixteen end filled.
    {"electro-magnetism: every box filled from length, area, current, turns, velocity and time",
     [] {
         return electro_magnetism::Solve(
             {"", "", "0.5", "", "", "0.01", "", "2", "200", "", "", "10", "", "", "", "0.04"});
     }},
    {"electro-magnetism: force on a conductor at 30 degrees",
     [] {
         return electro_magnetism::Solve(
             {"", "", "0.5", "", "", "", "", "2", "", "0.8", "", "", "30", "", "", ""});
     }},
    {"alternating current: peak gives the others",
     [] {
         return alternating_current::Solve({"", "10", "", ""});
     }},
    {"transformer: turns and primary voltage give secondary voltage and efficiency",
     [] {
         return transformer::Solve({"100", "50", "240", "", ""});
     }},
    {"oscilloscope: selectivity and deflection give the voltage",
     [] {
         return oscilloscope::SolveVoltage({"2", "3", ""}).boxes;
     }},
    {"oscilloscope: selectivity and deflection give period, frequency and wavelength",
     [] {
         return oscilloscope::SolveFrequency({"0.001", "4", "", "", ""});
     }},
    {"ammeter: shunt for a galvanometer",
     [] {
         return ammeter::Solve({"10", "0.001", "50", ""});
     }},
    {"colour code: yellow, violet, red, gold",
     [] {
         return colour_code::Solve({"4 - Yellow", "7 - Violet", "2 - Red", "Gold 5%"}, {"", "", ""}).boxes;
     }},
    {"right triangle: an angle and two sides give the others",
     [] {
         return right_triangle::Solve({"3", "4", "", "30", ""});
     }},
    {"circle: radius gives area and perimeter",
     [] {
         return circle::Solve({"7", "", ""});
     }},
    {"resistance: ten resistors in series, then Ohm's law",
     [] {
         return resistance::Solve({"12", "", "", ""}, TenRows(), component_list::Option::Series);
     }},
    {"resistance: ten resistors in parallel, then Ohm's law",
     [] {
         return resistance::Solve({"12", "", "", ""}, TenRows(), component_list::Option::Parallel);
     }},
    {"capacitance: ten capacitors in series, then charge and energy",
     [] {
         return capacitance::Solve({"10", "", "", "", ""}, TenRows(), component_list::Option::Series);
     }},
    {"inductance: ten inductors in parallel, then energy",
     [] {
         return inductance::Solve({"2", "", "", ""}, TenRows(), component_list::Option::Parallel);
     }},
    {"fuse size: ten loads", [] { return Boxes{fuse_size::Solve(TenRows())}; }},
};

// Written after every press so that the optimiser cannot drop the work being timed.
volatile std::size_t gSink = 0;

}  // namespace

class BenchCalculators : public QObject {
    Q_OBJECT
private slots:
    void pass_data();
    void pass();
};

void BenchCalculators::pass_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < std::size(kPasses); ++i)
        QTest::newRow(kPasses[i].name) << static_cast<int>(i);
}

void BenchCalculators::pass() {
    QFETCH(int, row);
    const UnitPass& unit = kPasses[row];
    QBENCHMARK { gSink = unit.press().size(); }
}

QTEST_APPLESS_MAIN(BenchCalculators)
#include "bench_calculators.moc"
