// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/fuse_size.h"
#include "core/conversions.h"
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
    void throughTheForm();
};

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
