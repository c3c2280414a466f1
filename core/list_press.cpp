// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_press.h"

namespace ampora::component_list {

List ListOf(const FormState& form, const ListDecl& decl) {
    List list;
    list.component = decl.component;
    list.count = form.box(kCountBox);
    for (int k = 0; k < kRows; ++k) list.rows[k] = form.box(kRowBoxes[k]);
    return list;
}

Option SelectedOf(const FormState& form) {
    return form.hasOption(kParallel) && form.option(kParallel) ? Option::Parallel : Option::Series;
}

}  // namespace ampora::component_list
