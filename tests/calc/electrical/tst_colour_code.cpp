// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/colour_code.h"
#include "core/conversions.h"
#include "support/box_texts.h"
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
using test::Texts;
using test::TypeInto;

namespace {

colour_code::Bands BandsOf(const QStringList& texts) {
    colour_code::Bands bands;
    for (int i = 0; i < colour_code::kBandCount; ++i)
        bands[static_cast<std::size_t>(i)] = texts.value(i).toStdString();
    return bands;
}

}  // namespace

class TestColourCode : public QObject {
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void unpickedBandIsNamed_data();
    void unpickedBandIsNamed();
    void everyCombinationOfBands();
    void listsStartUnpicked();
    void pickTypeEnterAndReset();
    void unpickedBandIsReported();
};

void TestColourCode::calculate_data() {
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<QStringList>("results");  // ans, minv, maxv
    QTest::newRow("yellow violet red gold") << QStringList{"4 - Yellow", "7 - Violet", "2 - Red", "Gold 5%"}
                                            << QStringList{"4700", "4465", "4935"};
    QTest::newRow("yellow violet red silver")
        << QStringList{"4 - Yellow", "7 - Violet", "2 - Red", "Silver 10%"}
        << QStringList{"4700", "4230", "5170"};
    QTest::newRow("brown black black gold")
        << QStringList{"1 - Brown", "0 - Black", "0 - Black", "Gold 5%"} << QStringList{"10", "9.5", "10.5"};
    QTest::newRow("white multiplier gives eleven digits")
        << QStringList{"2 - Red", "2 - Red", "9 - White", "Silver 10%"}
        << QStringList{"22000000000", "19800000000", "24200000000"};
    QTest::newRow("all black is zero")
        << QStringList{"0 - Black", "0 - Black", "0 - Black", "Gold 5%"} << QStringList{"0", "0", "0"};
    QTest::newRow("black first band is accepted")
        << QStringList{"0 - Black", "4 - Yellow", "2 - Red", "Gold 5%"} << QStringList{"400", "380", "420"};
    QTest::newRow("unpicked first band leaves the second digit alone")
        << QStringList{"", "7 - Violet", "2 - Red", "Gold 5%"} << QStringList{"700", "665", "735"};
    QTest::newRow("unpicked second band leaves the first digit alone")
        << QStringList{"3 - Orange", "", "1 - Brown", "Gold 5%"} << QStringList{"30", "28.5", "31.5"};
    QTest::newRow("unpicked tolerance counts as ten percent")
        << QStringList{"1 - Brown", "0 - Black", "2 - Red", ""} << QStringList{"1000", "900", "1100"};
    QTest::newRow("only an upper-case G is gold")
        << QStringList{"1 - Brown", "0 - Black", "2 - Red", "gold"} << QStringList{"1000", "900", "1100"};
}

void TestColourCode::calculate() {
    QFETCH(QStringList, bands);
    QFETCH(QStringList, results);
    const Outcome out = colour_code::Solve(BandsOf(bands), {"", "", ""});
    QVERIFY2(!out.fault, out.fault ? out.fault->describe().c_str() : "");
    QCOMPARE(Texts(out.boxes), results);
}

void TestColourCode::unpickedBandIsNamed_data() {
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("alsoSays");
    QTest::newRow("nothing picked") << QStringList{"", "", "", ""} << "First Colour"
                                    << "Second Colour";
    QTest::newRow("first two unpicked") << QStringList{"", "", "2 - Red", "Gold 5%"} << "First Colour"
                                        << "Second Colour";
    QTest::newRow("multiplier unpicked")
        << QStringList{"4 - Yellow", "7 - Violet", "", "Gold 5%"} << "Third Colour"
        << "Pick a colour from its list";
}

// A needed band with no colour ends the calculation before any box changes, and the
// report says which band to pick.
void TestColourCode::unpickedBandIsNamed() {
    QFETCH(QStringList, bands);
    QFETCH(QString, band);
    QFETCH(QString, alsoSays);
    const Outcome out = colour_code::Solve(BandsOf(bands), {"4700", "4465", "4935"});
    QVERIFY(out.fault);
    QCOMPARE(QString::fromStdString(out.fault->operand()), band);
    QCOMPARE(Texts(out.boxes), (QStringList{"4700", "4465", "4935"}));
    const QString said = QString::fromStdString(out.fault->describe());
    QVERIFY2(said.contains(QStringLiteral("The %1 box has no colour picked").arg(band)), qPrintable(said));
    QVERIFY2(said.contains(alsoSays), qPrintable(said));
    QVERIFY2(said.contains(QLatin1String("Nominal Value")), qPrintable(said));
}

// Every pick of the four lists, none included, and a band text that is not a digit: the
// nominal value is the number the first two bands spell (one alone when the other is
// unpicked) times ten to the third band, and the least and greatest values lie 5 % (gold)
// or 10 % (anything else) either side of it. A band that cannot be read is the one the
// fault names, the first two before the third.
void TestColourCode::everyCombinationOfBands() {
    const char* const colours[] = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                   "Green", "Blue",  "Violet", "Grey",   "White"};
    constexpr int kUnpicked = -1, kUnreadable = 10;
    const auto entry = [&](int digit) {
        if (digit == kUnpicked) return std::string();
        return digit == kUnreadable ? std::string("Pink") : std::to_string(digit) + " - " + colours[digit];
    };
    for (int unit = kUnpicked; unit <= kUnreadable; ++unit) {
        for (int tens = kUnpicked; tens <= kUnreadable; ++tens) {
            for (int power = kUnpicked; power <= kUnreadable; ++power) {
                for (const char* tolerance : {"", "Gold 5%", "Silver 10%"}) {
                    const colour_code::Bands bands = {entry(unit), entry(tens), entry(power), tolerance};
                    const Outcome out = colour_code::Solve(bands, {"", "", ""});
                    const QString where =
                        QStringLiteral("bands %1 %2 %3 %4").arg(unit).arg(tens).arg(power).arg(tolerance);
                    const char* named = (unit == kUnpicked && tens == kUnpicked) || unit == kUnreadable
                                            ? "First Colour"
                                        : tens == kUnreadable                        ? "Second Colour"
                                        : power == kUnpicked || power == kUnreadable ? "Third Colour"
                                                                                     : nullptr;
                    if (named) {
                        QVERIFY2(out.fault && out.boxes == Boxes(3), qPrintable(where));
                        QCOMPARE(QString::fromStdString(out.fault->operand()), QString::fromLatin1(named));
                        continue;
                    }
                    QVERIFY2(!out.fault, qPrintable(where));
                    const long long digits = unit < 0 ? tens : tens < 0 ? unit : 10 * unit + tens;
                    long long nominal = digits;
                    for (int k = 0; k < power; ++k) nominal *= 10;
                    QCOMPARE(QString::fromStdString(out.boxes[colour_code::Ans]), QString::number(nominal));
                    const double share = tolerance[0] == 'G' ? 0.05 : 0.1;
                    const double least = TextToNumber(out.boxes[colour_code::Minv]);
                    const double most = TextToNumber(out.boxes[colour_code::Maxv]);
                    QVERIFY2(std::abs(least - nominal * (1 - share)) <= 1e-14 * nominal, qPrintable(where));
                    QVERIFY2(std::abs(most - nominal * (1 + share)) <= 1e-14 * nominal, qPrintable(where));
                }
            }
        }
    }
}

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
