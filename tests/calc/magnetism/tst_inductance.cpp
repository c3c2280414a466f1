// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/magnetism/inductance.h"
#include "support/check.h"
#include "support/combination_case.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

TEST_DATA(TestInductance, calculate) {
    test::AddCombinationColumns();  // in: i, ans, e; out: i, ans, e, d

    const TextList empty{"", "", ""};
    NewRow("series adds") << false << "3" << TextList{"1", "2", "3"} << empty << TextList{"", "6", "", "0"};
    NewRow("parallel adds reciprocals")
        << true << "2" << TextList{"4", "4"} << empty << TextList{"", "2", "", "0.5"};
    NewRow("stored energy (E = L I^2 / 2)")
        << false << "0" << TextList{} << TextList{"2", "0.5", ""} << TextList{"2", "0.5", "1", ""};
    NewRow("a negative current stores the same energy")
        << false << "0" << TextList{} << TextList{"-2", "0.5", ""} << TextList{"-2", "0.5", "1", ""};
    NewRow("combined inductance feeds the energy")
        << true << "2" << TextList{"4", "4"} << TextList{"3", "", ""} << TextList{"3", "2", "9", "0.5"};
    NewRow("a typed energy is kept") << false << "0" << TextList{} << TextList{"2", "0.5", "7"}
                                     << TextList{"2", "0.5", "7", ""};
    NewRow("no current: combined, but no energy")
        << false << "2" << TextList{"1", "2"} << empty << TextList{"", "3", "", "0"};
    NewRow("an unreadable current leaves the energy empty")
        << false << "1" << TextList{"1"} << TextList{"abc", "", ""} << TextList{"abc", "1", "", "0"};
    NewRow("a shorted inductor in parallel stores nothing")
        << true << "2" << TextList{"0", "4"} << TextList{"3", "", ""} << TextList{"3", "0", "0", "0.25"};
}

TEST(TestInductance, calculate) { test::CheckCombination(inductance::Solve, inductance::kBoxCount); }
