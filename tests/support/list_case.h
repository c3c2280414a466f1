// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/component_list.h"

#include <string>
#include <vector>

// The lists of the calculators built on the component list, as test cases give them.
namespace ampora::test {

inline component_list::List MakeList(const std::string& count, const std::vector<std::string>& rows) {
    component_list::List list;
    list.count = count;
    for (std::size_t k = 0; k < rows.size() && k < std::size_t(component_list::kRows); ++k)
        list.rows[k] = rows[k];
    return list;
}

}  // namespace ampora::test
