// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/ui/calc_form.h"

namespace ampora {

// The galvanometer-to-ammeter calculator `amm`, its boxes laid over the circuit diagram.
class AmmeterForm : public CalcForm {
    Q_OBJECT
public:
    explicit AmmeterForm(QWidget* parent = nullptr);
};

}  // namespace ampora
