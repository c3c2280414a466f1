// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check.h"
#include "core/solve_pass.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Between a unit's boxes and the texts of a data table, so a failing row shows every box
// side by side.
namespace ampora::test {

// A column of texts in a data table: boxes, list rows, results.
using TextList = std::vector<std::string>;

// A table of one press over a unit's boxes: its columns, the boxes before and after, in
// the unit's order; and a row of it.
inline void AddBeforeAndAfterColumns() {
    check::AddColumn<TextList>("before");
    check::AddColumn<TextList>("after");
}
inline void BeforeAndAfter(const char* name, const TextList& before, const TextList& after) {
    check::NewRow(name) << before << after;
}

// "v=10;i=2" -> the boxes, one per name in `names` (the form's box names in the unit's box
// order), the ones not named empty; the text after "=" is kept as is, blanks included.
inline Boxes Parse(std::string_view pairs, std::span<const char* const> names) {
    Boxes boxes(names.size());
    while (!pairs.empty()) {
        const std::string_view pair = pairs.substr(0, pairs.find(';'));
        pairs.remove_prefix(std::min(pairs.size(), pair.size() + 1));
        if (pair.empty()) continue;
        const std::size_t eq = pair.find('=');
        const auto it =
            std::find_if(names.begin(), names.end(), [&](const char* n) { return pair.substr(0, eq) == n; });
        if (it == names.end()) throw std::invalid_argument("no box named " + std::string(pair.substr(0, eq)));
        boxes[static_cast<std::size_t>(it - names.begin())] = std::string(pair.substr(eq + 1));
    }
    return boxes;
}

// The filled boxes as "name=text" pairs in box order, the inverse of Parse.
inline std::string Show(const Boxes& boxes, std::span<const char* const> names) {
    std::string pairs;
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (!boxes[k].empty())
            pairs.append(pairs.empty() ? "" : ";").append(names[k]).append("=").append(boxes[k]);
    return pairs;
}

}  // namespace ampora::test
