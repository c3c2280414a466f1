// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ammeter_diagram.h"

#include <QPainter>
#include <QPolygon>

namespace ampora {
namespace {

constexpr int kWidth = 242, kHeight = 219;
constexpr int kLeft = 14, kRight = 228;                 // the two vertical buses
constexpr int kTop = 18, kMiddle = 105, kBottom = 200;  // the three branches

void Cell(QPainter& p) {
    constexpr int x = 114;
    p.drawLine(kLeft, kTop, x, kTop);
    p.drawLine(x, kTop - 12, x, kTop + 12);         // the long, positive plate
    p.fillRect(x + 8, kTop - 6, 3, 13, Qt::black);  // the short, negative plate
    p.drawLine(x + 11, kTop, kRight, kTop);
    p.drawText(QRect(x + 18, kTop + 4, 60, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Input"));
}

void Galvanometer(QPainter& p) {
    const QRect box(62, kMiddle - 8, 116, 16);
    p.drawLine(kLeft, kMiddle, box.left(), kMiddle);
    p.drawRect(box);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("G"));
    p.drawLine(box.right() + 1, kMiddle, kRight, kMiddle);
}

void Shunt(QPainter& p) {
    constexpr int from = 92, to = 146, peaks = 6;
    p.drawLine(kLeft, kBottom, from, kBottom);
    QPolygon zigzag;
    zigzag << QPoint(from, kBottom);
    for (int k = 0; k < peaks; ++k)
        zigzag << QPoint(from + (2 * k + 1) * (to - from) / (2 * peaks), kBottom + (k % 2 ? 5 : -5));
    zigzag << QPoint(to, kBottom);
    p.drawPolyline(zigzag);
    p.drawLine(to, kBottom, kRight, kBottom);
    p.drawText(QRect(160, kBottom - 20, 60, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Shunt"));
}

}  // namespace

QImage AmmeterDiagram() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);  // crisp black on white, like a print
    p.setPen(QPen(Qt::black, 1));
    QFont font = p.font();
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);

    p.drawLine(kLeft, kTop, kLeft, kBottom);
    p.drawLine(kRight, kTop, kRight, kBottom);
    Cell(p);
    Galvanometer(p);
    Shunt(p);
    p.setBrush(Qt::black);
    p.drawEllipse(QPoint(kLeft, kMiddle), 3, 3);
    p.drawEllipse(QPoint(kRight, kMiddle), 3, 3);
    return image;
}

}  // namespace ampora
