// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/ui/calc_form.h"

namespace ampora {

// The oscilloscope calculator `oscil`: a d.c. voltage panel and a frequency panel, each
// with its own "Calculate", which becomes the default while one of its boxes has focus.
class OscilloscopeForm : public CalcForm {
    Q_OBJECT
public:
    explicit OscilloscopeForm(QWidget* parent = nullptr);
};

}  // namespace ampora
