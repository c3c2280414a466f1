// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "component_list.h"
#include "form_state.h"

// The presses of the forms with a component list: what their handlers read of the list,
// and the "Calculate" of the combination forms.
namespace ampora::component_list {

// The count and the rows as a calculation reads them from the form, and the chosen
// combination (series on a form without one); `decl` declares the form's list.
List ListOf(const FormState& form, const ListDecl& decl);
Option SelectedOf(const FormState& form);

// The "Calculate" of a combination form: runs `solve` over the form's boxes `table` (in
// the unit's order), its list and its chosen combination, and writes the boxes back. The
// scratch box is written whenever the rows are combined, filled or not.
using Combination = Boxes (*)(Boxes, const List&, Option, Steps*);
inline constexpr const char* kScratchRewritten[] = {kScratchBox};
template <const auto& table, Combination solve, const ListDecl& decl>
constexpr Press CombinePress() {
    return {kCalculate,
            [](FormState& form, Steps* steps) -> Report {
                form.setBoxes(table, solve(form.boxes(table), ListOf(form, decl), SelectedOf(form), steps));
                return {};
            },
            kScratchRewritten, nullptr, table.rows};
}

}  // namespace ampora::component_list
