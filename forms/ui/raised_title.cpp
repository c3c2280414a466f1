// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "raised_title.h"

#include "form_accessibility.h"

#include <QLabel>

namespace ampora {

QLabel* AddRaisedTitle(const Title& title, QWidget* parent) {
    InstallFormAccessibility();
    QFont font(QString::fromLatin1(title.family));
    font.setPointSizeF(title.points);
    font.setBold(true);
    font.setUnderline(title.underline);
    const QString text = QString::fromUtf8(title.text);

    auto* copy = new QLabel(text, parent);
    copy->setObjectName(QString::fromLatin1(title.copyName));
    copy->setFont(font);
    copy->setAlignment(title.alignment);
    QPalette white = copy->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    copy->setPalette(white);
    copy->setProperty(kDecorative, true);
    Twips at = title.at;
    at.left -= title.offset;
    at.top -= title.offset;
    copy->setGeometry(at.px());

    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(title.name));
    label->setFont(font);
    label->setAlignment(title.alignment);
    if (title.colour.isValid()) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, title.colour);
        label->setPalette(p);
    }
    label->setGeometry(title.at.px());
    if (title.copyBehindAll)
        copy->lower();
    else
        copy->stackUnder(label);
    return label;
}

}  // namespace ampora
