// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/instruments/ammeter.h"
#include "support/box_texts.h"
#include "support/check.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

// Columns: i, ig, rg, rs before and after one press.
TEST_DATA(TestAmmeter, solve) {
    test::AddBeforeAndAfterColumns();
    const auto row = test::BeforeAndAfter;
    row("shunt", {"1", "0.01", "90", ""}, {"1", "0.01", "90", "0.909090909090909"});
    row("galvanometer current", {"1", "", "90", "10"}, {"1", "0.1", "90", "10"});
    row("galvanometer resistance", {"1", "0.1", "", "10"}, {"1", "0.1", "90", "10"});
    row("total current", {"", "0.1", "90", "10"}, {"1", "0.1", "90", "10"});
    row("the resistance sum reads \"90 ohms\" as 90", {"1", "", "90 ohms", "10"},
        {"1", "0.1", "90 ohms", "10"});
    row("the sum skips blanks inside a number", {"1", "", "9 0", "10"}, {"1", "0.1", "9 0", "10"});
    row("the total current's sum is lenient too", {"", "0.1", "90 ohms", "10"},
        {"1", "0.1", "90 ohms", "10"});
    row("the shunt reads \"90 ohms\" strictly", {"1", "0.01", "90 ohms", ""}, {"1", "0.01", "90 ohms", ""});
    row("the shunt in the numerator is strict", {"1", "", "90", "10 ohms"}, {"1", "", "90", "10 ohms"});
    row("the shunt as divisor is strict", {"", "0.1", "90", "10 ohms"}, {"", "0.1", "90", "10 ohms"});
    row("equal currents divide by zero", {"1", "1", "90", ""}, {"1", "1", "90", ""});
    row("zero galvanometer current divides by zero", {"1", "0", "", "10"}, {"1", "0", "", "10"});
    row("resistances summing to zero", {"1", "", "-10", "10"}, {"1", "", "-10", "10"});
    row("two empty: nothing changes", {"1", "", "90", ""}, {"1", "", "90", ""});
    row("all filled: nothing changes", {"1", "2", "3", "4"}, {"1", "2", "3", "4"});
}

TEST(TestAmmeter, solve) {
    FETCH(TextList, before);
    FETCH(TextList, after);
    COMPARE(SolveByPass(ammeter::Rules(), before), after);
}
