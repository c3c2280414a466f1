// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuse_size.h"

#include "core/checked.h"
#include "core/conversions.h"
#include "core/trapping.h"

#include <optional>

namespace ampora::fuse_size {

std::string Solve(const component_list::List& list) {
    constexpr double kMargin = 1.2;
    std::string ans = IntegerToText(0);

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

    for (int k = 0; k < component_list::RowsCovered(list.count); ++k) {
        if (k == largestRow) continue;
        ResumeNext(
            [&] { ans = NumberToText((Num(LeadingNumber(ans)) + LeadingNumber(list.rows[k])).value()); });
    }

    ResumeNext([&] {
        const double margin = LeadingNumber(NumberToText((Num(largest) * kMargin).value()));
        ans = NumberToText((Num(LeadingNumber(ans)) + margin).value());
    });
    return ans;
}

}  // namespace ampora::fuse_size
