// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_table.h"
#include "app/main_window.h"
#include "calc/geometry/right_triangle.h"
#include "support/box_texts.h"
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
using test::Texts;
using test::ToBoxes;
using test::TypeInto;

class TestRightTriangle : public QObject {
    Q_OBJECT
private slots:
    void solve_data();
    void solve();
    void typeEnterAndSketch();
    void reachableFromMenuAndChooser_data();
    void reachableFromMenuAndChooser();
};

void TestRightTriangle::solve_data() {
    QTest::addColumn<QStringList>("before");  // b, p, h, A, C
    QTest::addColumn<QStringList>("after");
    QTest::newRow("three four five") << QStringList{"3", "4", "", "", ""}
                                     << QStringList{"3", "4", "5", "", ""};
    QTest::newRow("perpendicular from hypotenuse and base")
        << QStringList{"3", "", "5", "", ""} << QStringList{"3", "4", "5", "", ""};
    QTest::newRow("base from hypotenuse and perpendicular")
        << QStringList{"", "12", "13", "", ""} << QStringList{"5", "12", "13", "", ""};
    QTest::newRow("perpendicular from hypotenuse 13 and base 5")
        << QStringList{"5", "", "13", "", ""} << QStringList{"5", "12", "13", "", ""};
    QTest::newRow("base from hypotenuse 5 and perpendicular 4")
        << QStringList{"", "4", "5", "", ""} << QStringList{"3", "4", "5", "", ""};
    QTest::newRow("the hypotenuse alone changes nothing")
        << QStringList{"", "", "5", "", ""} << QStringList{"", "", "5", "", ""};
    QTest::newRow("root two to fifteen digits")
        << QStringList{"1", "1", "", "", ""} << QStringList{"1", "1", "1.4142135623731", "", ""};
    // 123456.789 squared keeps 15 digits, 15241578750.1905, before the subtraction; the
    // full squares would give 15.7134839559357.
    QTest::newRow("squares are rounded through text before the difference")
        << QStringList{"123456.788", "", "123456.789", "", ""}
        << QStringList{"123456.788", "15.7134846842332", "123456.789", "", ""};
    QTest::newRow("angle C from A") << QStringList{"", "", "", "30", ""}
                                    << QStringList{"", "", "", "30", "60"};
    QTest::newRow("angle A from C") << QStringList{"", "", "", "", "45.5"}
                                    << QStringList{"", "", "", "44.5", "45.5"};
    QTest::newRow("an angle is read strictly: with letters, no other angle")
        << QStringList{"", "", "", "", "30x"} << QStringList{"", "", "", "", "30x"};
    QTest::newRow("both angles typed are never checked")
        << QStringList{"", "", "", "30", "70"} << QStringList{"", "", "", "30", "70"};
    QTest::newRow("one press fills one angle and one side")
        << QStringList{"3", "4", "", "30", ""} << QStringList{"3", "4", "5", "30", "60"};
    QTest::newRow("hypotenuse shorter than the base")
        << QStringList{"5", "", "3", "", ""} << QStringList{"5", "", "3", "", ""};
    QTest::newRow("no trigonometry from a side and an angle")
        << QStringList{"3", "", "", "30", ""} << QStringList{"3", "", "", "30", "60"};
    QTest::newRow("letters leave the side empty and the angle still works")
        << QStringList{"three", "4", "", "", "10"} << QStringList{"three", "4", "", "80", "10"};
    QTest::newRow("a square beyond the range")
        << QStringList{"1E200", "1", "", "", ""} << QStringList{"1E200", "1", "", "", ""};
}

void TestRightTriangle::solve() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QCOMPARE(Texts(SolveByPass(right_triangle::Rules(), ToBoxes(before))), after);
}

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
