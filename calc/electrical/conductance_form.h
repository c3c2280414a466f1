// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/ui/calc_form.h"

namespace ampora {

// The conductance calculator `cond`.
class ConductanceForm : public CalcForm {
    Q_OBJECT
public:
    explicit ConductanceForm(QWidget* parent = nullptr);
};

}  // namespace ampora
