// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sketch_shape.h"

#include <QPainter>

#include <algorithm>

namespace ampora {

SketchShape::SketchShape(bool circle, QWidget* parent) : QWidget(parent), circle_(circle) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

SketchShape* SketchShape::line(QPoint from, QPoint to, QWidget* parent) {
    auto* shape = new SketchShape(false, parent);
    // One pixel more than the span, so a stroke along an edge of its box is still drawn.
    const QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
    shape->setGeometry(box);
    shape->from_ = from - box.topLeft();
    shape->to_ = to - box.topLeft();
    return shape;
}

SketchShape* SketchShape::circle(const QRect& bounds, QWidget* parent) {
    auto* shape = new SketchShape(true, parent);
    const int diameter = std::min(bounds.width(), bounds.height());
    QRect box(0, 0, diameter, diameter);
    box.moveCenter(bounds.center());
    shape->setGeometry(box.adjusted(0, 0, 1, 1));
    shape->from_ = {0, 0};
    shape->to_ = {diameter, diameter};
    return shape;
}

void SketchShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    if (circle_)
        painter.drawEllipse(QRectF(from_, to_).adjusted(0.5, 0.5, -0.5, -0.5));
    else
        painter.drawLine(from_, to_);
}

}  // namespace ampora
