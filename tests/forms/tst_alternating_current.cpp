// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/alternating_current.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestAlternatingCurrent : public QObject {
    Q_OBJECT
private slots:
    void enterConvertsAndStarRefills();
};

void TestAlternatingCurrent::enterConvertsAndStarRefills() {
    CalcForm form(alternating_current::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.defaultButton(), form.button("Command1"));

    TypeInto(form.box("peak"), QStringLiteral("10"));
    PressEnter(form.box("peak"));
    QCOMPARE(form.box("avg")->text(), QStringLiteral("6.37"));
    QCOMPARE(form.box("p2p")->text(), QStringLiteral("20.02728"));
    QCOMPARE(form.box("rms")->text(), QStringLiteral("7.07707"));

    // "*" beside the peak empties it alone; the next press works it out from the average.
    QTest::mouseClick(form.button("Command3"), Qt::LeftButton);
    QCOMPARE(form.box("peak")->text(), QString());
    QCOMPARE(form.box("avg")->text(), QStringLiteral("6.37"));
    QTest::mouseClick(form.button("Command1"), Qt::LeftButton);
    QCOMPARE(form.box("peak")->text(), QStringLiteral("10.00727"));

    QTest::mouseClick(form.button("Command6"), Qt::LeftButton);
    for (const char* name : {"avg", "peak", "p2p", "rms"}) QCOMPARE(form.box(name)->text(), QString());
}

AMPORA_TEST(TestAlternatingCurrent)
#include "tst_alternating_current.moc"
