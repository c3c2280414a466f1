// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/magnetism/inductance.h"
#include "support/list_case.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/component_list_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestInductance : public QObject {
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void throughTheForm();
};

void TestInductance::calculate_data() {
    test::AddCombinationColumns();  // in: i, ans, e; out: i, ans, e, d

    const QStringList empty{"", "", ""};
    QTest::newRow("series adds") << false << "3" << QStringList{"1", "2", "3"} << empty
                                 << QStringList{"", "6", "", "0"};
    QTest::newRow("parallel adds reciprocals")
        << true << "2" << QStringList{"4", "4"} << empty << QStringList{"", "2", "", "0.5"};
    QTest::newRow("stored energy (E = L I^2 / 2)")
        << false << "0" << QStringList{} << QStringList{"2", "0.5", ""} << QStringList{"2", "0.5", "1", ""};
    QTest::newRow("a negative current stores the same energy")
        << false << "0" << QStringList{} << QStringList{"-2", "0.5", ""} << QStringList{"-2", "0.5", "1", ""};
    QTest::newRow("combined inductance feeds the energy")
        << true << "2" << QStringList{"4", "4"} << QStringList{"3", "", ""}
        << QStringList{"3", "2", "9", "0.5"};
    QTest::newRow("a typed energy is kept")
        << false << "0" << QStringList{} << QStringList{"2", "0.5", "7"} << QStringList{"2", "0.5", "7", ""};
    QTest::newRow("no current: combined, but no energy")
        << false << "2" << QStringList{"1", "2"} << empty << QStringList{"", "3", "", "0"};
    QTest::newRow("an unreadable current leaves the energy empty")
        << false << "1" << QStringList{"1"} << QStringList{"abc", "", ""} << QStringList{"abc", "1", "", "0"};
    QTest::newRow("a shorted inductor in parallel stores nothing")
        << true << "2" << QStringList{"0", "4"} << QStringList{"3", "", ""}
        << QStringList{"3", "0", "0", "0.25"};
}

void TestInductance::calculate() { test::CheckCombination(inductance::Solve, inductance::kBoxCount); }

void TestInductance::throughTheForm() {
    ComponentListForm form(inductance::kForm);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Inductance Calculation"));
    QCOMPARE(form.label("Label6")->text(), QStringLiteral("INDUCTANCE"));
    QCOMPARE(form.label("Label9")->text(), QStringLiteral(" H"));

    TypeInto(form.box("nc"), QStringLiteral("2"));
    PressEnter(form.box("nc"));
    TypeInto(form.row(0), QStringLiteral("0.25"));
    TypeInto(form.row(1), QStringLiteral("0.25"));
    TypeInto(form.box("i"), QStringLiteral("2"));
    PressEnter(form.box("i"));
    QCOMPARE(form.box("ans")->text(), QStringLiteral("0.5"));
    QCOMPARE(form.box("e")->text(), QStringLiteral("1"));

    QTest::mouseClick(form.button("Command3"), Qt::LeftButton);
    QCOMPARE(form.box("i")->text(), QString());
    QCOMPARE(form.box("e")->text(), QStringLiteral("1"));

    QTest::mouseClick(form.button("Command7"), Qt::LeftButton);
    for (const char* name : {"i", "ans", "e"}) QCOMPARE(form.box(name)->text(), QString());
    QCOMPARE(form.row(0)->text(), QString());
    QVERIFY(form.option("sc")->isChecked());
}

AMPORA_TEST(TestInductance)
#include "tst_inductance.moc"
