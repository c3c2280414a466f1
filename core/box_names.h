// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_decl.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// A unit numbers its boxes with an enum; its form names them. One table ties the two,
// written as pairs so that the compiler checks it against the enum's order:
//
//     enum Box { P, I, kBoxes };
//     inline constexpr auto kBoxNames = NameBoxes<kBoxes>({{P, "p"}, {I, "i"}});
//
// A pair out of order, or a box left out, stops the build; so does a name that the
// form's control table does not declare as a box (DeclaresBoxes, in the form's file).
namespace ampora {

template <std::size_t N>
using BoxNames = std::array<const char*, N>;

struct NamedBox {
    int box;
    const char* name;
};

template <int Count, std::size_t N>
consteval BoxNames<N> NameBoxes(const NamedBox (&pairs)[N]) {
    static_assert(N == Count, "every box of the unit needs its name, and no more");
    BoxNames<N> names{};
    for (std::size_t i = 0; i < N; ++i) {
        if (pairs[i].box != static_cast<int>(i))
            throw "the box names are not in the order of the unit's boxes";
        names[i] = pairs[i].name;
    }
    return names;
}

// Whether every name is that of a box in `controls` or among `alsoBoxes` (the boxes a
// component-list form adds to its table).
template <std::size_t N>
constexpr bool DeclaresBoxes(std::span<const Control> controls, const BoxNames<N>& names,
                             std::span<const char* const> alsoBoxes = {}) {
    for (const char* name : names) {
        bool found = false;
        for (const Control& c : controls)
            found = found || (c.kind == Kind::Box && std::string_view(c.name) == name);
        for (const char* also : alsoBoxes) found = found || std::string_view(also) == name;
        if (!found) return false;
    }
    return true;
}

}  // namespace ampora
