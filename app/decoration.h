// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// The drawn decoration of the splash and the about box.
namespace ampora {

// A circle outline in one colour, as large as fits its rectangle and centred in it.
class CircleShape : public QWidget {
    Q_OBJECT
public:
    CircleShape(const QString& name, QColor colour, QRect rect, QWidget* parent);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

// A straight one-pixel line from (x1, y1) to (x2, y2) in pixels; horizontal or vertical.
QWidget* AddLine(const QString& name, QColor colour, QPoint from, QPoint to, QWidget* parent);

}  // namespace ampora
