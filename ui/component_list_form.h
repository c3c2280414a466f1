// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc_form.h"

class QLabel;
class QLineEdit;

namespace ampora {

// A form that takes a list of up to ten component values (its declaration has a
// ListDecl; core/component_list.h names the controls the list adds).
//
// "OK" shows the rows the count covers and hides the others (their texts stay), so the
// screen always shows the rows that Calculate reads. Enter presses "OK" while the count
// is being edited and "Calculate" once it has been confirmed or left.
class ComponentListForm : public CalcForm {
    Q_OBJECT
public:
    explicit ComponentListForm(const FormDecl& form, QWidget* parent = nullptr);

    QLineEdit* row(int k) const;
    QLabel* rowLabel(int k) const;

private:
    void confirmCount();

    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> rows_;
};

// The widget of a declared form: a component-list form where it has a list.
CalcForm* MakeForm(const FormDecl& form, QWidget* parent = nullptr);

}  // namespace ampora
