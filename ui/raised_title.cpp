// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "raised_title.h"

#include "form_accessibility.h"

#include <QLabel>

namespace ampora {

QLabel* AddRaisedTitle(const Title& title, QWidget* parent) {
    InstallFormAccessibility();
    QFont font(QString::fromUtf8(title.family));
    font.setPointSizeF(title.points);
    font.setBold(true);
    font.setUnderline(title.underline);
    const QString text = QString::fromUtf8(title.text);
    const Qt::Alignment alignment = Qt::AlignLeft | (title.onBottomLine ? Qt::AlignBottom : Qt::AlignVCenter);

    auto* copy = new QLabel(text, parent);
    copy->setObjectName(QString::fromUtf8(title.copyName));
    copy->setFont(font);
    copy->setAlignment(alignment);
    QPalette white = copy->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    copy->setPalette(white);
    copy->setProperty(kDecorative, true);
    Twips at = title.at;
    at.left -= title.offset;
    at.top -= title.offset;
    copy->setGeometry(Px(at));

    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(title.name));
    label->setFont(font);
    label->setAlignment(alignment);
    if (title.colour != kTextColour) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, QColor::fromRgb(static_cast<QRgb>(title.colour)));
        label->setPalette(p);
    }
    label->setGeometry(Px(title.at));
    if (title.copyBehindAll)
        copy->lower();
    else
        copy->stackUnder(label);
    return label;
}

}  // namespace ampora
