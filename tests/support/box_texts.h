// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/solve_pass.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <span>

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

// "v=10;i=2" -> the boxes, one per name in `names` (the form's box names in the unit's box
// order), the ones not named empty; the text after "=" is kept as is, blanks included.
inline Boxes Parse(const QString& pairs, std::span<const char* const> names) {
    Boxes boxes(names.size());
    for (const QString& pair : pairs.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        const auto it = std::find_if(names.begin(), names.end(),
                                     [&](const char* n) { return pair.left(eq) == QLatin1String(n); });
        Q_ASSERT(it != names.end());
        boxes[static_cast<std::size_t>(it - names.begin())] = pair.mid(eq + 1).toStdString();
    }
    return boxes;
}

// The filled boxes as "name=text" pairs in box order, the inverse of Parse.
inline QString Show(const Boxes& boxes, std::span<const char* const> names) {
    QStringList pairs;
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (!boxes[k].empty())
            pairs << QLatin1String(names[k]) + QLatin1Char('=') + QString::fromStdString(boxes[k]);
    return pairs.join(QLatin1Char(';'));
}

}  // namespace ampora::test
