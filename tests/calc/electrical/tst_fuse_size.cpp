// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/fuse_size.h"
#include "core/conversions.h"
#include "support/list_case.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/component_list_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestFuseSize : public QObject {
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void marginOverTheLargestLoad();
    void throughTheForm();
};

void TestFuseSize::calculate_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("loads");
    QTest::addColumn<QString>("fuse");
    QTest::newRow("1.2 x the largest plus the others") << "3" << QStringList{"5", "10", "3"} << "20";
    QTest::newRow("only one of two equal largest loads is left out")
        << "3" << QStringList{"10", "10", "5"} << "27";
    // The rows add up through 15-digit text in their order, so which of two equal largest
    // loads is left out shows: 0.4 + 0.4 is added before the first of them, not rounded away.
    QTest::newRow("the first of two equal largest loads is the one left out")
        << "4" << QStringList{"0.4", "123456789012345", "0.4", "123456789012345"} << "271604935827160";
    QTest::newRow("fractional loads") << "2" << QStringList{"2.5", "1.5"} << "4.5";
    QTest::newRow("a load beyond 16 bits") << "2" << QStringList{"40000", "10"} << "48010";
    QTest::newRow("a single load") << "1" << QStringList{"3"} << "3.6";
    QTest::newRow("a negative load") << "2" << QStringList{"-5", "3"} << "-1.4";
    QTest::newRow("only negative loads: the largest stays 0") << "2" << QStringList{"-5", "-3"} << "-8";
    QTest::newRow("a load with letters is never the largest, but adds its number")
        << "2" << QStringList{"7abc", "2"} << "9.4";
    QTest::newRow("all rows empty") << "3" << QStringList{} << "0";
    QTest::newRow("count 0") << "0" << QStringList{"5"} << "0";
    QTest::newRow("an unreadable count uses no rows") << "abc" << QStringList{"5"} << "0";
    QTest::newRow("rows beyond the count are not read") << "2" << QStringList{"1", "2", "100"} << "3.4";
    QTest::newRow("twelve reads all ten rows")
        << "12" << QStringList{"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"} << "10.2";
    QTest::newRow("overflow of the sum keeps the last written value")
        << "3" << QStringList{"1.5E308", "1E308", "1E308"} << "1E+308";
    QTest::newRow("overflow of the margin keeps the sum") << "2" << QStringList{"1.7E308", "2"} << "2";
}

void TestFuseSize::calculate() {
    QFETCH(QString, count);
    QFETCH(QStringList, loads);
    QFETCH(QString, fuse);
    QCOMPARE(QString::fromStdString(fuse_size::Solve(test::MakeList(count, loads))), fuse);
}

// Random loads, equal ones and unreadable ones among them: the fuse is 1.2 times the
// largest load plus all the others, within 15-digit text. Only the first of equal largest
// loads counts as the largest; a load followed by letters is never the largest but adds
// its number, an empty row adds nothing.
void TestFuseSize::marginOverTheLargestLoad() {
    std::mt19937_64 random(2026);
    for (int round = 0; round < 400; ++round) {
        const int count = int(random() % 13);
        component_list::List list;
        list.count = std::to_string(count);
        double largest = 0, all = 0;
        for (int k = 0; k < component_list::kRows; ++k) {
            const int kind = int(random() % 10);
            if (kind == 0) continue;  // empty
            const double load = kind == 1 && largest > 0 ? largest : double(1 + random() % 99999) / 100;
            list.rows[k] = NumberToText(load) + (kind == 2 ? "abc" : "");
            if (k >= count) continue;
            all += load;
            if (kind != 2) largest = std::max(largest, load);
        }
        const double want = 1.2 * largest + (all - largest);
        const std::string fuse = fuse_size::Solve(list);
        QVERIFY2(std::abs(TextToNumber(fuse) - want) <= 1e-12 * std::max(want, 1.0),
                 qPrintable(QStringLiteral("count %1: %2, expected %3")
                                .arg(count)
                                .arg(QString::fromStdString(fuse))
                                .arg(want, 0, 'g', 17)));
    }
}

void TestFuseSize::throughTheForm() {
    ComponentListForm form(fuse_size::kForm);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Inductance Calculation"));
    QCOMPARE(form.label("Label3")->text(), QStringLiteral("FUSE SIZE"));
    QVERIFY(!form.control("Frame1"));

    TypeInto(form.box("nc"), QStringLiteral("3"));
    PressEnter(form.box("nc"));
    TypeInto(form.row(0), QStringLiteral("10"));
    TypeInto(form.row(1), QStringLiteral("10"));
    TypeInto(form.row(2), QStringLiteral("5"));
    PressEnter(form.row(2));
    QCOMPARE(form.box("ans")->text(), QStringLiteral("27"));

    // Worked out afresh on every press, without emptying the answer first.
    TypeInto(form.row(2), QStringLiteral("20"));
    PressEnter(form.row(2));
    QCOMPARE(form.box("ans")->text(), QStringLiteral("44"));

    QTest::mouseClick(form.button("Command5"), Qt::LeftButton);
    QCOMPARE(form.box("ans")->text(), QString());
    QCOMPARE(form.row(0)->text(), QStringLiteral("10"));

    PressEnter(form.row(0));
    QTest::mouseClick(form.button("Command7"), Qt::LeftButton);
    QCOMPARE(form.box("ans")->text(), QString());
    for (int k = 0; k < 3; ++k) QCOMPARE(form.row(k)->text(), QString());
    QCOMPARE(form.box("nc")->text(), QStringLiteral("3"));
}

AMPORA_TEST(TestFuseSize)
#include "tst_fuse_size.moc"
