// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QWidget>

// The fixed drawings of a form (a triangle's sides, a circle): thin black strokes that
// never change, take no focus and let clicks through to whatever lies beneath.
namespace ampora {

class SketchShape : public QWidget {
    Q_OBJECT
public:
    // A straight line from `from` to `to`, in the parent's pixels.
    static SketchShape* line(QPoint from, QPoint to, QWidget* parent);
    // The largest circle centred in `bounds`, in the parent's pixels (a circle shape drawn
    // into a rectangle that is not square keeps its smaller side as its diameter).
    static SketchShape* circle(const QRect& bounds, QWidget* parent);

    // The stroke's ends or the circle's box, in the parent's pixels, for checks and tests.
    QPoint start() const { return geometry().topLeft() + from_; }
    QPoint end() const { return geometry().topLeft() + to_; }
    bool isCircle() const { return circle_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SketchShape(bool circle, QWidget* parent);

    bool circle_;
    QPoint from_, to_;  // within this widget
};

}  // namespace ampora
