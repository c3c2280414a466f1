// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/geometry/right_triangle.h"
#include "support/box_texts.h"
#include "support/check.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

TEST_DATA(TestRightTriangle, solve) {
    AddColumn<TextList>("before");  // b, p, h, A, C
    AddColumn<TextList>("after");
    NewRow("three four five") << TextList{"3", "4", "", "", ""} << TextList{"3", "4", "5", "", ""};
    NewRow("perpendicular from hypotenuse and base")
        << TextList{"3", "", "5", "", ""} << TextList{"3", "4", "5", "", ""};
    NewRow("base from hypotenuse and perpendicular")
        << TextList{"", "12", "13", "", ""} << TextList{"5", "12", "13", "", ""};
    NewRow("perpendicular from hypotenuse 13 and base 5")
        << TextList{"5", "", "13", "", ""} << TextList{"5", "12", "13", "", ""};
    NewRow("base from hypotenuse 5 and perpendicular 4")
        << TextList{"", "4", "5", "", ""} << TextList{"3", "4", "5", "", ""};
    NewRow("the hypotenuse alone changes nothing")
        << TextList{"", "", "5", "", ""} << TextList{"", "", "5", "", ""};
    NewRow("root two to fifteen digits")
        << TextList{"1", "1", "", "", ""} << TextList{"1", "1", "1.4142135623731", "", ""};
    // 123456.789 squared keeps 15 digits, 15241578750.1905, before the subtraction; the
    // full squares would give 15.7134839559357.
    NewRow("squares are rounded through text before the difference")
        << TextList{"123456.788", "", "123456.789", "", ""}
        << TextList{"123456.788", "15.7134846842332", "123456.789", "", ""};
    NewRow("angle C from A") << TextList{"", "", "", "30", ""} << TextList{"", "", "", "30", "60"};
    NewRow("angle A from C") << TextList{"", "", "", "", "45.5"} << TextList{"", "", "", "44.5", "45.5"};
    NewRow("an angle is read strictly: with letters, no other angle")
        << TextList{"", "", "", "", "30x"} << TextList{"", "", "", "", "30x"};
    NewRow("both angles typed are never checked")
        << TextList{"", "", "", "30", "70"} << TextList{"", "", "", "30", "70"};
    NewRow("one press fills one angle and one side")
        << TextList{"3", "4", "", "30", ""} << TextList{"3", "4", "5", "30", "60"};
    NewRow("hypotenuse shorter than the base")
        << TextList{"5", "", "3", "", ""} << TextList{"5", "", "3", "", ""};
    NewRow("no trigonometry from a side and an angle")
        << TextList{"3", "", "", "30", ""} << TextList{"3", "", "", "30", "60"};
    NewRow("letters leave the side empty and the angle still works")
        << TextList{"three", "4", "", "", "10"} << TextList{"three", "4", "", "80", "10"};
    NewRow("a square beyond the range")
        << TextList{"1E200", "1", "", "", ""} << TextList{"1E200", "1", "", "", ""};
}

TEST(TestRightTriangle, solve) {
    FETCH(TextList, before);
    FETCH(TextList, after);
    COMPARE(SolveByPass(right_triangle::Rules(), before), after);
}
