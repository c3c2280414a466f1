// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "component_list_form.h"

#include "core/component_list.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ampora {

using namespace component_list;

ComponentListForm::ComponentListForm(const FormDecl& form, QWidget* parent) : CalcForm(form, parent) {
    for (int k = 0; k < kRows; ++k) {
        labels_.push_back(label(kRowLabels[k]));
        rows_.push_back(box(kRowBoxes[k]));
        labels_.back()->hide();
        rows_.back()->hide();
    }
    if (QGroupBox* combination = frame("Frame1")) combination->hide();
    label("Label2")->hide();
    box(kScratchBox)->hide();

    QLineEdit* count = box(kCountBox);
    connect(count, &QLineEdit::textChanged, this, [this] { setDefaultButton(kOk); });
    onFocusIn(count, [this] { setDefaultButton(kOk); });
    onFocusOut(count, [this] { setDefaultButton(kCalculate); });
    onClick(kOk, [this] { confirmCount(); });
}

void ComponentListForm::confirmCount() {
    if (QGroupBox* combination = frame("Frame1")) combination->show();
    const int covered = RowsCovered(box(kCountBox)->text().toStdString());
    for (int k = 0; k < kRows; ++k) {
        labels_[k]->setVisible(k < covered);
        rows_[k]->setVisible(k < covered);
    }
    box(kAnswerBox)->show();
    label("Label2")->show();
    button(kCalculate)->show();
    setDefaultButton(kCalculate);
}

QLineEdit* ComponentListForm::row(int k) const { return rows_.at(static_cast<std::size_t>(k)); }
QLabel* ComponentListForm::rowLabel(int k) const { return labels_.at(static_cast<std::size_t>(k)); }

CalcForm* MakeForm(const FormDecl& form, QWidget* parent) {
    if (form.list) return new ComponentListForm(form, parent);
    return new CalcForm(form, parent);
}

}  // namespace ampora
