// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/alternating_current.h"
#include "support/box_texts.h"
#include "support/check.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

// Columns: the four boxes before and after one press, in the order avg, peak, p2p, rms.
TEST_DATA(TestAlternatingCurrent, solve) {
    test::AddBeforeAndAfterColumns();
    const auto row = test::BeforeAndAfter;
    row("average gives the table's factors", {"1", "", "", ""}, {"1", "1.571", "3.144", "1.111"});
    row("peak goes through the written average", {"", "10", "", ""}, {"6.37", "10", "20.02728", "7.07707"});
    row("rms goes through the written average", {"", "", "", "230"},
        {"206.77", "324.83567", "650.08488", "230"});
    row("peak-to-peak goes through the written average", {"", "", "10", ""},
        {"3.18", "4.99578", "10", "3.53298"});
    row("only the first filled source is tried", {"", "abc", "2", ""}, {"", "abc", "2", ""});
    row("a blank source is filled and unreadable", {"", " ", "", "5"}, {"", " ", "", "5"});
    row("all filled: nothing changes", {"1", "2", "3", "4"}, {"1", "2", "3", "4"});
    row("all empty: nothing changes", {"", "", "", ""}, {"", "", "", ""});
    row("a cleared average is refilled from the peak", {"", "10", "20", "7.07"},
        {"6.37", "10", "20", "7.07"});
    row("negative values convert like others", {"-2", "", "", ""}, {"-2", "-3.142", "-6.288", "-2.222"});
    row("zero converts to zero", {"", "0", "", ""}, {"0", "0", "0", "0"});
    row("an overflowing product leaves only its box", {"", "1E+308", "", ""},
        {"6.37E+307", "1E+308", "", "7.07707E+307"});
}

TEST(TestAlternatingCurrent, solve) {
    FETCH(TextList, before);
    FETCH(TextList, after);
    COMPARE(SolveByPass(alternating_current::Rules(), before), after);
}
