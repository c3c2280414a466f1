// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/magnetism/electro_magnetism.h"
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
using test::PressEnter;
using test::TypeInto;

namespace {

// In the form's row order, which is also the unit's box order.
const char* const kNames[] = {"s", "mmf", "l", "flux", "rp",  "A", "H",   "i",
                              "n", "B",   "e", "v",    "ang", "F", "ind", "t"};
const char* const kStars[] = {"Command30", "Command31", "Command32", "Command33", "Command34", "Command35",
                              "Command36", "Command37", "Command38", "Command39", "Command40", "Command41",
                              "Command42", "Command43", "Command44", "Command2"};

std::size_t IndexOf(const QString& name) {
    const auto it = std::find_if(std::begin(kNames), std::end(kNames),
                                 [&](const char* n) { return name == QLatin1String(n); });
    Q_ASSERT(it != std::end(kNames));
    return static_cast<std::size_t>(it - std::begin(kNames));
}

Boxes Parse(const QString& pairs) { return test::Parse(pairs, kNames); }
QString Show(const Boxes& boxes) { return test::Show(boxes, kNames); }

QString Solve(const QString& typed) { return Show(electro_magnetism::Solve(Parse(typed))); }

QString Box(const QString& typed, const char* name) {
    return QString::fromStdString(electro_magnetism::Solve(Parse(typed))[IndexOf(QLatin1String(name))]);
}

}  // namespace

class TestElectroMagnetism : public QObject {
    Q_OBJECT
private slots:
    void onePress_data();
    void onePress();
    void pressesUntilNothingChanges_data();
    void pressesUntilNothingChanges();
    void angleInDegrees_data();
    void angleInDegrees();
    void equivalentAnglesGiveTheSameForce();
    void fieldStrengthReadsTheWrittenMmf();
    void widgetsSolveClearAndReset();
};

// Worked examples: the boxes typed, and every box after one press (row order).
void TestElectroMagnetism::onePress_data() {
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("reluctance from mmf and flux") << "mmf=100;flux=0.5"
                                                  << "s=200;mmf=100;flux=0.5;rp=1;ang=90";
    QTest::newRow("force at the default right angle") << "B=0.5;i=2;l=3" << "l=3;rp=1;i=2;B=0.5;ang=90;F=3";
    QTest::newRow("length back from that force") << "F=3;B=0.5;i=2" << "l=3;rp=1;i=2;B=0.5;ang=90;F=3";
    QTest::newRow("length at angle 0 divides by zero") << "F=3;B=0.5;i=2;ang=0" << "rp=1;i=2;B=0.5;ang=0;F=3";
    QTest::newRow("turns, current, length and area") << "n=100;i=2;l=0.5;A=0.01"
                                                     << "s=39808917.1974522;mmf=200;l=0.5;flux=5.024E-06;rp="
                                                        "1;A=0.01;H=400;i=2;n=100;B=0.02512;ang=90;F=0.02512;"
                                                        "ind=0.01256";
    // The mmf is written with 15 digits, a hair above 0.02 / 1.256E-06, so the velocity
    // read back through it falls just short of 10.
    QTest::newRow("flux and time") << "flux=0.02;t=0.1"
        << "mmf=15923.5668789809;flux=0.02;rp=1;e=0.2;v=9.99999999999999;ang=90;t=0.1";
    QTest::newRow("zero flux: reluctance divides by zero, its block ends") << "mmf=100;flux=0;l=0.5;A=0.01"
        << "mmf=100;l=0.5;flux=0;rp=1;A=0.01;H=200;B=0;ang=90";
    QTest::newRow("unreadable permeability: the rules that need it fail") << "rp=abc;n=100;i=2;l=0.5;A=0.01"
        << "mmf=200;l=0.5;rp=abc;A=0.01;H=400;i=2;n=100;ang=90";
    QTest::newRow("blank permeability is filled and unreadable") << "rp= ;n=100;i=2;l=0.5"
        << "mmf=200;l=0.5;rp= ;H=400;i=2;n=100;ang=90";
    QTest::newRow("twice the permeability, twice the flux, same area") << "rp=2;n=100;i=2;l=0.5"
        << "mmf=200;l=0.5;flux=0.0005024;rp=2;A=0.5;H=400;i=2;n=100;ang=90";
    // The blank mmf makes the reluctance and field strength rules that read it fail, and
    // their blocks end there: no other rule is tried for them.
    QTest::newRow("blank mmf ends the blocks that read it") << "mmf= ;flux=0.5;l=0.5;A=0.01"
                                                            << "mmf= ;l=0.5;flux=0.5;rp=1;A=0.01;B=50;ang=90";
    QTest::newRow("unreadable angle: only the rules with the angle fail") << "B=0.5;i=2;l=3;ang=abc;n=4"
        << "mmf=8;l=3;flux=1.0048E-05;rp=1;A=3;H=2.66666666666667;i=2;n=4;B=0.5;ang=abc";
    QTest::newRow("nothing typed: only the defaults") << "" << "rp=1;ang=90";
    QTest::newRow("all sixteen filled")
        << "s=1;mmf=2;l=3;flux=4;rp=5;A=6;H=7;i=8;n=9;B=10;e=11;v=12;ang=13;F=14;ind=15;t=16"
        << "s=1;mmf=2;l=3;flux=4;rp=5;A=6;H=7;i=8;n=9;B=10;e=11;v=12;ang=13;F=14;ind=15;t=16";
    // clang-format on
}

