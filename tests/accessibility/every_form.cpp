// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "every_form.h"

namespace ampora::test {

void EveryForm::addRows() {
    QTest::addColumn<int>("index");
    EveryForm forms;
    const auto entries = AllForms();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::unique_ptr<QWidget> form = forms.create(static_cast<int>(i));
        QTest::newRow(qPrintable(form->objectName())) << static_cast<int>(i);
    }
}

std::unique_ptr<QWidget> EveryForm::create(int index) {
    auto entries = AllForms();
    std::unique_ptr<QWidget> form(entries.at(static_cast<std::size_t>(index)).create(table_));
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    return form;
}

std::unique_ptr<QWidget> EveryForm::show(int index, bool active) {
    std::unique_ptr<QWidget> form = create(index);
    form->show();
    if (active) form->activateWindow();
    const bool shown =
        active ? QTest::qWaitForWindowActive(form.get()) : QTest::qWaitForWindowExposed(form.get());
    if (!shown) return nullptr;
    return form;
}

}  // namespace ampora::test
