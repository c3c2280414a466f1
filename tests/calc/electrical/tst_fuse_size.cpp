// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/fuse_size.h"
#include "core/conversions.h"
#include "support/box_texts.h"
#include "support/check.h"
#include "support/list_case.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

using namespace ampora;
using namespace ampora::check;
using test::TextList;

TEST_DATA(TestFuseSize, calculate) {
    AddColumn<std::string>("count");
    AddColumn<TextList>("loads");
    AddColumn<std::string>("fuse");
    NewRow("1.2 x the largest plus the others") << "3" << TextList{"5", "10", "3"} << "20";
    NewRow("only one of two equal largest loads is left out") << "3" << TextList{"10", "10", "5"} << "27";
    // The rows add up through 15-digit text in their order, so which of two equal largest
    // loads is left out shows: 0.4 + 0.4 is added before the first of them, not rounded away.
    NewRow("the first of two equal largest loads is the one left out")
        << "4" << TextList{"0.4", "123456789012345", "0.4", "123456789012345"} << "271604935827160";
    NewRow("fractional loads") << "2" << TextList{"2.5", "1.5"} << "4.5";
    NewRow("a load beyond 16 bits") << "2" << TextList{"40000", "10"} << "48010";
    NewRow("a single load") << "1" << TextList{"3"} << "3.6";
    NewRow("a negative load") << "2" << TextList{"-5", "3"} << "-1.4";
    NewRow("only negative loads: the largest stays 0") << "2" << TextList{"-5", "-3"} << "-8";
    NewRow("a load with letters is never the largest, but adds its number")
        << "2" << TextList{"7abc", "2"} << "9.4";
    NewRow("all rows empty") << "3" << TextList{} << "0";
    NewRow("count 0") << "0" << TextList{"5"} << "0";
    NewRow("an unreadable count uses no rows") << "abc" << TextList{"5"} << "0";
    NewRow("rows beyond the count are not read") << "2" << TextList{"1", "2", "100"} << "3.4";
    NewRow("twelve reads all ten rows")
        << "12" << TextList{"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"} << "10.2";
    NewRow("overflow of the sum keeps the last written value")
        << "3" << TextList{"1.5E308", "1E308", "1E308"} << "1E+308";
    NewRow("overflow of the margin keeps the sum") << "2" << TextList{"1.7E308", "2"} << "2";
}

TEST(TestFuseSize, calculate) {
    FETCH(std::string, count);
    FETCH(TextList, loads);
    FETCH(std::string, fuse);
    COMPARE(fuse_size::Solve(test::MakeList(count, loads)), fuse);
}

// Random loads, equal ones and unreadable ones among them: the fuse is 1.2 times the
// largest load plus all the others, within 15-digit text. Only the first of equal largest
// loads counts as the largest; a load followed by letters is never the largest but adds
// its number, an empty row adds nothing.
TEST(TestFuseSize, marginOverTheLargestLoad) {
    std::mt19937_64 random(2026);
    for (int round = 0; round < 400; ++round) {
        const int count = int(random() % 13);
        component_list::List list;
        list.count = std::to_string(count);
        double largest = 0, all = 0;
        for (int k = 0; k < component_list::kRows; ++k) {
            const int kind = int(random() % 10);
            if (kind == 0) continue;  // empty
            const double load = kind == 1 && largest > 0 ? largest : double(1 + random() % 99999) / 100;
            list.rows[k] = NumberToText(load) + (kind == 2 ? "abc" : "");
            if (k >= count) continue;
            all += load;
            if (kind != 2) largest = std::max(largest, load);
        }
        const double want = 1.2 * largest + (all - largest);
        const std::string fuse = fuse_size::Solve(list);
        VERIFY2(std::abs(TextToNumber(fuse) - want) <= 1e-12 * std::max(want, 1.0),
                "count " + std::to_string(count) + ": " + fuse + ", expected " + Shown(want));
    }
}
