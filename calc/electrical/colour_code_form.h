// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/ui/calc_form.h"

namespace ampora {

// The resistor colour-code calculator `rcc`.
class ColourCodeForm : public CalcForm {
    Q_OBJECT
public:
    explicit ColourCodeForm(QWidget* parent = nullptr);
};

}  // namespace ampora
