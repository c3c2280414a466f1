// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPoint>
#include <QRectF>
#include <QWidget>

// The fixed drawings of a window: the black sketches of the triangle and circle forms,
// the coloured rings of the splash and the about box, and the about box's etched rules.
// They never change, take no focus and let clicks through to whatever lies beneath.
namespace ampora {

class SketchShape : public QWidget {
    Q_OBJECT
public:
    // A thin black stroke from `from` to `to`, in the parent's pixels.
    static SketchShape* line(QPoint from, QPoint to, QWidget* parent);
    // The largest thin black circle centred in `bounds`, in the parent's pixels (a circle
    // drawn into a rectangle that is not square keeps its smaller side as its diameter).
    static SketchShape* circle(const QRect& bounds, QWidget* parent);
    // A circle outline two pixels wide in `colour`, centred in `bounds` and two pixels
    // smaller than its smaller side.
    static SketchShape* ring(const QRect& bounds, QColor colour, QWidget* parent);
    // A crisp horizontal or vertical line one pixel wide in `colour`, both ends included.
    static SketchShape* rule(QPoint from, QPoint to, QColor colour, QWidget* parent);

    // The stroke's ends or the circle's box, in the parent's pixels, for checks and tests.
    QPoint start() const { return geometry().topLeft() + from_; }
    QPoint end() const { return geometry().topLeft() + to_; }
    bool isCircle() const { return kind_ == Kind::Circle; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Kind { Line, Circle, Rule };
    SketchShape(Kind kind, QColor colour, int width, QWidget* parent);

    Kind kind_;
    QColor colour_;
    int width_;         // of the pen
    QPoint from_, to_;  // within this widget
    QRectF ellipse_;    // within this widget, for a circle
};

}  // namespace ampora
