// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/conductance.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestConductance : public QObject {
    Q_OBJECT
private slots:
    void enterInEitherBoxCalculates_data();
    void enterInEitherBoxCalculates();
    void resetEmptiesBoth();
    void hostileTextLeavesBoxesAlone_data();
    void hostileTextLeavesBoxesAlone();
};

void TestConductance::enterInEitherBoxCalculates_data() {
    QTest::addColumn<QString>("typeInto");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Enter in r") << "r"
                                << "4"
                                << "c"
                                << "0.25";
    QTest::newRow("Enter in c") << "c"
                                << "0.5"
                                << "r"
                                << "2";
}

void TestConductance::enterInEitherBoxCalculates() {
    QFETCH(QString, typeInto);
    QFETCH(QString, text);
    QFETCH(QString, other);
    QFETCH(QString, expected);
    CalcForm form(conductance::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.defaultButton(), form.button("Command1"));
    QLineEdit* box = form.box(typeInto.toLatin1().constData());
    TypeInto(box, text);
    PressEnter(box);
    QCOMPARE(form.box(other.toLatin1().constData())->text(), expected);
    QCOMPARE(box->text(), text);
}

void TestConductance::resetEmptiesBoth() {
    CalcForm form(conductance::kForm);
    form.show();
    TypeInto(form.box("r"), QStringLiteral("abc"));
    TypeInto(form.box("c"), QStringLiteral("5"));
    QTest::mouseClick(form.button("Command7"), Qt::LeftButton);
    QCOMPARE(form.box("r")->text(), QString());
    QCOMPARE(form.box("c")->text(), QString());
}

void TestConductance::hostileTextLeavesBoxesAlone_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "ohm";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("beyond the range") << "1E999";
    QTest::newRow("a thousand digits") << QString(1000, QLatin1Char('9'));
    QTest::newRow("non-ascii digits") << QString::fromUtf8("\u0664");
}

void TestConductance::hostileTextLeavesBoxesAlone() {
    QFETCH(QString, text);
    CalcForm form(conductance::kForm);
    form.show();
    TypeInto(form.box("r"), text);
    QTest::mouseClick(form.button("Command1"), Qt::LeftButton);
    QCOMPARE(form.box("r")->text(), text);
    const QString c = form.box("c")->text();
    QVERIFY2(c.isEmpty(), qPrintable(c));
    QVERIFY(!c.contains(QLatin1String("inf")) && !c.contains(QLatin1String("nan")));
}

AMPORA_TEST(TestConductance)
#include "tst_conductance.moc"