void TestElectroMagnetism::onePress() {
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QCOMPARE(Solve(typed), after);
}

// Each press starts from the texts the previous one left; the last row is where
// pressing again changes nothing.
void TestElectroMagnetism::pressesUntilNothingChanges_data() {
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("presses");
    QTest::newRow("turns, current and length") << "n=100;i=2;l=0.5" << QStringList{
               "mmf=200;l=0.5;flux=0.0002512;rp=1;A=0.5;H=400;i=2;n=100;ang=90",
               "s=796178.343949045;mmf=200;l=0.5;flux=0.0002512;rp=1;A=0.5;H=400;i=2;n=100;B=0.0005024;"
               "ang=90;F=0.0005024;ind=0.01256"};
    QTest::newRow("unreadable permeability stays unusable") << "rp=abc;n=100;i=2;l=0.5;A=0.01"
        << QStringList{"mmf=200;l=0.5;rp=abc;A=0.01;H=400;i=2;n=100;ang=90"};
    // clang-format on
}

void TestElectroMagnetism::pressesUntilNothingChanges() {
    QFETCH(QString, typed);
    QFETCH(QStringList, presses);
    Boxes boxes = Parse(typed);
    for (const QString& expected : presses) {
        boxes = electro_magnetism::Solve(boxes);
        QCOMPARE(Show(boxes), expected);
    }
    QCOMPARE(electro_magnetism::Solve(boxes), boxes);
}

// The angle box holds degrees: force from flux density 0.5, current 2, length 3.
void TestElectroMagnetism::angleInDegrees_data() {
    // clang-format off
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("force");
    QTest::newRow("90") << "90" << "3";
    QTest::newRow("270") << "270" << "-3";
    QTest::newRow("-90") << "-90" << "-3";
    QTest::newRow("30") << "30" << "1.5";
    QTest::newRow("150") << "150" << "1.5";
    QTest::newRow("60: 3 times root 3 over 2") << "60" << "2.59807621135332";
    QTest::newRow("0") << "0" << "0";
    QTest::newRow("180") << "180" << "0";
    QTest::newRow("-720") << "-720" << "0";
    QTest::newRow("letters") << "deg" << "";
    QTest::newRow("beyond the number range") << "1E400" << "";
    // clang-format on
}

void TestElectroMagnetism::angleInDegrees() {
    QFETCH(QString, angle);
    QFETCH(QString, force);
    const Boxes out = electro_magnetism::Solve(Parse(QStringLiteral("B=0.5;i=2;l=3;ang=") + angle));
    QCOMPARE(QString::fromStdString(out[electro_magnetism::F]), force);
    QCOMPARE(QString::fromStdString(out[electro_magnetism::Ang]), angle);
}

