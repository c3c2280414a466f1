// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing_image.h"

#include <QPainter>

namespace ampora {

QImage DrawingImage(const Drawing& drawing) {
    QImage image(drawing.width, drawing.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    QFont font = p.font();
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    for (const Stroke& s : drawing.strokes) {
        const QRect box(s.x, s.y, s.x2, s.y2);
        switch (s.shape) {
            case Stroke::Line:
                p.drawLine(s.x, s.y, s.x2, s.y2);
                break;
            case Stroke::Rectangle:
                p.drawRect(box);
                break;
            case Stroke::Fill:
                p.fillRect(box, Qt::black);
                break;
            case Stroke::Dot:
                p.setBrush(Qt::black);
                p.drawEllipse(QPoint(s.x, s.y), s.x2, s.x2);
                p.setBrush(Qt::NoBrush);
                break;
            case Stroke::Text:
                p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(s.text));
                break;
            case Stroke::CentredText:
                p.drawText(box, Qt::AlignCenter, QString::fromUtf8(s.text));
                break;
        }
    }
    return image;
}

}  // namespace ampora
