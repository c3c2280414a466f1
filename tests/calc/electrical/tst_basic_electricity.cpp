// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/basic_electricity.h"
#include "support/box_texts.h"
#include "support/check.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

namespace {

const char* const kNames[] = {"p", "i", "v", "r", "w", "q", "t"};

Boxes Parse(const std::string& pairs) { return test::Parse(pairs, kNames); }
std::string Show(const Boxes& boxes) { return test::Show(boxes, kNames); }

}  // namespace

// Worked examples: the boxes typed, and every box after one press.
TEST_DATA(TestBasicElectricity, onePress) {
    // clang-format off
    AddColumn<std::string>("typed");
    AddColumn<std::string>("after");
    NewRow("voltage and current") << "v=10;i=2" << "p=20;i=2;v=10;r=5";
    NewRow("voltage, current and time") << "v=10;i=2;t=3" << "p=20;i=2;v=10;r=5;w=60;q=6;t=3";
    NewRow("power and resistance") << "p=100;r=4" << "p=100;i=5;v=20;r=4";
    NewRow("work from the power just written") << "i=2;r=3;t=4" << "p=12;i=2;v=6;r=3;w=48;q=8;t=4";
    // The Current is written with 15 digits, and the Resistance reads that text back
    // (from power over current squared) instead of working out 9 from voltage and power.
    NewRow("resistance reads the written current") << "p=1;v=3"
                                                          << "p=1;i=0.333333333333333;v=3;r=9.00000000000002";
    // 3.3 x 0.7 is written as "2.31"; the Resistance comes from that Power, not from
    // voltage over current, which would read 4.71428571428571.
    NewRow("resistance reads the written power") << "v=3.3;i=0.7"
                                                        << "p=2.31;i=0.7;v=3.3;r=4.71428571428572";
    NewRow("charge, time and voltage") << "v=6;q=8;t=4" << "p=12;i=2;v=6;r=3;w=48;q=8;t=4";
    NewRow("all seven filled, even if they disagree") << "p=1;i=2;v=3;r=4;w=5;q=6;t=7"
                                                             << "p=1;i=2;v=3;r=4;w=5;q=6;t=7";
    NewRow("one box alone") << "r=4" << "r=4";
    NewRow("nothing") << "" << "";
    NewRow("negative values are worked with") << "v=-10;i=2" << "p=-20;i=2;v=-10;r=-5";
    NewRow("tiny values switch to exponent form") << "v=0.00002;i=0.5"
                                                         << "p=1E-05;i=0.5;v=0.00002;r=4E-05";
    // clang-format on
}

TEST(TestBasicElectricity, onePress) {
    FETCH(std::string, typed);
    FETCH(std::string, after);
    const Outcome out = basic_electricity::Solve(Parse(typed));
    COMPARE(Show(out.boxes), after);
    VERIFY(!out.fault);
}

// Boxes written late in a pass are seen by the earlier targets only on the next press.
TEST(TestBasicElectricity, secondPressFillsMore) {
    const Outcome first = basic_electricity::Solve(Parse(std::string("i=2;w=60;q=6")));
    COMPARE(Show(first.boxes), std::string("i=2;v=10;r=5;w=60;q=6;t=3"));
    const Outcome second = basic_electricity::Solve(first.boxes);
    COMPARE(Show(second.boxes), std::string("p=20;i=2;v=10;r=5;w=60;q=6;t=3"));
    const Outcome third = basic_electricity::Solve(second.boxes);
    COMPARE(third.boxes, second.boxes);
    VERIFY(!first.fault && !second.fault && !third.fault);
}

// The first fault ends the pass; what was written before it stays, and the fault names
// the quantity being worked out and, for unreadable text, the box.
TEST_DATA(TestBasicElectricity, faultEndsThePass) {
    // clang-format off
    AddColumn<std::string>("typed");
    AddColumn<std::string>("after");
    AddColumn<std::string>("target");
    AddColumn<std::string>("operand");
    AddColumn<int>("kind");
    const int conversion = int(FaultKind::Conversion), arithmetic = int(FaultKind::Arithmetic);
    NewRow("letters in the time box, after two results") << "v=10;i=2;t=abc"
                                                                << "p=20;i=2;v=10;r=5;t=abc"
                                                                << "Charge"
                                                                << "Time" << conversion;
    NewRow("a blank counts as filled and cannot be read") << "v= ;i=2" << "i=2;v= " << "Power"
                                                                 << "Voltage" << conversion;
    // 1E-200 squared underflows to 0: the Resistance divides by zero, and the Charge and
    // Work done that would follow are never worked out.
    NewRow("stops in the middle of the pass") << "v=10;i=1E-200;t=3" << "p=1E-199;i=1E-200;v=10;t=3"
                                                     << "Resistance"
                                                     << "" << arithmetic;
    NewRow("zero time") << "w=5;t=0" << "w=5;t=0" << "Power" << "" << arithmetic;
    NewRow("negative square root") << "p=-100;r=4" << "p=-100;r=4" << "Voltage"
                                          << "" << int(FaultKind::Domain);
    NewRow("overflow") << "v=1E200;i=1E200" << "i=1E200;v=1E200" << "Power" << "" << arithmetic;
    // clang-format on
}

TEST(TestBasicElectricity, faultEndsThePass) {
    FETCH(std::string, typed);
    FETCH(std::string, after);
    FETCH(std::string, target);
    FETCH(std::string, operand);
    FETCH(int, kind);
    const Outcome out = basic_electricity::Solve(Parse(typed));
    COMPARE(Show(out.boxes), after);
    VERIFY(out.fault);
    COMPARE(out.fault->target(), target);
    COMPARE(out.fault->operand(), operand);
    COMPARE(int(out.fault->kind()), kind);
}
