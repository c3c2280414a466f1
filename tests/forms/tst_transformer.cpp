// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/magnetism/transformer.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestTransformer : public QObject {
    Q_OBJECT
private slots:
    void enterSolvesAndResetEmpties();
    void tabVisitsInTheGivenOrder();
};

void TestTransformer::enterSolvesAndResetEmpties() {
    CalcForm form(transformer::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TypeInto(form.box("np"), QStringLiteral("100"));
    TypeInto(form.box("ns"), QStringLiteral("50"));
    TypeInto(form.box("vp"), QStringLiteral("240"));
    PressEnter(form.box("vp"));
    QCOMPARE(form.box("vs")->text(), QStringLiteral("120"));
    QCOMPARE(form.box("e")->text(), QStringLiteral("0.5"));

    QTest::mouseClick(form.button("Command2"), Qt::LeftButton);
    for (const char* name : {"np", "ns", "vp", "vs", "e"}) QCOMPARE(form.box(name)->text(), QString());
}

void TestTransformer::tabVisitsInTheGivenOrder() {
    CalcForm form(transformer::kForm);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.box("np")->setFocus();
    QStringList visited;
    for (int k = 0; k < 6; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"ns", "vp", "vs", "Command1", "Command2", "e"}));
}

AMPORA_TEST(TestTransformer)
#include "tst_transformer.moc"
