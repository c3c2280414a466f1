// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/basic_electricity.h"
#include "support/box_texts.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using namespace ampora;
using test::MessageBoxCatcher;
using test::PressEnter;
using test::TypeInto;

namespace {

const char* const kNames[] = {"p", "i", "v", "r", "w", "q", "t"};

Boxes Parse(const QString& pairs) { return test::Parse(pairs, kNames); }
QString Show(const Boxes& boxes) { return test::Show(boxes, kNames); }

}  // namespace

class TestBasicElectricity : public QObject {
    Q_OBJECT
private slots:
    void onePress_data();
    void onePress();
    void secondPressFillsMore();
    void faultEndsThePass_data();
    void faultEndsThePass();
    void widgetsSolveAndReportTheStop();
    void clearButtonsAndReset();
};

// Worked examples: the boxes typed, and every box after one press.
void TestBasicElectricity::onePress_data() {
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("voltage and current") << "v=10;i=2" << "p=20;i=2;v=10;r=5";
    QTest::newRow("voltage, current and time") << "v=10;i=2;t=3" << "p=20;i=2;v=10;r=5;w=60;q=6;t=3";
    QTest::newRow("power and resistance") << "p=100;r=4" << "p=100;i=5;v=20;r=4";
    QTest::newRow("work from the power just written") << "i=2;r=3;t=4" << "p=12;i=2;v=6;r=3;w=48;q=8;t=4";
    // The Current is written with 15 digits, and the Resistance reads that text back
    // (from power over current squared) instead of working out 9 from voltage and power.
    QTest::newRow("resistance reads the written current") << "p=1;v=3"
                                                          << "p=1;i=0.333333333333333;v=3;r=9.00000000000002";
    // 3.3 x 0.7 is written as "2.31"; the Resistance comes from that Power, not from
    // voltage over current, which would read 4.71428571428571.
    QTest::newRow("resistance reads the written power") << "v=3.3;i=0.7"
                                                        << "p=2.31;i=0.7;v=3.3;r=4.71428571428572";
    QTest::newRow("charge, time and voltage") << "v=6;q=8;t=4" << "p=12;i=2;v=6;r=3;w=48;q=8;t=4";
    QTest::newRow("all seven filled, even if they disagree") << "p=1;i=2;v=3;r=4;w=5;q=6;t=7"
                                                             << "p=1;i=2;v=3;r=4;w=5;q=6;t=7";
    QTest::newRow("one box alone") << "r=4" << "r=4";
    QTest::newRow("nothing") << "" << "";
    QTest::newRow("negative values are worked with") << "v=-10;i=2" << "p=-20;i=2;v=-10;r=-5";
    QTest::newRow("tiny values switch to exponent form") << "v=0.00002;i=0.5"
                                                         << "p=1E-05;i=0.5;v=0.00002;r=4E-05";
    // clang-format on
}

void TestBasicElectricity::onePress() {
    QFETCH(QString, typed);
    QFETCH(QString, after);
    const Outcome out = basic_electricity::Solve(Parse(typed));
    QCOMPARE(Show(out.boxes), after);
    QVERIFY(!out.fault);
}

// Boxes written late in a pass are seen by the earlier targets only on the next press.
void TestBasicElectricity::secondPressFillsMore() {
    const Outcome first = basic_electricity::Solve(Parse(QStringLiteral("i=2;w=60;q=6")));
    QCOMPARE(Show(first.boxes), QStringLiteral("i=2;v=10;r=5;w=60;q=6;t=3"));
    const Outcome second = basic_electricity::Solve(first.boxes);
    QCOMPARE(Show(second.boxes), QStringLiteral("p=20;i=2;v=10;r=5;w=60;q=6;t=3"));
    const Outcome third = basic_electricity::Solve(second.boxes);
    QCOMPARE(third.boxes, second.boxes);
    QVERIFY(!first.fault && !second.fault && !third.fault);
}

