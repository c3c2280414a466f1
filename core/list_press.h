// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "component_list.h"
#include "form_state.h"

// The presses of the forms with a component list: what their handlers read of the list,
// and the "Calculate" of the combination forms.
namespace ampora::component_list {

// The count and the rows as a calculation reads them from the form, and the chosen
// combination (series on a form without one).
List ListOf(const FormState& form);
Option SelectedOf(const FormState& form);

// The "Calculate" of a combination form: runs `solve` over the form's boxes `names` (in
// the unit's order), its list and its chosen combination, and writes the boxes back. The
// scratch box is written whenever the rows are combined, filled or not.
using Combination = Boxes (*)(Boxes, const List&, Option);
inline constexpr const char* kScratchRewritten[] = {kScratchBox};
template <const auto& names, Combination solve>
constexpr Press CombinePress() {
    return {kCalculate,
            [](FormState& form) -> Report {
                form.setBoxes(names, solve(form.boxes(names), ListOf(form), SelectedOf(form)));
                return {};
            },
            kScratchRewritten};
}

}  // namespace ampora::component_list
