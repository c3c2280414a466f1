// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/capacitance.h"
#include "support/check.h"
#include "support/combination_case.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

TEST_DATA(TestCapacitance, calculate) {
    test::AddCombinationColumns();  // in: v, qc, ans, e; out: v, qc, ans, e, d

    const TextList empty{"", "", "", ""};
    NewRow("parallel adds") << true << "2" << TextList{"2", "3"} << empty << TextList{"", "", "5", "", "0"};
    NewRow("series adds reciprocals")
        << false << "2" << TextList{"2", "2"} << empty << TextList{"", "", "1", "", "1"};
    NewRow("small capacitors in series")
        << false << "2" << TextList{"1E-06", "1E-06"} << empty << TextList{"", "", "5E-07", "", "2000000"};
    NewRow("small capacitors in parallel")
        << true << "2" << TextList{"1E-06", "1E-06"} << empty << TextList{"", "", "2E-06", "", "0"};
    NewRow("charge and energy from C and V in one press")
        << true << "0" << TextList{} << TextList{"10", "", "5", ""} << TextList{"10", "50", "5", "250", ""};
    NewRow("a voltage found from the charge feeds the energy")
        << true << "0" << TextList{} << TextList{"", "50", "5", ""} << TextList{"10", "50", "5", "250", ""};
    NewRow("combined capacitance, then charge and energy")
        << true << "2" << TextList{"2", "3"} << TextList{"10", "", "", ""}
        << TextList{"10", "50", "5", "250", "0"};
    NewRow("capacitance from charge and voltage (C = Q / V)")
        << true << "0" << TextList{} << TextList{"4", "2", "", ""} << TextList{"4", "2", "0.5", "4", "0"};
    NewRow("a typed energy is kept") << true << "0" << TextList{} << TextList{"10", "", "5", "7"}
                                     << TextList{"10", "50", "5", "7", ""};
    NewRow("a shorted capacitor in series gives 0")
        << false << "2" << TextList{"0", "4"} << TextList{"10", "", "", ""}
        << TextList{"10", "0", "0", "0", "0.25"};
    NewRow("a charge with a unit is no number: no capacitance")
        << true << "0" << TextList{} << TextList{"4", "8x", "", ""} << TextList{"4", "8x", "", "", "0"};
    NewRow("zero voltage leaves the capacitance empty")
        << true << "0" << TextList{} << TextList{"0", "50", "", ""} << TextList{"0", "50", "", "", "0"};
    NewRow("overflow leaves charge and energy empty")
        << true << "0" << TextList{} << TextList{"1E300", "", "1E300", ""}
        << TextList{"1E300", "", "1E300", "", ""};
}

TEST(TestCapacitance, calculate) { test::CheckCombination(capacitance::Solve, capacitance::kBoxCount); }
