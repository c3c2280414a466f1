// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/magnetism/transformer.h"
#include "support/box_texts.h"
#include "support/check.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

// Columns: np, ns, vp, vs, e before and after one press.
TEST_DATA(TestTransformer, solve) {
    test::AddBeforeAndAfterColumns();
    const auto row = test::BeforeAndAfter;
    row("output voltage then efficiency from it", {"100", "50", "240", "", ""},
        {"100", "50", "240", "120", "0.5"});
    row("turns given as a ratio", {"20", "1", "230", "", ""}, {"20", "1", "230", "11.5", "0.05"});
    row("secondary turns", {"1000", "", "240", "12", ""}, {"1000", "50", "240", "12", "0.05"});
    row("primary turns", {"", "50", "240", "120", ""}, {"100", "50", "240", "120", "0.5"});
    row("input voltage then efficiency from it", {"20", "1", "", "11.5", ""},
        {"20", "1", "230", "11.5", "0.05"});
    row("voltages alone give the efficiency", {"", "", "240", "120", ""}, {"", "", "240", "120", "0.5"});
    // The full-precision voltage 1.000000000000004 would give 0.333333333333335.
    row("efficiency reads the written 15-digit voltage", {"1", "0.333333333333334666", "3", "", ""},
        {"1", "0.333333333333334666", "3", "1", "0.333333333333333"});
    row("a typed efficiency is kept", {"", "", "240", "120", "7"}, {"", "", "240", "120", "7"});
    row("all filled: nothing changes", {"1", "2", "3", "4", "5"}, {"1", "2", "3", "4", "5"});
    row("zero primary turns: no voltage, no efficiency", {"0", "50", "240", "", ""},
        {"0", "50", "240", "", ""});
    row("unreadable input voltage", {"100", "50", "abc", "", ""}, {"100", "50", "abc", "", ""});
    row("unreadable primary turns: no input voltage", {"100 turns", "50", "", "120", ""},
        {"100 turns", "50", "", "120", ""});
    row("zero input voltage: turns but no efficiency", {"", "50", "0", "120", ""},
        {"0", "50", "0", "120", ""});
}

TEST(TestTransformer, solve) {
    FETCH(TextList, before);
    FETCH(TextList, after);
    COMPARE(SolveByPass(transformer::Rules(), before), after);
}
