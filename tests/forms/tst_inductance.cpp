// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/magnetism/inductance.h"
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
    void throughTheForm();
};

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
