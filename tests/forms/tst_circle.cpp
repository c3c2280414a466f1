// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/geometry/circle.h"
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
using test::TypeInto;

class TestCircle : public QObject {
    Q_OBJECT
private slots:
    void typeEnterTwiceAndClear();
};

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
