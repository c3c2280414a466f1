// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/component_list.h"
#include "core/solve_pass.h"

#include <QStringList>
#include <QTest>

// Table-driven cases for the calculators built on the component list.
namespace ampora::test {

inline component_list::List MakeList(const QString& count, const QStringList& rows) {
    component_list::List list;
    list.count = count.toStdString();
    for (int k = 0; k < rows.size() && k < component_list::kRows; ++k) list.rows[k] = rows[k].toStdString();
    return list;
}

// The columns of a combination form's table: the selected combination, the count, the
// rows, the boxes before (in the unit's box order) and after.
inline void AddCombinationColumns() {
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("in");
    QTest::addColumn<QStringList>("out");
}

// Runs `calculate` over the current row of such a table and compares every box of `out`.
template <typename Calculate>
void CheckCombination(Calculate calculate, int boxCount) {
    QFETCH(bool, parallel);
    QFETCH(QString, count);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, in);
    QFETCH(QStringList, out);
    Boxes boxes(static_cast<std::size_t>(boxCount));
    for (int b = 0; b < in.size(); ++b) boxes[b] = in[b].toStdString();
    const auto option = parallel ? component_list::Option::Parallel : component_list::Option::Series;
    const Boxes result = calculate(boxes, MakeList(count, rows), option, nullptr);
    for (int b = 0; b < out.size(); ++b) QCOMPARE(QString::fromStdString(result[b]), out[b]);
}

}  // namespace ampora::test
