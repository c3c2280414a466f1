// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "component_list.h"

#include "checked.h"
#include "conversions.h"
#include "trapping.h"

#include <algorithm>

namespace ampora::component_list {

int RowsCovered(std::string_view count) {
    int last = -1;
    ResumeNext([&] { last = RoundToInteger((Num(TextToNumber(count)) - 1).value()); });
    return std::clamp(last + 1, 0, kRows);
}

void PlainSum(const List& list, std::string& ans) {
    const int rows = RowsCovered(list.count);
    for (int k = 0; k < rows; ++k) {
        ResumeNext(
            [&] { ans = NumberToText((Num(LeadingNumber(list.rows[k])) + LeadingNumber(ans)).value()); });
    }
}

void ReciprocalSum(const List& list, std::string& d, std::string& ans) {
    const int rows = RowsCovered(list.count);
    bool shorted = false;
    for (int k = 0; k < rows; ++k) {
        ResumeNext([&] {
            const Num value = TextToNumber(list.rows[k]);
            if (value.value() == 0.0) shorted = true;
            const Num x = LeadingNumber(NumberToText((1 / value).value()));
            d = NumberToText((Num(TextToNumber(d)) + x).value());
        });
    }
    if (shorted) {
        ans = NumberToText(0);
        return;
    }
    ResumeNext([&] { ans = NumberToText((1 / Num(TextToNumber(d))).value()); });
}

void Combine(const List& list, Option selected, Option additive, std::string& d, std::string& ans) {
    if (!IsEmpty(ans)) return;
    if (selected == additive) PlainSum(list, ans);
    d = IntegerToText(0);
    if (selected != additive) ReciprocalSum(list, d, ans);
}

}  // namespace ampora::component_list
