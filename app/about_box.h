// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/calc_form.h"

namespace ampora {

// `frmAbout`: names the program and its version; "OK" is both the default and the cancel
// button, so Enter and Escape close the box. Closing deletes it: it reopens afresh.
class AboutBox : public CalcForm {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // "OK": closes the box.
    void dismiss();
};

}  // namespace ampora
