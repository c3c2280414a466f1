// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/resistance.h"
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
    void throughTheForm();
};

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
