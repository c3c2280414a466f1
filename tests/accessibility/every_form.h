// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/form_table.h"

#include <QMdiArea>
#include <QTest>

#include <memory>

// The forms of the program, one test row each: a test iterates over every form that
// AllForms() offers, so forms added later are checked without a new line here.
namespace ampora::test {

class EveryForm {
public:
    EveryForm() : table_(&area_, AllForms()) {}

    // One row per form, named by the form's objectName, carrying its index in AllForms().
    static void addRows();
    // Creates the form of the current row as a window of its own.
    std::unique_ptr<QWidget> create(int index);
    // Creates it and shows it (made the active window when `active`); nullptr when the
    // window never appeared.
    std::unique_ptr<QWidget> show(int index, bool active = false);

private:
    QMdiArea area_;
    FormTable table_;
};

}  // namespace ampora::test