// Whole turns and a change of sign reduce to the same angle, so the force agrees to
// the last digit.
void TestElectroMagnetism::equivalentAnglesGiveTheSameForce() {
    for (const double a : {1.25, 17.5, 45.0, 112.5, 179.75}) {
        const auto force = [](double angle) {
            return Box(QStringLiteral("B=0.5;i=2;l=3;ang=") + QString::number(angle, 'g', 17), "F");
        };
        const QString f = force(a);
        QVERIFY2(!f.isEmpty() && f != QLatin1String("0"), qPrintable(f));
        QCOMPARE(force(a + 360), f);
        QCOMPARE(force(a - 720), f);
        QCOMPARE(force(-a), QLatin1Char('-') + f);
    }
    // An angle of pi / 2 typed as such is now 1.57 degrees: 3 sin(1.5708 deg), about 0.08224.
    const double small = Box(QStringLiteral("B=0.5;i=2;l=3;ang=1.5707963267949"), "F").toDouble();
    QVERIFY2(qAbs(small - 0.0822364) < 1e-7, qPrintable(QString::number(small, 'g', 17)));
}

// The field strength comes from the mmf just written (mmf over length), not from
// current times turns over length. 7 x 0.7 falls just short of 4.9 in doubles; the
// written "4.9" over 9 lands on the other side of the 15th digit.
void TestElectroMagnetism::fieldStrengthReadsTheWrittenMmf() {
    const QString typed = QStringLiteral("n=7;i=0.7;l=9");
    QCOMPARE(Box(typed, "mmf"), QStringLiteral("4.9"));
    QCOMPARE(Box(typed, "H"), QStringLiteral("0.544444444444445"));
    // The same length over the typed mmf agrees.
    QCOMPARE(Box(QStringLiteral("mmf=4.9;l=9"), "H"), QStringLiteral("0.544444444444445"));
}

void TestElectroMagnetism::widgetsSolveClearAndReset() {
    CalcForm form(electro_magnetism::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.objectName(), QStringLiteral("mag"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Magnetism"));
    QCOMPARE(form.defaultButton(), form.button("calc"));

    TypeInto(form.box("B"), QStringLiteral("0.5"));
    TypeInto(form.box("i"), QStringLiteral("2"));
    TypeInto(form.box("l"), QStringLiteral("3"));
    PressEnter(form.box("l"));
    QCOMPARE(form.box("F")->text(), QStringLiteral("3"));
    QCOMPARE(form.box("ang")->text(), QStringLiteral("90"));
    QCOMPARE(form.box("rp")->text(), QStringLiteral("1"));
    QCOMPARE(form.box("e")->text(), QString());

    // Empty the force and give another angle: pressing again works it out afresh.
    QTest::mouseClick(form.button("Command43"), Qt::LeftButton);
    QCOMPARE(form.box("F")->text(), QString());
    TypeInto(form.box("ang"), QStringLiteral("30"));
    QTest::mouseClick(form.button("calc"), Qt::LeftButton);
    QCOMPARE(form.box("F")->text(), QStringLiteral("1.5"));

    for (std::size_t k = 0; k < std::size(kNames); ++k) {
        for (const char* name : kNames) form.box(name)->setText(QStringLiteral("7"));
        QCOMPARE(form.button(kStars[k])->text(), QStringLiteral("*"));
        QTest::mouseClick(form.button(kStars[k]), Qt::LeftButton);
        for (const char* name : kNames)
            QCOMPARE(form.box(name)->text(), name == kNames[k] ? QString() : QStringLiteral("7"));
    }
    QTest::mouseClick(form.button("Command1"), Qt::LeftButton);
    for (const char* name : kNames) QCOMPARE(form.box(name)->text(), QString());
    QCOMPARE(form.findChild<QStatusBar*>(QStringLiteral("sb"))->findChild<QLabel*>()->text(),
             QStringLiteral("Leave The Options Empty to Let It Find"));
}

AMPORA_TEST(TestElectroMagnetism)
#include "tst_electro_magnetism.moc"
