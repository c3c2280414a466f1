// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ampora {

namespace {
constexpr char kWraps[] = "ampora_wraps_caption";
}

WrapButton::WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setProperty(kWraps, true);
}

bool WrapButton::wraps(const QPushButton* button) { return button->property(kWraps).toBool(); }

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    // The style draws the bevel and the focus frame; the caption is laid out here.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(contents, kTextFlags, caption);
}

}  // namespace ampora
