// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/core/solve_pass.h"

#include <QString>
#include <QStringList>

// Between a unit's boxes and the string lists of a data table, so a failing row shows
// every box side by side.
namespace ampora::test {

inline Boxes ToBoxes(const QStringList& texts) {
    Boxes boxes;
    for (const QString& t : texts) boxes.push_back(t.toStdString());
    return boxes;
}

inline QStringList Texts(const Boxes& boxes) {
    QStringList texts;
    for (const std::string& b : boxes) texts << QString::fromStdString(b);
    return texts;
}

}  // namespace ampora::test
