// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classic_frame.h"

#include <QPainter>

namespace ampora {

namespace {
const QColor kBorder(0x80, 0x80, 0x80);
constexpr int kCaptionLeft = 6;  // pixels from the left edge to the caption's gap
constexpr int kCaptionPad = 2;   // pixels of gap either side of the caption
}  // namespace

ClassicFrame::ClassicFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void ClassicFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int line = metrics.height() / 2;
    painter.setPen(kBorder);
    painter.drawRect(rect().adjusted(0, line, -1, -1));
    if (title().isEmpty()) return;
    const QRect gap(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPad, metrics.height());
    painter.fillRect(gap, palette().brush(backgroundRole()));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(gap, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

}  // namespace ampora
