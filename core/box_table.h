// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_decl.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// A unit numbers its boxes with an enum and declares each once, in one table: its name on
// the form and the quantity it holds, in the enum's order, which the compiler checks:
//
//     enum Box { P, I, kBoxCount };
//     inline constexpr auto kBoxes = DeclareBoxes<kBoxCount>({{P, "p", "Power"}, {I, "i", "Current"}});
//
// A row out of order, a box left out or a name left blank stops the build; so does a name
// that the form's control table does not declare as a box (DeclaresBoxes, in the form's
// file).
namespace ampora {

template <std::size_t N>
struct BoxTable {
    std::array<BoxRow, N> rows;
    std::array<const char*, N> names;  // the rows' names, in the unit's order
};

template <int Count, std::size_t N>
consteval BoxTable<N> DeclareBoxes(const BoxRow (&rows)[N]) {
    static_assert(N == Count, "every box of the unit needs its row, and no more");
    BoxTable<N> table{};
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].box != static_cast<int>(i)) throw "the rows are not in the order of the unit's boxes";
        if (!rows[i].name || !*rows[i].name || !rows[i].quantity || !*rows[i].quantity)
            throw "a box needs its name and its quantity";
        table.rows[i] = rows[i];
        table.names[i] = rows[i].name;
    }
    return table;
}

// Whether every name is that of a box in `controls` or among `alsoBoxes` (the boxes a
// component-list form adds to its table).
template <std::size_t N>
constexpr bool DeclaresBoxes(std::span<const Control> controls, const BoxTable<N>& table,
                             std::span<const char* const> alsoBoxes = {}) {
    for (const char* name : table.names) {
        bool found = false;
        for (const Control& c : controls)
            found = found || (c.kind == Kind::Box && std::string_view(c.name) == name);
        for (const char* also : alsoBoxes) found = found || std::string_view(also) == name;
        if (!found) return false;
    }
    return true;
}

}  // namespace ampora
