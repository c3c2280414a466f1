// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "box_texts.h"
#include "check.h"
#include "core/component_list.h"
#include "core/solve_pass.h"
#include "list_case.h"

#include <string>

// Table-driven cases for the calculators built on the component list.
namespace ampora::test {

// The columns of a combination form's table: the selected combination, the count, the
// rows, the boxes before (in the unit's box order) and after.
inline void AddCombinationColumns() {
    check::AddColumn<bool>("parallel");
    check::AddColumn<std::string>("count");
    check::AddColumn<TextList>("rows");
    check::AddColumn<TextList>("in");
    check::AddColumn<TextList>("out");
}

// Runs `calculate` over the current row of such a table and compares every box of `out`.
template <typename Calculate>
void CheckCombination(Calculate calculate, int boxCount) {
    FETCH(bool, parallel);
    FETCH(std::string, count);
    FETCH(TextList, rows);
    FETCH(TextList, in);
    FETCH(TextList, out);
    Boxes boxes(static_cast<std::size_t>(boxCount));
    for (std::size_t b = 0; b < in.size(); ++b) boxes[b] = in[b];
    const auto option = parallel ? component_list::Option::Parallel : component_list::Option::Series;
    const Boxes result = calculate(boxes, MakeList(count, rows), option, nullptr);
    for (std::size_t b = 0; b < out.size(); ++b) COMPARE(result[b], out[b]);
}

}  // namespace ampora::test
