// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/ui/component_list_form.h"

namespace ampora {

// The fuse size calculator `fuse`.
class FuseSizeForm : public ComponentListForm {
    Q_OBJECT
public:
    explicit FuseSizeForm(QWidget* parent = nullptr);
};

}  // namespace ampora
