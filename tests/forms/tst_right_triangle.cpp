// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_table.h"
#include "app/main_window.h"
#include "calc/geometry/right_triangle.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"
#include "ui/sketch_shape.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestRightTriangle : public QObject {
    Q_OBJECT
private slots:
    void typeEnterAndSketch();
    void reachableFromMenuAndChooser_data();
    void reachableFromMenuAndChooser();
};

void TestRightTriangle::typeEnterAndSketch() {
    CalcForm form(right_triangle::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TypeInto(form.box("b"), QStringLiteral("3"));
    TypeInto(form.box("p"), QStringLiteral("4"));
    TypeInto(form.box("A"), QStringLiteral("30"));
    PressEnter(form.box("A"));
    QCOMPARE(form.box("h")->text(), QStringLiteral("5"));
    QCOMPARE(form.box("C")->text(), QStringLiteral("60"));

    // The sketch: right angle at the lower right, C at the top. Controls may move right
    // when a caption needs room, so the corners are compared with each other.
    const auto* hyp = form.findChild<SketchShape*>(QStringLiteral("Line3"));
    const auto* base = form.findChild<SketchShape*>(QStringLiteral("Line2"));
    QVERIFY(hyp && base);
    QCOMPARE(hyp->end(), base->start());                // the hypotenuse meets the base at A
    QCOMPARE(base->start().y(), base->end().y());       // the base is level
    QCOMPARE(hyp->start().x(), base->end().x());        // C stands above the right angle
    QCOMPARE(base->end().x() - base->start().x(), 88);  // 1320 twips
    QCOMPARE(base->end().y() - hyp->start().y(), 104);  // 1560 twips
    QCOMPARE(form.label("Label11")->text(), QStringLiteral("90"));
    QVERIFY(!form.box("b")->geometry().intersects(QRect(base->start(), base->end())));
}

void TestRightTriangle::reachableFromMenuAndChooser_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("chooserButton");
    QTest::addColumn<QString>("form");
    QTest::newRow("right angle triangle") << "mnuratri"
                                          << "Command1"
                                          << "ratri";
    QTest::newRow("circle") << "mnucir"
                            << "Command2"
                            << "cirtri";
}

void TestRightTriangle::reachableFromMenuAndChooser() {
    QFETCH(QString, menu);
    QFETCH(QString, chooserButton);
    QFETCH(QString, form);
    MainWindow window;
    window.show();
    QWidget* chooser = window.forms().open("trigono");
    QVERIFY(chooser);
    auto* button = chooser->findChild<QPushButton*>(chooserButton);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QWidget* opened = window.forms().form(form.toStdString());
    QVERIFY(opened);
    QCOMPARE(opened->objectName(), form);
    QVERIFY(window.forms().form("trigono"));  // the chooser stays open

    // The menu item reaches the same window rather than a second one.
    auto* action = window.findChild<QAction*>(menu);
    QVERIFY(action && action->isEnabled());
    action->trigger();
    QCOMPARE(window.forms().form(form.toStdString()), opened);
}

AMPORA_TEST(TestRightTriangle)
#include "tst_right_triangle.moc"
