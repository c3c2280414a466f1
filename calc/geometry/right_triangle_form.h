// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/ui/calc_form.h"

namespace ampora {

// The right angle triangle calculator `ratri`, with its fixed sketch.
class RightTriangleForm : public CalcForm {
    Q_OBJECT
public:
    explicit RightTriangleForm(QWidget* parent = nullptr);
};

}  // namespace ampora
