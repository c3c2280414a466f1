// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decoration.h"

#include <QPainter>

namespace ampora {

CircleShape::CircleShape(const QString& name, QColor colour, QRect rect, QWidget* parent)
    : QWidget(parent), colour_(colour) {
    setObjectName(name);
    setGeometry(rect);
    // A shape is drawing only: clicks and keys go to what lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void CircleShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, 2));
    const int side = std::min(width(), height()) - 2;
    const QRect circle((width() - side) / 2, (height() - side) / 2, side, side);
    painter.drawEllipse(circle);
}

QWidget* AddLine(const QString& name, QColor colour, QPoint from, QPoint to, QWidget* parent) {
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    const QRect r = QRect(from, to).normalized();
    line->setGeometry(r.left(), r.top(), std::max(r.width(), 1), std::max(r.height(), 1));
    if (from.y() == to.y())
        line->setFixedHeight(1);
    else
        line->setFixedWidth(1);
    return line;
}

}  // namespace ampora
