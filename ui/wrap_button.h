// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace ampora {

// A push button two or more lines high whose caption wraps at word boundaries, as on the
// main panel's "Resistors Colour Coding". Its text stays the caption as written.
class WrapButton : public QPushButton {
public:
    WrapButton(const QString& caption, QWidget* parent);

    // Whether `button` wraps its caption; such buttons are measured by their wrapped text.
    static bool wraps(const QPushButton* button);
    // The flags its caption is laid out with.
    static constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ampora
