// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/geometry/circle.h"
#include "support/box_texts.h"
#include "support/check.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

TEST_DATA(TestCircle, twoPresses) {
    AddColumn<TextList>("before");  // r, a, p
    AddColumn<TextList>("first");
    AddColumn<TextList>("second");
    NewRow("radius seven") << TextList{"7", "", ""} << TextList{"7", "154", "44"}
                           << TextList{"7", "154", "44"};
    NewRow("unit radius") << TextList{"1", "", ""} << TextList{"1", "3.14285714285714", "6.28571428571429"}
                          << TextList{"1", "3.14285714285714", "6.28571428571429"};
    NewRow("area fills the radius, then the perimeter")
        << TextList{"", "154", ""} << TextList{"7", "154", ""} << TextList{"7", "154", "44"};
    NewRow("perimeter fills the radius, then the area")
        << TextList{"", "", "44"} << TextList{"7", "", "44"} << TextList{"7", "154", "44"};
    NewRow("area wins over a disagreeing perimeter")
        << TextList{"", "154", "10"} << TextList{"7", "154", "10"} << TextList{"7", "154", "10"};
    NewRow("negative area") << TextList{"", "-1", ""} << TextList{"", "-1", ""} << TextList{"", "-1", ""};
    NewRow("unreadable area falls to nothing, not to the perimeter")
        << TextList{"", "big", "44"} << TextList{"", "big", "44"} << TextList{"", "big", "44"};
    NewRow("unreadable radius") << TextList{"7cm", "", ""} << TextList{"7cm", "", ""}
                                << TextList{"7cm", "", ""};
    NewRow("radius ten") << TextList{"10", "", ""} << TextList{"10", "314.285714285714", "62.8571428571429"}
                         << TextList{"10", "314.285714285714", "62.8571428571429"};
    NewRow("all empty") << TextList{"", "", ""} << TextList{"", "", ""} << TextList{"", "", ""};
    NewRow("all filled") << TextList{"1", "2", "3"} << TextList{"1", "2", "3"} << TextList{"1", "2", "3"};
}

TEST(TestCircle, twoPresses) {
    FETCH(TextList, before);
    FETCH(TextList, first);
    FETCH(TextList, second);
    const Boxes once = SolveByPass(circle::Rules(), before);
    COMPARE(once, first);
    COMPARE(SolveByPass(circle::Rules(), once), second);
}
