// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/ui/calc_form.h"

namespace ampora {

// The alternating-current calculator `ac`.
class AlternatingCurrentForm : public CalcForm {
    Q_OBJECT
public:
    explicit AlternatingCurrentForm(QWidget* parent = nullptr);
};

}  // namespace ampora
