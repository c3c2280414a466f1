// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sketch_shape.h"

#include <QPainter>

#include <algorithm>

namespace ampora {

SketchShape::SketchShape(Kind kind, QColor colour, int width, QWidget* parent)
    : QWidget(parent), kind_(kind), colour_(colour), width_(width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

SketchShape* SketchShape::line(QPoint from, QPoint to, QWidget* parent) {
    auto* shape = new SketchShape(Kind::Line, Qt::black, 1, parent);
    // One pixel more than the span, so a stroke along an edge of its box is still drawn.
    const QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
    shape->setGeometry(box);
    shape->from_ = from - box.topLeft();
    shape->to_ = to - box.topLeft();
    return shape;
}

SketchShape* SketchShape::circle(const QRect& bounds, QWidget* parent) {
    auto* shape = new SketchShape(Kind::Circle, Qt::black, 1, parent);
    const int diameter = std::min(bounds.width(), bounds.height());
    QRect box(0, 0, diameter, diameter);
    box.moveCenter(bounds.center());
    shape->setGeometry(box.adjusted(0, 0, 1, 1));
    shape->from_ = {0, 0};
    shape->to_ = {diameter, diameter};
    // The thin pen's middle runs half a pixel inside the box, so the whole stroke shows.
    shape->ellipse_ = QRectF(shape->from_, shape->to_).adjusted(0.5, 0.5, -0.5, -0.5);
    return shape;
}

SketchShape* SketchShape::ring(const QRect& bounds, QColor colour, QWidget* parent) {
    auto* shape = new SketchShape(Kind::Circle, colour, 2, parent);
    shape->setGeometry(bounds);
    const int side = std::min(bounds.width(), bounds.height()) - 2;
    const QRect circle((bounds.width() - side) / 2, (bounds.height() - side) / 2, side, side);
    shape->from_ = circle.topLeft();
    shape->to_ = circle.topLeft() + QPoint(side, side);
    shape->ellipse_ = QRectF(circle);
    return shape;
}

SketchShape* SketchShape::rule(QPoint from, QPoint to, QColor colour, QWidget* parent) {
    auto* shape = new SketchShape(Kind::Rule, colour, 1, parent);
    const QRect box = QRect(from, to).normalized();
    shape->setGeometry(box.left(), box.top(), std::max(box.width(), 1), std::max(box.height(), 1));
    shape->from_ = from - box.topLeft();
    shape->to_ = to - box.topLeft();
    return shape;
}

void SketchShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (kind_ == Kind::Rule) {
        // Whole pixels without smoothing: an etched rule is a sharp one-pixel line.
        painter.fillRect(rect(), colour_);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, width_));
    if (kind_ == Kind::Circle)
        painter.drawEllipse(ellipse_);
    else
        painter.drawLine(from_, to_);
}

}  // namespace ampora
