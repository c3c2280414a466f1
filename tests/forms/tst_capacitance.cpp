// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/capacitance.h"
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
    void throughTheForm();
};

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
