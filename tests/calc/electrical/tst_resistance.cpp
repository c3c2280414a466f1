// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/resistance.h"
#include "support/check.h"
#include "support/combination_case.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

TEST_DATA(TestResistance, calculate) {
    test::AddCombinationColumns();  // in: v, qc, ans; out: v, qc, ans, d

    const TextList empty{"", "", ""};
    NewRow("series adds") << false << "3" << TextList{"10", "20", "30"} << empty
                          << TextList{"", "", "60", "0"};
    NewRow("parallel adds reciprocals")
        << true << "2" << TextList{"3", "6"} << empty << TextList{"", "", "2", "0.5"};
    NewRow("combined resistance gives the current (I = V / R)")
        << true << "2" << TextList{"10", "10"} << TextList{"12", "", ""} << TextList{"12", "2.4", "5", "0.2"};
    NewRow("combined resistance gives the voltage (V = R x I)")
        << false << "2" << TextList{"1.5", "2.5"} << TextList{"", "3", ""} << TextList{"12", "3", "4", "0"};
    NewRow("empty parallel rows: R = V / I")
        << true << "3" << TextList{} << TextList{"10", "2", ""} << TextList{"10", "2", "5", "0"};
    NewRow("0 ohms: the current is not worked out")
        << false << "2" << TextList{} << TextList{"10", "", ""} << TextList{"10", "", "0", "0"};
    NewRow("0 ohms: a current gives 0 volts")
        << false << "2" << TextList{} << TextList{"", "2", ""} << TextList{"0", "2", "0", "0"};
    NewRow("count 0: only Ohm's law fills the answer")
        << false << "0" << TextList{"5"} << TextList{"10", "2", ""} << TextList{"10", "2", "5", "0"};
    NewRow("a typed answer ignores the rows")
        << false << "2" << TextList{"1", "2"} << TextList{"", "3", "4"} << TextList{"12", "3", "4", ""};
    NewRow("a short circuit in parallel")
        << true << "2" << TextList{"2", "0"} << TextList{"10", "", ""} << TextList{"10", "", "0", "0.5"};
    NewRow("a found voltage stops the other tests")
        << false << "1" << TextList{"2"} << TextList{"", "5", ""} << TextList{"10", "5", "2", "0"};
}

TEST(TestResistance, calculate) { test::CheckCombination(resistance::Solve, resistance::kBoxCount); }
