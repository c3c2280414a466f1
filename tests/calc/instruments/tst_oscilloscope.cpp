// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/instruments/oscilloscope.h"
#include "support/box_texts.h"
#include "support/check.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

// Columns: vs, vd, v before and after one press, and whether the message is asked for.
TEST_DATA(TestOscilloscope, voltage) {
    AddColumn<TextList>("before");
    AddColumn<TextList>("after");
    AddColumn<bool>("message");
    NewRow("voltage") << TextList{"2", "3", ""} << TextList{"2", "3", "6"} << false;
    NewRow("selectivity") << TextList{"", "4", "10"} << TextList{"2.5", "4", "10"} << false;
    NewRow("deflection") << TextList{"2", "", "10"} << TextList{"2", "5", "10"} << false;
    NewRow("all three filled") << TextList{"1", "2", "3"} << TextList{"1", "2", "3"} << true;
    NewRow("only one filled") << TextList{"", "", "3"} << TextList{"", "", "3"} << true;
    NewRow("none filled") << TextList{"", "", ""} << TextList{"", "", ""} << true;
    NewRow("zero deflection is silent") << TextList{"", "0", "10"} << TextList{"", "0", "10"} << false;
    NewRow("a blank is filled but unreadable") << TextList{" ", "3", ""} << TextList{" ", "3", ""} << false;
    NewRow("an overflow is silent") << TextList{"1E+300", "1E+300", ""} << TextList{"1E+300", "1E+300", ""}
                                    << false;
}

TEST(TestOscilloscope, voltage) {
    FETCH(TextList, before);
    FETCH(TextList, after);
    FETCH(bool, message);
    const oscilloscope::VoltageOutcome outcome = oscilloscope::SolveVoltage(before);
    COMPARE(outcome.boxes, after);
    COMPARE(outcome.message.has_value(), message);
    if (message) COMPARE(*outcome.message, std::string("Leave one field blank!"));
}

// Columns: hs, hd, t, f, w before and after one press.
TEST_DATA(TestOscilloscope, frequency) {
    test::AddBeforeAndAfterColumns();
    const auto row = test::BeforeAndAfter;
    row("readings give period, frequency and wavelength", {"0.001", "4", "", "", ""},
        {"0.001", "4", "0.004", "250", "1200000"});
    row("wavelength follows the period just written", {"", "", "", "50", ""},
        {"", "", "0.02", "50", "6000000"});
    row("deflection from period and selectivity", {"0.002", "", "0.01", "", ""},
        {"0.002", "5", "0.01", "100", "3000000"});
    row("frequency reads the period written from the wavelength", {"", "", "", "", "600"},
        {"", "", "2E-06", "500000", "600"});
    row("the period decides the wavelength over the frequency", {"", "", "0.01", "50", ""},
        {"", "", "0.01", "50", "3000000"});
    row("selectivity from frequency and deflection", {"", "4", "", "250", ""},
        {"0.001", "4", "0.004", "250", "1200000"});
    row("zero frequency is silent", {"", "", "", "0", ""}, {"", "", "", "0", ""});
    row("an unreadable period is not passed over for the wavelength", {"", "", "abc", "", "600"},
        {"", "", "abc", "", "600"});
    row("a period with a unit is no number: nothing follows from it", {"", "4", "0.02s", "", ""},
        {"", "4", "0.02s", "", ""});
    row("all filled: nothing changes", {"1", "2", "3", "4", "5"}, {"1", "2", "3", "4", "5"});
}

TEST(TestOscilloscope, frequency) {
    FETCH(TextList, before);
    FETCH(TextList, after);
    COMPARE(SolveByPass(oscilloscope::FrequencyRules(), before), after);
}
