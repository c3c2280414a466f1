// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/resistance.h"
#include "support/list_case.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/component_list_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestResistance : public QObject {
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void throughTheForm();
};

void TestResistance::calculate_data() {
    test::AddCombinationColumns();  // in: v, qc, ans; out: v, qc, ans, d

    const QStringList empty{"", "", ""};
    QTest::newRow("series adds") << false << "3" << QStringList{"10", "20", "30"} << empty
                                 << QStringList{"", "", "60", "0"};
    QTest::newRow("parallel adds reciprocals")
        << true << "2" << QStringList{"3", "6"} << empty << QStringList{"", "", "2", "0.5"};
    QTest::newRow("combined resistance gives the current (I = V / R)")
        << true << "2" << QStringList{"10", "10"} << QStringList{"12", "", ""}
        << QStringList{"12", "2.4", "5", "0.2"};
    QTest::newRow("combined resistance gives the voltage (V = R x I)")
        << false << "2" << QStringList{"1.5", "2.5"} << QStringList{"", "3", ""}
        << QStringList{"12", "3", "4", "0"};
    QTest::newRow("empty parallel rows: R = V / I")
        << true << "3" << QStringList{} << QStringList{"10", "2", ""} << QStringList{"10", "2", "5", "0"};
    QTest::newRow("0 ohms: the current is not worked out")
        << false << "2" << QStringList{} << QStringList{"10", "", ""} << QStringList{"10", "", "0", "0"};
    QTest::newRow("0 ohms: a current gives 0 volts")
        << false << "2" << QStringList{} << QStringList{"", "2", ""} << QStringList{"0", "2", "0", "0"};
    QTest::newRow("count 0: only Ohm's law fills the answer")
        << false << "0" << QStringList{"5"} << QStringList{"10", "2", ""} << QStringList{"10", "2", "5", "0"};
    QTest::newRow("a typed answer ignores the rows")
        << false << "2" << QStringList{"1", "2"} << QStringList{"", "3", "4"}
        << QStringList{"12", "3", "4", ""};
    QTest::newRow("a short circuit in parallel")
        << true << "2" << QStringList{"2", "0"} << QStringList{"10", "", ""}
        << QStringList{"10", "", "0", "0.5"};
    QTest::newRow("a found voltage stops the other tests")
        << false << "1" << QStringList{"2"} << QStringList{"", "5", ""} << QStringList{"10", "5", "2", "0"};
}

void TestResistance::calculate() { test::CheckCombination(resistance::Solve, resistance::kBoxCount); }

void TestResistance::throughTheForm() {
    ComponentListForm form(resistance::kForm);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Resistance Calculation"));
    QCOMPARE(form.label("Label3")->text(), QStringLiteral("RESISTANCE CALCULATOR"));

    TypeInto(form.box("nc"), QStringLiteral("2"));
    PressEnter(form.box("nc"));
    QVERIFY(form.frame("Frame1")->isVisible());
    QVERIFY(form.row(1)->isVisible() && !form.row(2)->isVisible());
    TypeInto(form.row(0), QStringLiteral("10"));
    TypeInto(form.row(1), QStringLiteral("10"));
    QTest::mouseClick(form.option("pc"), Qt::LeftButton);
    TypeInto(form.box("v"), QStringLiteral("12"));
    TypeInto(form.box("qc"), QStringLiteral("9"));
    QTest::mouseClick(form.button("Command4"), Qt::LeftButton);  // "*" of the current
    QCOMPARE(form.box("qc")->text(), QString());
    PressEnter(form.box("v"));
    QCOMPARE(form.box("ans")->text(), QStringLiteral("5"));
    QCOMPARE(form.box("qc")->text(), QStringLiteral("2.4"));

    // A second press does not recombine a filled answer.
    TypeInto(form.row(1), QStringLiteral("40"));
    PressEnter(form.row(1));
    QCOMPARE(form.box("ans")->text(), QStringLiteral("5"));

    QTest::mouseClick(form.button("Command6"), Qt::LeftButton);
    for (const char* name : {"v", "qc", "ans"}) QCOMPARE(form.box(name)->text(), QString());
    QCOMPARE(form.row(0)->text(), QString());
    QCOMPARE(form.box("nc")->text(), QStringLiteral("2"));
    QVERIFY(form.option("pc")->isChecked());
    QVERIFY(form.row(1)->isVisible());
}

AMPORA_TEST(TestResistance)
#include "tst_resistance.moc"
