// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/instruments/ammeter.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"
#include "ui/drawing_image.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestAmmeter : public QObject {
    Q_OBJECT
private slots:
    void diagramIsBlackOnWhite();
    void boxesLieOverTheDiagram();
    void enterSolvesStarAndResetEmpty();
};

void TestAmmeter::diagramIsBlackOnWhite() {
    const QImage image = DrawingImage(ammeter::kForm.drawings.front());
    QCOMPARE(image.size(), QSize(242, 219));
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xffffff;
            QVERIFY2(pixel == 0 || pixel == 0xffffff, qPrintable(QString("grey at %1,%2").arg(x).arg(y)));
            black += pixel == 0;
        }
    QVERIFY(black > 500);
}

void TestAmmeter::boxesLieOverTheDiagram() {
    CalcForm form(ammeter::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QLabel* picture = form.label("Picture1");
    QVERIFY(picture);
    QCOMPARE(picture->pixmap().size(), QSize(242, 219));
    for (const char* name : {"rg", "rs", "Label3", "Label5", "Label7", "Label8"})
        QCOMPARE(form.control(name)->parentWidget(), picture);
    // The form's own boxes and "*" buttons are on top of the picture, not hidden by it.
    for (const char* name : {"i", "ig", "Command3", "Command4", "Command6", "Command7"}) {
        QWidget* w = form.control(name);
        QCOMPARE(w->parentWidget(), &form);
        QVERIFY(w->geometry().intersects(picture->geometry()));
        QCOMPARE(form.childAt(w->geometry().center()), w);
    }
}

void TestAmmeter::enterSolvesStarAndResetEmpty() {
    CalcForm form(ammeter::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TypeInto(form.box("ig"), QStringLiteral("0.01"));
    TypeInto(form.box("rg"), QStringLiteral("90"));
    TypeInto(form.box("i"), QStringLiteral("1"));
    PressEnter(form.box("i"));
    QCOMPARE(form.box("rs")->text(), QStringLiteral("0.909090909090909"));

    // "*" beside rg empties rg alone; the next press works it back out of the written shunt.
    QTest::mouseClick(form.button("Command4"), Qt::LeftButton);
    QCOMPARE(form.box("rg")->text(), QString());
    QCOMPARE(form.box("rs")->text(), QStringLiteral("0.909090909090909"));
    PressEnter(form.box("ig"));
    QCOMPARE(form.box("rg")->text(), QStringLiteral("90"));

    QTest::mouseClick(form.button("Command8"), Qt::LeftButton);
    for (const char* name : {"i", "ig", "rg", "rs"}) QCOMPARE(form.box(name)->text(), QString());
}

AMPORA_TEST(TestAmmeter)
#include "tst_ammeter.moc"
