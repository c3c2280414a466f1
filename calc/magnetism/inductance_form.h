// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/ui/component_list_form.h"

namespace ampora {

// The inductance combination calculator `ind`.
class InductanceForm : public ComponentListForm {
    Q_OBJECT
public:
    explicit InductanceForm(QWidget* parent = nullptr);
};

}  // namespace ampora
