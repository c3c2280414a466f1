// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/ui/calc_form.h"

namespace ampora {

// The circle calculator `cirtri`, with its sketch of a circle and its radius.
class CircleForm : public CalcForm {
    Q_OBJECT
public:
    explicit CircleForm(QWidget* parent = nullptr);
};

}  // namespace ampora
