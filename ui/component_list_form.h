// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc_form.h"

class QLabel;
class QLineEdit;

namespace ampora {

// A form that takes a list of up to ten component values (its declaration has a
// ListDecl; core/component_list.h names the controls the list adds, and
// core/form_behaviour.h tells what its "OK" shows and when Enter presses "OK").
class ComponentListForm : public CalcForm {
    Q_OBJECT
public:
    explicit ComponentListForm(const FormDecl& form, QWidget* parent = nullptr);

    QLineEdit* row(int k) const;
    QLabel* rowLabel(int k) const;

private:
    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> rows_;
};

// The widget of a declared form: a component-list form where it has a list.
CalcForm* MakeForm(const FormDecl& form, QWidget* parent = nullptr);

}  // namespace ampora
