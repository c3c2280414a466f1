// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuse_size.h"

#include "core/conversions.h"
#include "core/trapping.h"

#include <optional>

namespace ampora::fuse_size {
namespace {

enum Slot { kSum, kLoad };

const Relation kStart(Term(0));
// A load added to the running sum, both read leniently.
const Relation kAdd([](X x) { return x.leading(kSum) + x.leading(kLoad); });
// The margin, 1.2 times the largest load as its text shows it, added last; with no load
// larger than 0 the margin is 0.
const Relation kAddMargin([](X x) { return x.leading(kSum) + Rounded(x[kLoad] * 1.2, "margin"); });
const Relation kAddNoMargin([](X x) { return x.leading(kSum) + Rounded(Term(0) * 1.2, "margin"); });

}  // namespace

std::string Solve(const component_list::List& list, Steps* steps) {
    const char* ans = component_list::kAnswerBox;
    std::string sum = Work(ans, kStart, {}, steps);

    double largest = 0;
    std::optional<int> largestRow;
    for (int k = 0; k < component_list::RowsCovered(list.count); ++k) {
        ResumeNext([&] {
            const double load = TextToNumber(list.rows[k]);
            if (load > largest) {
                largest = load;
                largestRow = k;
            }
        });
    }

    const auto load = [&](int k) { return Operand{component_list::kRowBoxes[k], "Load", &list.rows[k]}; };
    for (int k = 0; k < component_list::RowsCovered(list.count); ++k) {
        if (k == largestRow) continue;
        const Operand operands[] = {{ans, ans, &sum}, load(k)};
        ResumeNext([&] { sum = Work(ans, kAdd, {operands}, steps); });
    }

    const std::string none;
    const Operand operands[] = {{ans, ans, &sum}, largestRow ? load(*largestRow) : Operand{"", "", &none}};
    ResumeNext([&] { sum = Work(ans, largestRow ? kAddMargin : kAddNoMargin, {operands}, steps); });
    return sum;
}

}  // namespace ampora::fuse_size
