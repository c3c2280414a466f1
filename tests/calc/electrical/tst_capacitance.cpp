// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/capacitance.h"
#include "support/list_case.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/component_list_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestCapacitance : public QObject {
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void throughTheForm();
};

void TestCapacitance::calculate_data() {
    test::AddCombinationColumns();  // in: v, qc, ans, e; out: v, qc, ans, e, d

    const QStringList empty{"", "", "", ""};
    QTest::newRow("parallel adds") << true << "2" << QStringList{"2", "3"} << empty
                                   << QStringList{"", "", "5", "", "0"};
    QTest::newRow("series adds reciprocals")
        << false << "2" << QStringList{"2", "2"} << empty << QStringList{"", "", "1", "", "1"};
    QTest::newRow("small capacitors in series") << false << "2" << QStringList{"1E-06", "1E-06"} << empty
                                                << QStringList{"", "", "5E-07", "", "2000000"};
    QTest::newRow("small capacitors in parallel")
        << true << "2" << QStringList{"1E-06", "1E-06"} << empty << QStringList{"", "", "2E-06", "", "0"};
    QTest::newRow("charge and energy from C and V in one press")
        << true << "0" << QStringList{} << QStringList{"10", "", "5", ""}
        << QStringList{"10", "50", "5", "250", ""};
    QTest::newRow("a voltage found from the charge feeds the energy")
        << true << "0" << QStringList{} << QStringList{"", "50", "5", ""}
        << QStringList{"10", "50", "5", "250", ""};
    QTest::newRow("combined capacitance, then charge and energy")
        << true << "2" << QStringList{"2", "3"} << QStringList{"10", "", "", ""}
        << QStringList{"10", "50", "5", "250", "0"};
    QTest::newRow("capacitance from charge and voltage (C = Q / V)")
        << true << "0" << QStringList{} << QStringList{"4", "2", "", ""}
        << QStringList{"4", "2", "0.5", "4", "0"};
    QTest::newRow("a typed energy is kept") << true << "0" << QStringList{} << QStringList{"10", "", "5", "7"}
                                            << QStringList{"10", "50", "5", "7", ""};
    QTest::newRow("a shorted capacitor in series gives 0")
        << false << "2" << QStringList{"0", "4"} << QStringList{"10", "", "", ""}
        << QStringList{"10", "0", "0", "0", "0.25"};
    QTest::newRow("a charge with a unit is no number: no capacitance")
        << true << "0" << QStringList{} << QStringList{"4", "8x", "", ""}
        << QStringList{"4", "8x", "", "", "0"};
    QTest::newRow("zero voltage leaves the capacitance empty")
        << true << "0" << QStringList{} << QStringList{"0", "50", "", ""}
        << QStringList{"0", "50", "", "", "0"};
    QTest::newRow("overflow leaves charge and energy empty")
        << true << "0" << QStringList{} << QStringList{"1E300", "", "1E300", ""}
        << QStringList{"1E300", "", "1E300", "", ""};
}

void TestCapacitance::calculate() { test::CheckCombination(capacitance::Solve, capacitance::kBoxCount); }

void TestCapacitance::throughTheForm() {
    ComponentListForm form(capacitance::kForm);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Capacitance Calculation"));
    QVERIFY(form.option("sc")->isChecked());

    TypeInto(form.box("nc"), QStringLiteral("2"));
    PressEnter(form.box("nc"));
    TypeInto(form.row(0), QStringLiteral("2"));
    TypeInto(form.row(1), QStringLiteral("2"));
    TypeInto(form.box("v"), QStringLiteral("10"));
    PressEnter(form.box("v"));  // series: 1 F at 10 V
    QCOMPARE(form.box("ans")->text(), QStringLiteral("1"));
    QCOMPARE(form.box("qc")->text(), QStringLiteral("10"));
    QCOMPARE(form.box("e")->text(), QStringLiteral("50"));

    QTest::mouseClick(form.button("Command6"), Qt::LeftButton);  // "*" of the energy
    QCOMPARE(form.box("e")->text(), QString());
    QCOMPARE(form.box("qc")->text(), QStringLiteral("10"));
    QTest::mouseClick(form.button("Command5"), Qt::LeftButton);  // "*" of the capacitance
    QTest::mouseClick(form.option("pc"), Qt::LeftButton);
    PressEnter(form.box("v"));
    QCOMPARE(form.box("ans")->text(), QStringLiteral("4"));
    QCOMPARE(form.box("e")->text(), QStringLiteral("200"));
    QCOMPARE(form.box("qc")->text(), QStringLiteral("10"));  // filled, so kept

    QTest::mouseClick(form.button("Command7"), Qt::LeftButton);
    for (const char* name : {"v", "qc", "ans", "e"}) QCOMPARE(form.box(name)->text(), QString());
    QCOMPARE(form.row(1)->text(), QString());
    QVERIFY(form.option("pc")->isChecked());
}

AMPORA_TEST(TestCapacitance)
#include "tst_capacitance.moc"
