// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/magnetism/electro_magnetism.h"
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
const char* const kMagnetismBoxes[] = {"s", "mmf", "l", "flux", "rp",  "A", "H",   "i",
                                       "n", "B",   "e", "v",    "ang", "F", "ind", "t"};
const char* const kMagnetismStars[] = {
    "Command30", "Command31", "Command32", "Command33", "Command34", "Command35", "Command36", "Command37",
    "Command38", "Command39", "Command40", "Command41", "Command42", "Command43", "Command44", "Command2"};

}  // namespace

class TestElectroMagnetism : public QObject {
    Q_OBJECT
private slots:
    void widgetsSolveClearAndReset();
};

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

    for (std::size_t k = 0; k < std::size(kMagnetismBoxes); ++k) {
        for (const char* name : kMagnetismBoxes) form.box(name)->setText(QStringLiteral("7"));
        QCOMPARE(form.button(kMagnetismStars[k])->text(), QStringLiteral("*"));
        QTest::mouseClick(form.button(kMagnetismStars[k]), Qt::LeftButton);
        for (const char* name : kMagnetismBoxes)
            QCOMPARE(form.box(name)->text(), name == kMagnetismBoxes[k] ? QString() : QStringLiteral("7"));
    }
    QTest::mouseClick(form.button("Command1"), Qt::LeftButton);
    for (const char* name : kMagnetismBoxes) QCOMPARE(form.box(name)->text(), QString());
    QCOMPARE(form.findChild<QStatusBar*>(QStringLiteral("sb"))->findChild<QLabel*>()->text(),
             QStringLiteral("Leave The Options Empty to Let It Find"));
}

AMPORA_TEST(TestElectroMagnetism)
#include "tst_electro_magnetism.moc"
