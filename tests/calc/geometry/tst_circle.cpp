// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/geometry/circle.h"
#include "support/box_texts.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"
#include "ui/sketch_shape.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::Texts;
using test::ToBoxes;
using test::TypeInto;

class TestCircle : public QObject {
    Q_OBJECT
private slots:
    void twoPresses_data();
    void twoPresses();
    void typeEnterTwiceAndClear();
};

void TestCircle::twoPresses_data() {
    QTest::addColumn<QStringList>("before");  // r, a, p
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::newRow("radius seven") << QStringList{"7", "", ""} << QStringList{"7", "154", "44"}
                                  << QStringList{"7", "154", "44"};
    QTest::newRow("unit radius") << QStringList{"1", "", ""}
                                 << QStringList{"1", "3.14285714285714", "6.28571428571429"}
                                 << QStringList{"1", "3.14285714285714", "6.28571428571429"};
    QTest::newRow("area fills the radius, then the perimeter")
        << QStringList{"", "154", ""} << QStringList{"7", "154", ""} << QStringList{"7", "154", "44"};
    QTest::newRow("perimeter fills the radius, then the area")
        << QStringList{"", "", "44"} << QStringList{"7", "", "44"} << QStringList{"7", "154", "44"};
    QTest::newRow("area wins over a disagreeing perimeter")
        << QStringList{"", "154", "10"} << QStringList{"7", "154", "10"} << QStringList{"7", "154", "10"};
    QTest::newRow("negative area") << QStringList{"", "-1", ""} << QStringList{"", "-1", ""}
                                   << QStringList{"", "-1", ""};
    QTest::newRow("unreadable area falls to nothing, not to the perimeter")
        << QStringList{"", "big", "44"} << QStringList{"", "big", "44"} << QStringList{"", "big", "44"};
    QTest::newRow("unreadable radius")
        << QStringList{"7cm", "", ""} << QStringList{"7cm", "", ""} << QStringList{"7cm", "", ""};
    QTest::newRow("radius ten") << QStringList{"10", "", ""}
                                << QStringList{"10", "314.285714285714", "62.8571428571429"}
                                << QStringList{"10", "314.285714285714", "62.8571428571429"};
    QTest::newRow("all empty") << QStringList{"", "", ""} << QStringList{"", "", ""}
                               << QStringList{"", "", ""};
    QTest::newRow("all filled") << QStringList{"1", "2", "3"} << QStringList{"1", "2", "3"}
                                << QStringList{"1", "2", "3"};
}

void TestCircle::twoPresses() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const Boxes once = SolveByPass(circle::Rules(), ToBoxes(before));
    QCOMPARE(Texts(once), first);
    QCOMPARE(Texts(SolveByPass(circle::Rules(), once)), second);
}

void TestCircle::typeEnterTwiceAndClear() {
    CalcForm form(circle::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.defaultButton(), form.button("Command1"));
    TypeInto(form.box("a"), QStringLiteral("154"));
    PressEnter(form.box("a"));
    QCOMPARE(form.box("r")->text(), QStringLiteral("7"));
    QCOMPARE(form.box("p")->text(), QString());
    PressEnter(form.box("a"));
    QCOMPARE(form.box("p")->text(), QStringLiteral("44"));

    // "*" beside the area empties only the area; the next press works it out again.
    QTest::mouseClick(form.button("Command3"), Qt::LeftButton);
    QCOMPARE(form.box("a")->text(), QString());
    QCOMPARE(form.box("r")->text(), QStringLiteral("7"));
    QTest::mouseClick(form.button("Command1"), Qt::LeftButton);
    QCOMPARE(form.box("a")->text(), QStringLiteral("154"));
    QTest::mouseClick(form.button("Command2"), Qt::LeftButton);
    QTest::mouseClick(form.button("Command4"), Qt::LeftButton);
    QCOMPARE(form.box("r")->text(), QString());
    QCOMPARE(form.box("p")->text(), QString());

    // The sketch: a circle of the box's height, and its radius from the centre to the edge.
    const auto* shape = form.findChild<SketchShape*>(QStringLiteral("Shape1"));
    QVERIFY(shape && shape->isCircle());
    const auto* radius = form.findChild<SketchShape*>(QStringLiteral("Line1"));
    const QPoint centre = shape->geometry().adjusted(0, 0, -1, -1).center();
    QVERIFY((radius->start() - centre).manhattanLength() <= 1);
    QVERIFY(qAbs(radius->end().x() - (centre.x() + (shape->width() - 1) / 2)) <= 1);
    QCOMPARE(form.label("Label1")->text(), QStringLiteral("r"));
}

AMPORA_TEST(TestCircle)
#include "tst_circle.moc"
