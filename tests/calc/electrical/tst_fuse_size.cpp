// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/fuse_size.h"
#include "forms/ui/component_list_form.h"
#include "support/list_case.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestFuseSize : public QObject {
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void throughTheForm();
};

void TestFuseSize::calculate_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("loads");
    QTest::addColumn<QString>("fuse");
    QTest::newRow("1.2 x the largest plus the others") << "3" << QStringList{"5", "10", "3"} << "20";
    QTest::newRow("only one of two equal largest loads is left out")
        << "3" << QStringList{"10", "10", "5"} << "27";
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
