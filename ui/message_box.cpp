// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_box.h"

#include <QMessageBox>

namespace ampora {

void ShowMessage(QWidget* parent, const QString& title, const QString& text, const QString& objectName,
                 const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(objectName);
    box.setAccessibleName(title);
    box.setAccessibleDescription(text);
    if (!details.isEmpty()) box.setDetailedText(details);
    box.exec();
}

}  // namespace ampora
