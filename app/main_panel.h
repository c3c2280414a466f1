// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/calc_form.h"

namespace ampora {

class FormTable;

// `Form1`: the main panel of category buttons, each opening one form.
class MainPanel : public CalcForm {
    Q_OBJECT
public:
    explicit MainPanel(FormTable& forms, QWidget* parent = nullptr);
};

// `trigono`: the chooser between the two geometry calculators; it stays open after a pick.
class Chooser : public CalcForm {
    Q_OBJECT
public:
    explicit Chooser(FormTable& forms, QWidget* parent = nullptr);
};

}  // namespace ampora
