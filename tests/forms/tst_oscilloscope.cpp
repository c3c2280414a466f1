// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_table.h"
#include "calc/instruments/oscilloscope.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace ampora;
using test::MessageBoxCatcher;
using test::PressEnter;
using test::TypeInto;

class TestOscilloscope : public QObject {
    Q_OBJECT
private slots:
    void enterPressesThePanelsCalculate_data();
    void enterPressesThePanelsCalculate();
    void opensWithVoltageCalculateAsDefault();
    void wrongPatternShowsTheMessage();
    void resetsTouchOnlyTheirPanel();
};

// Enter in a box presses the "Calculate" of that box's panel, whichever was default before.
void TestOscilloscope::enterPressesThePanelsCalculate_data() {
    QTest::addColumn<QString>("given");  // a box filled without focusing it, or ""
    QTest::addColumn<QString>("givenText");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("typedText");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Enter in vs") << "vd"
                                 << "3"
                                 << "vs"
                                 << "2"
                                 << "Command1"
                                 << "v"
                                 << "6";
    QTest::newRow("Enter in vd") << "vs"
                                 << "2"
                                 << "vd"
                                 << "3"
                                 << "Command1"
                                 << "v"
                                 << "6";
    QTest::newRow("Enter in v") << "vd"
                                << "4"
                                << "v"
                                << "10"
                                << "Command1"
                                << "vs"
                                << "2.5";
    QTest::newRow("Enter in hs") << "hd"
                                 << "4"
                                 << "hs"
                                 << "0.001"
                                 << "Command2"
                                 << "w"
                                 << "1200000";
    QTest::newRow("Enter in hd") << "hs"
                                 << "0.001"
                                 << "hd"
                                 << "4"
                                 << "Command2"
                                 << "t"
                                 << "0.004";
    QTest::newRow("Enter in t") << "hs"
                                << "0.002"
                                << "t"
                                << "0.01"
                                << "Command2"
                                << "hd"
                                << "5";
    QTest::newRow("Enter in f") << ""
                                << ""
                                << "f"
                                << "50"
                                << "Command2"
                                << "t"
                                << "0.02";
    QTest::newRow("Enter in w") << ""
                                << ""
                                << "w"
                                << "600"
                                << "Command2"
                                << "f"
                                << "500000";
}

void TestOscilloscope::enterPressesThePanelsCalculate() {
    QFETCH(QString, given);
    QFETCH(QString, givenText);
    QFETCH(QString, typed);
    QFETCH(QString, typedText);
    QFETCH(QString, defaultButton);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    CalcForm form(oscilloscope::kForm);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (!given.isEmpty()) form.box(given.toLatin1().constData())->setText(givenText);
    // Start in the other panel, so the default has to move with the focus.
    form.box(defaultButton == "Command1" ? "t" : "vs")->setFocus();
    QVERIFY(form.defaultButton()->objectName() != defaultButton);
    QLineEdit* box = form.box(typed.toLatin1().constData());
    TypeInto(box, typedText);
    QCOMPARE(form.defaultButton()->objectName(), defaultButton);
    PressEnter(box);
    QCOMPARE(form.box(result.toLatin1().constData())->text(), expected);
}

void TestOscilloscope::opensWithVoltageCalculateAsDefault() {
    // Opened the way the program opens it: as a child window of the main window's area.
    QMdiArea area;
    FormTable table(&area, {{"oscil", [](FormTable&) { return new CalcForm(oscilloscope::kForm); }}});
    area.resize(800, 600);
    area.show();
    QApplication::setActiveWindow(&area);
    QVERIFY(QTest::qWaitForWindowActive(&area));
    auto* form = qobject_cast<CalcForm*>(table.open("oscil"));
    QVERIFY(form);
    QTRY_COMPARE(QApplication::focusWidget(), form->box("vs"));
    QCOMPARE(form->defaultButton(), form->button("Command1"));
    QVERIFY(form->button("Command1")->isDefault());
    QVERIFY(!form->button("Command2")->isDefault());
}

void TestOscilloscope::wrongPatternShowsTheMessage() {
    CalcForm form(oscilloscope::kForm);
    QCOMPARE(form.defaultButton(), form.button("Command2"));  // until a voltage box has focus
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.box("vs"));
    TypeInto(form.box("vs"), QStringLiteral("1"));
    TypeInto(form.box("vd"), QStringLiteral("2"));
    TypeInto(form.box("v"), QStringLiteral("3"));

    MessageBoxCatcher catcher;
    PressEnter(form.box("v"));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.title(), QStringLiteral("Error!"));
    QCOMPARE(catcher.text(), QStringLiteral("Leave one field blank!"));
    QCOMPARE(catcher.icon(), QMessageBox::NoIcon);
    QCOMPARE(catcher.buttons(), 1);
    QCOMPARE(form.box("vs")->text(), QStringLiteral("1"));
    QCOMPARE(form.box("vd")->text(), QStringLiteral("2"));
    QCOMPARE(form.box("v")->text(), QStringLiteral("3"));

    // The same contents with one box blanked solve silently.
    form.box("v")->clear();
    PressEnter(form.box("vd"));
    QCOMPARE(form.box("v")->text(), QStringLiteral("2"));
    QCOMPARE(catcher.count(), 1);
}

void TestOscilloscope::resetsTouchOnlyTheirPanel() {
    CalcForm form(oscilloscope::kForm);
    form.show();
    const char* voltage[] = {"vs", "vd", "v"};
    const char* frequency[] = {"hs", "hd", "t", "f", "w"};
    for (const char* name : voltage) TypeInto(form.box(name), QStringLiteral("1"));
    for (const char* name : frequency) TypeInto(form.box(name), QStringLiteral("2"));
    QTest::mouseClick(form.button("Command3"), Qt::LeftButton);
    for (const char* name : voltage) QCOMPARE(form.box(name)->text(), QString());
    for (const char* name : frequency) QCOMPARE(form.box(name)->text(), QStringLiteral("2"));
    for (const char* name : voltage) TypeInto(form.box(name), QStringLiteral("1"));
    QTest::mouseClick(form.button("Command4"), Qt::LeftButton);
    for (const char* name : frequency) QCOMPARE(form.box(name)->text(), QString());
    for (const char* name : voltage) QCOMPARE(form.box(name)->text(), QStringLiteral("1"));
}

AMPORA_TEST(TestOscilloscope)
#include "tst_oscilloscope.moc"