// The first fault ends the pass; what was written before it stays, and the fault names
// the quantity being worked out and, for unreadable text, the box.
void TestBasicElectricity::faultEndsThePass_data() {
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("operand");
    QTest::addColumn<int>("kind");
    const int conversion = int(FaultKind::Conversion), arithmetic = int(FaultKind::Arithmetic);
    QTest::newRow("letters in the time box, after two results") << "v=10;i=2;t=abc"
                                                                << "p=20;i=2;v=10;r=5;t=abc"
                                                                << "Charge"
                                                                << "Time" << conversion;
    QTest::newRow("a blank counts as filled and cannot be read") << "v= ;i=2" << "i=2;v= " << "Power"
                                                                 << "Voltage" << conversion;
    // 1E-200 squared underflows to 0: the Resistance divides by zero, and the Charge and
    // Work done that would follow are never worked out.
    QTest::newRow("stops in the middle of the pass") << "v=10;i=1E-200;t=3" << "p=1E-199;i=1E-200;v=10;t=3"
                                                     << "Resistance"
                                                     << "" << arithmetic;
    QTest::newRow("zero time") << "w=5;t=0" << "w=5;t=0" << "Power" << "" << arithmetic;
    QTest::newRow("negative square root") << "p=-100;r=4" << "p=-100;r=4" << "Voltage"
                                          << "" << int(FaultKind::Domain);
    QTest::newRow("overflow") << "v=1E200;i=1E200" << "i=1E200;v=1E200" << "Power" << "" << arithmetic;
    // clang-format on
}

void TestBasicElectricity::faultEndsThePass() {
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QString, target);
    QFETCH(QString, operand);
    QFETCH(int, kind);
    const Outcome out = basic_electricity::Solve(Parse(typed));
    QCOMPARE(Show(out.boxes), after);
    QVERIFY(out.fault);
    QCOMPARE(QString::fromStdString(out.fault->target()), target);
    QCOMPARE(QString::fromStdString(out.fault->operand()), operand);
    QCOMPARE(int(out.fault->kind()), kind);
}

void TestBasicElectricity::widgetsSolveAndReportTheStop() {
    CalcForm form(basic_electricity::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.objectName(), QStringLiteral("pd"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Basic Electricity"));
    QCOMPARE(form.defaultButton(), form.button("calc"));
    QCOMPARE(form.findChild<QStatusBar*>(QStringLiteral("sb"))->findChild<QLabel*>()->text(),
             QStringLiteral("Leave The Options Empty to Let It Find"));

    TypeInto(form.box("v"), QStringLiteral("10"));
    TypeInto(form.box("i"), QStringLiteral("2"));
    PressEnter(form.box("i"));
    QCOMPARE(form.box("p")->text(), QStringLiteral("20"));
    QCOMPARE(form.box("r")->text(), QStringLiteral("5"));
    QCOMPARE(form.box("q")->text(), QString());

    // Untrapped: the Charge cannot be worked out from a Time that is not a number. The
    // form says so, and the Work done after it is never reached.
    form.box("p")->clear();
    form.box("r")->clear();
    TypeInto(form.box("t"), QStringLiteral("abc"));
    MessageBoxCatcher catcher;
    QTest::mouseClick(form.button("calc"), Qt::LeftButton);
    QTRY_COMPARE(catcher.count(), 1);
    QCOMPARE(catcher.title(), QStringLiteral("Basic Electricity"));
    QVERIFY2(catcher.text().contains(QLatin1String("Charge")), qPrintable(catcher.text()));
    QVERIFY2(catcher.text().contains(QLatin1String("Time box does not hold a number")),
             qPrintable(catcher.text()));
    QCOMPARE(form.box("p")->text(), QStringLiteral("20"));
    QCOMPARE(form.box("r")->text(), QStringLiteral("5"));
    QCOMPARE(form.box("q")->text(), QString());
    QCOMPARE(form.box("w")->text(), QString());
    QCOMPARE(form.box("t")->text(), QStringLiteral("abc"));
}

void TestBasicElectricity::clearButtonsAndReset() {
    CalcForm form(basic_electricity::kForm);
    form.show();
    const char* const stars[] = {"Command30", "Command31", "Command32", "Command33",
                                 "Command34", "Command35", "Command36"};
    for (std::size_t k = 0; k < std::size(kNames); ++k) {
        for (const char* name : kNames) form.box(name)->setText(QStringLiteral("7"));
        QCOMPARE(form.button(stars[k])->text(), QStringLiteral("*"));
        QTest::mouseClick(form.button(stars[k]), Qt::LeftButton);
        for (const char* name : kNames)
            QCOMPARE(form.box(name)->text(), name == kNames[k] ? QString() : QStringLiteral("7"));
    }
    for (const char* name : kNames) TypeInto(form.box(name), QStringLiteral("x"));
    QTest::mouseClick(form.button("Command1"), Qt::LeftButton);
    for (const char* name : kNames) QCOMPARE(form.box(name)->text(), QString());
    QCOMPARE(form.findChild<QStatusBar*>(QStringLiteral("sb"))->findChild<QLabel*>()->text(),
             QStringLiteral("Leave The Options Empty to Let It Find"));
}

AMPORA_TEST(TestBasicElectricity)
#include "tst_basic_electricity.moc"
