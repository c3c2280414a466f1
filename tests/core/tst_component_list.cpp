// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/component_list.h"
#include "core/conversions.h"
#include "support/list_case.h"
#include "support/test_registry.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

using namespace ampora;
using component_list::List;

namespace {

component_list::List MakeList(const QString& count, const QStringList& rows) {
    std::vector<std::string> texts;
    for (const QString& row : rows) texts.push_back(row.toStdString());
    return test::MakeList(count.toStdString(), texts);
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

class TestComponentList : public QObject {
    Q_OBJECT
private slots:
    void rowsCovered_data();
    void rowsCovered();
    void plainSum_data();
    void plainSum();
    void reciprocalSum_data();
    void reciprocalSum();
    void combineGivesTheSumsOfTheRows();
};

void TestComponentList::rowsCovered_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("rows");
    QTest::newRow("three") << "3" << 3;
    QTest::newRow("2.5 rounds half to even after subtracting one") << "2.5" << 3;
    QTest::newRow("3.5 rounds half to even after subtracting one") << "3.5" << 3;
    QTest::newRow("0.5 gives the first row") << "0.5" << 1;
    QTest::newRow("twelve acts as ten") << "12" << 10;
    QTest::newRow("largest count in range") << "32768" << 10;
    QTest::newRow("negative") << "-2" << 0;
    QTest::newRow("smallest count in range") << "-32767" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("count - 1 above the 16-bit range") << "1E9" << 0;
    QTest::newRow("count - 1 just above the 16-bit range") << "32768.5" << 0;
    QTest::newRow("count - 1 below the 16-bit range") << "-32768" << 0;
}

void TestComponentList::rowsCovered() {
    QFETCH(QString, count);
    QFETCH(int, rows);
    QCOMPARE(component_list::RowsCovered(count.toStdString()), rows);
}

void TestComponentList::plainSum_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("ans");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unreadable rows add their leading number")
        << "4" << QStringList{"2", "", "abc", "3x"} << ""
        << "5";
    QTest::newRow("rows beyond the count are not read") << "2" << QStringList{"1", "2", "4"} << ""
                                                        << "3";
    QTest::newRow("the running value passes through text") << "2" << QStringList{"0.1", "0.2"} << ""
                                                           << "0.3";
    QTest::newRow("all rows empty gives 0") << "3" << QStringList{} << ""
                                            << "0";
    QTest::newRow("no rows leaves ans empty") << "0" << QStringList{"5"} << ""
                                              << "";
    QTest::newRow("an unreadable count reads no rows") << "abc" << QStringList{"5"} << ""
                                                       << "";
    QTest::newRow("starts from what ans holds") << "1" << QStringList{"5"} << "2"
                                                << "7";
    QTest::newRow("an overflowing step leaves the sum as it was")
        << "3" << QStringList{"1E308", "1E308", "-1E308"} << ""
        << "0";
    QTest::newRow("a row beyond the double range is skipped") << "2" << QStringList{"1E999", "4"} << ""
                                                              << "4";
}

void TestComponentList::plainSum() {
    QFETCH(QString, count);
    QFETCH(QStringList, rows);
    QFETCH(QString, ans);
    QFETCH(QString, expected);
    std::string out = ans.toStdString();
    component_list::PlainSum(MakeList(count, rows), out);
    QCOMPARE(Q(out), expected);
}

void TestComponentList::reciprocalSum_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("ans");
    QTest::addColumn<QString>("d");
    QTest::newRow("empty rows are skipped") << "3" << QStringList{"2", "", "2"} << "1"
                                            << "1";
    QTest::newRow("reciprocals pass through text") << "2" << QStringList{"3", "6"} << "2"
                                                   << "0.5";
    // 1/7 and 1/22 each rounded to 15 digits before they are added: without, 1.45283018867925.
    QTest::newRow("each reciprocal is rounded as its text")
        << "3" << QStringList{"2", "7", "22"} << "1.45283018867924"
        << "0.688311688311689";
    QTest::newRow("a zero row short-circuits") << "4" << QStringList{"2", "0", "", "2"} << "0"
                                               << "1";
    QTest::newRow("a zero row beyond the count is not read") << "2" << QStringList{"2", "2", "0"} << "1"
                                                             << "1";
    QTest::newRow("all rows empty leave ans empty") << "3" << QStringList{} << ""
                                                    << "0";
    QTest::newRow("an unreadable count reads no rows") << "1E9" << QStringList{"2"} << ""
                                                       << "0";
    QTest::newRow("small values") << "2" << QStringList{"1E-06", "1E-06"} << "5E-07"
                                  << "2000000";
    QTest::newRow("a subnormal row overflows and is skipped") << "2" << QStringList{"1E-310", "4"} << "4"
                                                              << "0.25";
    QTest::newRow("opposite rows cancel: ans keeps its text") << "2" << QStringList{"2", "-2"} << ""
                                                              << "0";
}

void TestComponentList::reciprocalSum() {
    QFETCH(QString, count);
    QFETCH(QStringList, rows);
    QFETCH(QString, ans);
    QFETCH(QString, d);
    std::string outD = "0";
    std::string outAns;
    component_list::ReciprocalSum(MakeList(count, rows), outD, outAns);
    QCOMPARE(Q(outAns), ans);
    QCOMPARE(Q(outD), d);
}

// Random rows and counts: the additive combination is the sum of the covered rows, the
// other the reciprocal of the sum of their reciprocals (empty rows left out of it), each
// within what ten steps through 15-digit text allow; nothing to combine leaves ans empty.
void TestComponentList::combineGivesTheSumsOfTheRows() {
    std::mt19937_64 random(2026);
    for (int round = 0; round < 400; ++round) {
        const int count = int(random() % 14) - 1;
        List list;
        list.count = std::to_string(count);
        double sum = 0, reciprocals = 0;
        for (int k = 0; k < component_list::kRows; ++k) {
            if (random() % 5 == 0) continue;  // an empty row
            const double value = double(1 + random() % 999999) * std::pow(10.0, int(random() % 9) - 7);
            list.rows[k] = NumberToText(value);
            if (k >= count) continue;
            sum += value;
            reciprocals += 1 / value;
        }
        QStringList rows;
        for (const std::string& row : list.rows) rows << Q(row);
        for (const auto option : {component_list::Option::Series, component_list::Option::Parallel}) {
            std::string d, ans;
            component_list::Combine(list, option, component_list::Option::Series, d, ans);
            const bool additive = option == component_list::Option::Series;
            const QString where = QStringLiteral("count %1, %2 of [%3]")
                                      .arg(count)
                                      .arg(additive ? "sum" : "reciprocal sum", rows.join(QLatin1Char('|')));
            if (count <= 0 || (!additive && reciprocals == 0)) {
                QVERIFY2(ans.empty(), qPrintable(where));
                continue;
            }
            const double want = additive ? sum : 1 / reciprocals;
            QVERIFY2(std::abs(TextToNumber(ans) - want) <= 1e-12 * want,
                     qPrintable(where + " gave " + Q(ans)));
        }
    }
}

AMPORA_TEST(TestComponentList)
#include "tst_component_list.moc"
