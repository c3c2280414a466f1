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

namespace {

Boxes ToBoxes(const QStringList& texts) {
    Boxes boxes;
    for (const QString& text : texts) boxes.push_back(text.toStdString());
    return boxes;
}

QStringList ToTexts(const Boxes& boxes) {
    QStringList texts;
    for (const std::string& text : boxes) texts << QString::fromStdString(text);
    return texts;
}

}  // namespace

class TestOscilloscope : public QObject {
    Q_OBJECT
private slots:
    void voltage_data();
    void voltage();
    void frequency_data();
    void frequency();
    void enterPressesThePanelsCalculate_data();
    void enterPressesThePanelsCalculate();
    void opensWithVoltageCalculateAsDefault();
    void wrongPatternShowsTheMessage();
    void resetsTouchOnlyTheirPanel();
};

// Columns: vs, vd, v before and after one press, and whether the message is asked for.
void TestOscilloscope::voltage_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("message");
    QTest::newRow("voltage") << QStringList{"2", "3", ""} << QStringList{"2", "3", "6"} << false;
    QTest::newRow("selectivity") << QStringList{"", "4", "10"} << QStringList{"2.5", "4", "10"} << false;
    QTest::newRow("deflection") << QStringList{"2", "", "10"} << QStringList{"2", "5", "10"} << false;
    QTest::newRow("all three filled") << QStringList{"1", "2", "3"} << QStringList{"1", "2", "3"} << true;
    QTest::newRow("only one filled") << QStringList{"", "", "3"} << QStringList{"", "", "3"} << true;
    QTest::newRow("none filled") << QStringList{"", "", ""} << QStringList{"", "", ""} << true;
    QTest::newRow("zero deflection is silent")
        << QStringList{"", "0", "10"} << QStringList{"", "0", "10"} << false;
    QTest::newRow("a blank is filled but unreadable")
        << QStringList{" ", "3", ""} << QStringList{" ", "3", ""} << false;
    QTest::newRow("an overflow is silent")
        << QStringList{"1E+300", "1E+300", ""} << QStringList{"1E+300", "1E+300", ""} << false;
}

void TestOscilloscope::voltage() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(bool, message);
    const oscilloscope::VoltageOutcome outcome = oscilloscope::SolveVoltage(ToBoxes(before));
    QCOMPARE(ToTexts(outcome.boxes), after);
    QCOMPARE(outcome.message.has_value(), message);
    if (message) QCOMPARE(QString::fromStdString(*outcome.message), QStringLiteral("Leave one field blank!"));
}

// Columns: hs, hd, t, f, w before and after one press.
void TestOscilloscope::frequency_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    const auto row = [](const char* name, QStringList before, QStringList after) {
        QTest::newRow(name) << before << after;
    };
    row("readings give period, frequency and wavelength", {"0.001", "4", "", "", ""},
        {"0.001", "4", "0.004", "250", "1200000"});
    row("wavelength follows the period just written", {"", "", "", "50", ""},
        {"", "", "0.02", "50", "6000000"});
    row("deflection from period and selectivity", {"0.002", "", "0.01", "", ""},
        {"0.002", "5", "0.01", "100", "3000000"});
    row("frequency reads the period written from the wavelength", {"", "", "", "", "600"},
        {"", "", "2E-06", "500000", "600"});
    row("the period decides the wavelength over the frequency", {"", "", "0.01", "50", ""},
        {"", "", "0.01", "50", "3000000"});
    row("selectivity from frequency and deflection", {"", "4", "", "250", ""},
        {"0.001", "4", "0.004", "250", "1200000"});
    row("zero frequency is silent", {"", "", "", "0", ""}, {"", "", "", "0", ""});
    row("an unreadable period is not passed over for the wavelength", {"", "", "abc", "", "600"},
        {"", "", "abc", "", "600"});
    row("a period with a unit is no number: nothing follows from it", {"", "4", "0.02s", "", ""},
        {"", "4", "0.02s", "", ""});
    row("all filled: nothing changes", {"1", "2", "3", "4", "5"}, {"1", "2", "3", "4", "5"});
}

void TestOscilloscope::frequency() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QCOMPARE(ToTexts(SolveByPass(oscilloscope::FrequencyRules(), ToBoxes(before))), after);
}

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
