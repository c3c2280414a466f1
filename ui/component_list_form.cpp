// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "component_list_form.h"

#include "core/component_list.h"

#include <QLabel>
#include <QLineEdit>

namespace ampora {

using namespace component_list;

ComponentListForm::ComponentListForm(const FormDecl& form, QWidget* parent) : CalcForm(form, parent) {
    for (int k = 0; k < kRows; ++k) {
        labels_.push_back(label(kRowLabels[k]));
        rows_.push_back(box(kRowBoxes[k]));
    }
}

QLineEdit* ComponentListForm::row(int k) const { return rows_.at(static_cast<std::size_t>(k)); }
QLabel* ComponentListForm::rowLabel(int k) const { return labels_.at(static_cast<std::size_t>(k)); }

CalcForm* MakeForm(const FormDecl& form, QWidget* parent) {
    if (form.list) return new ComponentListForm(form, parent);
    return new CalcForm(form, parent);
}

}  // namespace ampora
