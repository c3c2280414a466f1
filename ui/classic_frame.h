// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

namespace ampora {

// A frame in the classic style: a thin grey border with the caption sitting on its top
// line. Drawn here rather than through a style sheet, so that the controls inside keep
// the form's palette and style.
class ClassicFrame : public QGroupBox {
public:
    ClassicFrame(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ampora
