// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/colour_code.h"
#include "core/conversions.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <string>

using namespace ampora;
using test::MessageBoxCatcher;
using test::PressEnter;
using test::TypeInto;

class TestColourCode : public QObject {
    Q_OBJECT
private slots:
    void listsStartUnpicked();
    void pickTypeEnterAndReset();
    void unpickedBandIsReported();
};

void TestColourCode::listsStartUnpicked() {
    CalcForm form(colour_code::kForm);
    for (const char* name : {"unit", "tens", "pten"}) {
        QComboBox* list = form.list(name);
        QVERIFY(!list->isEditable());
        QCOMPARE(list->currentText(), QString());
        QCOMPARE(list->count(), 10);
        // Each entry's first character is the digit the band stands for.
        for (int i = 0; i < list->count(); ++i) QCOMPARE(list->itemText(i).front(), QChar(u'0' + i));
    }
    QCOMPARE(form.list("toller")->currentText(), QString());
    QCOMPARE(form.list("toller")->count(), 2);
    QCOMPARE(form.defaultButton(), form.button("Command1"));
}

// Bands picked with real key presses (a digit or letter jumps to its entry), Enter in a
// list presses "Calculate", "Reset" empties everything.
void TestColourCode::pickTypeEnterAndReset() {
    CalcForm form(colour_code::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const std::pair<const char*, char> picks[] = {
        {"unit", '2'}, {"tens", '2'}, {"pten", '9'}, {"toller", 'S'}};
    for (const auto& [name, key] : picks) {
        form.list(name)->setFocus();
        QTest::keyClick(form.list(name), key);
    }
    QCOMPARE(form.list("pten")->currentText(), QStringLiteral("9 - White"));
    QCOMPARE(form.list("toller")->currentText(), QStringLiteral("Silver 10%"));
    TypeInto(form.box("minv"), QStringLiteral("old"));
    PressEnter(form.list("toller"));
    QCOMPARE(form.box("ans")->text(), QStringLiteral("22000000000"));
    QCOMPARE(form.box("minv")->text(), QStringLiteral("19800000000"));
    QCOMPARE(form.box("maxv")->text(), QStringLiteral("24200000000"));

    QTest::mouseClick(form.button("Command2"), Qt::LeftButton);
    for (const char* name : {"unit", "tens", "pten", "toller"})
        QCOMPARE(form.list(name)->currentText(), QString());
    for (const char* name : {"ans", "minv", "maxv"}) QCOMPARE(form.box(name)->text(), QString());
}

void TestColourCode::unpickedBandIsReported() {
    CalcForm form(colour_code::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.list("unit")->setCurrentIndex(4);
    form.list("tens")->setCurrentIndex(7);
    TypeInto(form.box("ans"), QStringLiteral("kept"));
    MessageBoxCatcher catcher;
    QTest::mouseClick(form.button("Command1"), Qt::LeftButton);
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.title(), QStringLiteral("Resistors Colour Coding"));
    QVERIFY2(catcher.text().contains(QLatin1String("The Third Colour box has no colour picked")),
             qPrintable(catcher.text()));
    QCOMPARE(form.box("ans")->text(), QStringLiteral("kept"));
    QCOMPARE(form.box("minv")->text(), QString());
}

AMPORA_TEST(TestColourCode)
#include "tst_colour_code.moc"
