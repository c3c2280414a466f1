// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/test_registry.h"
#include "ui/calc_form.h"
#include "ui/form_accessibility.h"
#include "ui/text_fit.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace ampora;

namespace {

// A form laid out like the calculators: captions left of boxes, a caption above a list,
// a caption below a box, a unit label between two columns, "*" buttons and a frame.
constexpr Control kSample[] = {
    {Kind::Label, "lr", "&Resistance:", {120, 960, 975, 255}},
    {Kind::Box, "r", "", {1200, 960, 1095, 285}},
    {Kind::Button, "clearR", "*", {2300, 960, 135, 255}},
    {Kind::Label, "unit", "Ohms", {2520, 960, 495, 255}},
    {Kind::Label, "lv", "Voltage:", {3120, 960, 735, 255}},
    {Kind::Box, "v", "", {3960, 960, 1095, 285}},
    {Kind::Label, "lband", "First Colour", {120, 1440, 1215, 255}},
    {Kind::Label, "lans", "R =", {4200, 1440, 495, 255}},
    {Kind::Box, "ans", "", {4800, 1440, 495, 285}},
    {Kind::List, "band", "0 - Black|1 - Brown", {120, 1700, 1215, 315}},
    {Kind::Box, "i", "", {1800, 1700, 735, 285}},
    {Kind::Label, "li", "Current", {1800, 2000, 735, 255}},
    {Kind::Box, "ig", "", {3120, 1700, 735, 285}},
    {Kind::Label, "lig", "Current", {3120, 2000, 735, 255}},
    {Kind::Button, "clearIg", "*", {3860, 1700, 135, 255}},
    {Kind::Frame, "Frame1", "Combination:", {120, 2400, 1815, 855}},
    {Kind::Option, "sc", "Series", {120, 240, 1215, 255}, "Frame1"},
    {Kind::Option, "pc", "Parallel", {120, 540, 1215, 255}, "Frame1"},
    {Kind::Button, "Command1", "Calculate", {2160, 2640, 1455, 375}},
};

constexpr ClearButton kClears[] = {{"clearR", "r"}, {"clearIg", "ig"}};
constexpr SpokenName kSpoken[] = {{"ig", "Galvanometer current"}};
constexpr FormDecl kSampleForm = {.name = "sample",
                                  .caption = "Sample",
                                  .client = {5400, 3600},
                                  .controls = kSample,
                                  .clears = kClears,
                                  .spokenNames = kSpoken};

class SampleForm : public CalcForm {
public:
    SampleForm() : CalcForm(kSampleForm) {}
};

QString AccessibleName(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

}  // namespace

// What a form does before it is first shown: it names its controls for assistive
// technology, grows controls whose text would be clipped and orders its controls for Tab.
class TestFormFinish : public QObject {
    Q_OBJECT
private slots:
    void captionsNameBoxesAndLists_data();
    void captionsNameBoxesAndLists();
    void clearButtonsAreNamedAfterTheirBox();
    void titleCopyIsLeftOutOfTheTree();
    void narrowCaptionPushesItsColumnAlong();
    void rightAlignedCaptionGrowsIntoFreeRoomOnItsLeft();
    void frameGrowsWithItsOptions();
    void tallTitlePushesTheRowsBelowDown();
    void listWidensToItsLongestEntry();
    void undeclaredTabOrderIsReadingOrder();
    void declaredTabOrderIsKept();
};

void TestFormFinish::captionsNameBoxesAndLists_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("caption on the left, mnemonic and colon dropped") << "r"
                                                                     << "Resistance";
    QTest::newRow("the nearest caption on the row, not the unit before it") << "v"
                                                                            << "Voltage";
    QTest::newRow("caption above a list") << "band"
                                          << "First Colour";
    QTest::newRow("an equals sign after the caption") << "ans"
                                                      << "R";
    QTest::newRow("caption below a box") << "i"
                                         << "Current";
    QTest::newRow("a name the form gave is kept") << "ig"
                                                  << "Galvanometer current";
}

void TestFormFinish::captionsNameBoxesAndLists() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    SampleForm form;
    form.show();
    QCOMPARE(AccessibleName(form.control(control.toLatin1().constData())), name);
}

void TestFormFinish::clearButtonsAreNamedAfterTheirBox() {
    SampleForm form;
    form.show();
    QCOMPARE(AccessibleName(form.button("clearR")), QStringLiteral("Clear Resistance"));
    QCOMPARE(AccessibleName(form.button("clearIg")), QStringLiteral("Clear Galvanometer current"));
}

void TestFormFinish::titleCopyIsLeftOutOfTheTree() {
    CalcForm form("titled", QStringLiteral("Titled"), {3000, 1500});
    form.addTitle({"Label3", "Label8", "TITLE", {300, 300, 2400, 375}, 30});
    form.show();
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&form);
    QCOMPARE(tree->childCount(), 1);
    QCOMPARE(tree->child(0)->object(), form.label("Label3"));
    QCOMPARE(tree->indexOfChild(QAccessible::queryAccessibleInterface(form.label("Label8"))), -1);
    QCOMPARE(tree->text(QAccessible::Name), QStringLiteral("Titled"));
}

void TestFormFinish::narrowCaptionPushesItsColumnAlong() {
    const Control controls[] = {
        {Kind::Label, "l1", "A rather long caption:", {120, 300, 450, 255}},
        {Kind::Box, "b1", "", {600, 300, 900, 285}},
        {Kind::Label, "l2", "A:", {120, 700, 450, 255}},
        {Kind::Box, "b2", "", {600, 700, 900, 285}},
        {Kind::Button, "wide", "Calculate", {120, 1100, 1380, 375}},
    };
    CalcForm form("narrow", QStringLiteral("Narrow"), {1650, 1600});
    form.build(controls);
    const QSize before = form.size();
    const QRect b1 = form.box("b1")->geometry();
    const QRect b2 = form.box("b2")->geometry();
    const int wide = form.button("wide")->width();
    const int labelWidth = form.label("l2")->width();
    form.show();

    QVERIFY(TextOverflow(form.label("l1")).width() <= 0);
    const int grown = form.box("b1")->x() - b1.x();
    QVERIFY(grown > 0);
    // The caption first takes the free room before its box; the column of boxes then
    // moves as one, sizes kept; what spans the gap widens; the form grows.
    QVERIFY(form.label("l1")->geometry().right() < form.box("b1")->x());
    QCOMPARE(form.box("b2")->geometry(), b2.translated(grown, 0));
    QCOMPARE(form.box("b1")->size(), b1.size());
    QCOMPARE(form.label("l2")->width(), labelWidth);  // it fitted: left alone
    QCOMPARE(form.button("wide")->width(), wide + grown);
    QCOMPARE(form.size(), before + QSize(grown, 0));
}

void TestFormFinish::rightAlignedCaptionGrowsIntoFreeRoomOnItsLeft() {
    const Control controls[] = {
        {Kind::Label, "l1", "A rather long caption:", {2700, 300, 450, 255}},
        {Kind::Box, "b1", "", {3200, 300, 900, 285}},
    };
    CalcForm form("right", QStringLiteral("Right"), {4200, 700});
    form.build(controls);
    form.label("l1")->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QSize before = form.size();
    const QRect b1 = form.box("b1")->geometry();
    const int right = form.label("l1")->geometry().right();
    form.show();
    QVERIFY(TextOverflow(form.label("l1")).width() <= 0);
    QCOMPARE(form.label("l1")->geometry().right(), right);
    QCOMPARE(form.box("b1")->geometry(), b1);
    QCOMPARE(form.size(), before);
}

void TestFormFinish::frameGrowsWithItsOptions() {
    const Control controls[] = {
        {Kind::Frame, "Frame1", "Combination:", {120, 120, 600, 855}},
        {Kind::Option, "sc", "Series combination", {120, 240, 400, 255}, "Frame1"},
        {Kind::Button, "Command1", "Go", {840, 120, 600, 375}},
    };
    CalcForm form("framed", QStringLiteral("Framed"), {1600, 1100});
    form.build(controls);
    const int frameWidth = form.frame("Frame1")->width();
    const int buttonX = form.button("Command1")->x();
    form.show();
    QVERIFY(TextOverflow(form.option("sc")).width() <= 0);
    QVERIFY(TextOverflow(form.frame("Frame1")).width() <= 0);
    QVERIFY(form.frame("Frame1")->width() > frameWidth);
    // The button beside the frame makes way for it and stays on the form.
    QVERIFY(form.button("Command1")->x() > buttonX);
    QVERIFY(form.frame("Frame1")->geometry().right() < form.button("Command1")->x());
    QVERIFY(form.rect().contains(form.button("Command1")->geometry()));
}

void TestFormFinish::tallTitlePushesTheRowsBelowDown() {
    const Control controls[] = {{Kind::Box, "b1", "", {120, 600, 900, 285}}};
    CalcForm form("tall", QStringLiteral("Tall"), {6000, 1000});
    form.addTitle({"Label1", "Label2", "TITLE", {300, 150, 5000, 150}, 30, 20.0});
    form.build(controls);
    const int top = form.box("b1")->y();
    const int height = form.height();
    form.show();
    QVERIFY(TextOverflow(form.label("Label1")).height() <= 0);
    QVERIFY(TextOverflow(form.label("Label2")).height() <= 0);
    const int grown = form.box("b1")->y() - top;
    QVERIFY(grown > 0);
    QCOMPARE(form.height(), height + grown);
}

void TestFormFinish::listWidensToItsLongestEntry() {
    const Control controls[] = {
        {Kind::List, "toller", "Gold 5%|Silver 10% of the nominal value", {120, 120, 600, 315}},
        {Kind::List, "unit", "0|1", {1200, 120, 900, 315}},
    };
    CalcForm form("lists", QStringLiteral("Lists"), {2400, 600});
    form.build(controls);
    const int unitWidth = form.list("unit")->width();
    form.show();
    QVERIFY(TextOverflow(form.list("toller")).width() <= 0);
    QVERIFY(form.list("toller")->geometry().right() < form.list("unit")->x());
    QCOMPARE(form.list("unit")->width(), unitWidth);  // short entries: left as designed
    QCOMPARE(form.list("toller")->currentIndex(), -1);
}

void TestFormFinish::undeclaredTabOrderIsReadingOrder() {
    // Listed bottom row first; Tab still goes top to bottom, left to right.
    const Control controls[] = {
        {Kind::Button, "calc", "Calculate", {120, 1200, 1200, 375}},
        {Kind::Box, "right", "", {1500, 300, 900, 285}},
        {Kind::Box, "left", "", {120, 300, 900, 285}},
        {Kind::Box, "under", "", {120, 700, 900, 285}},
    };
    CalcForm form("order", QStringLiteral("Order"), {2600, 1800});
    form.build(controls);
    form.show();
    QStringList chain;
    QWidget* w = form.box("left");
    for (int i = 0; i < 4; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
        chain << w->objectName();
    }
    QCOMPARE(chain, QStringList({"left", "right", "under", "calc"}));
    QVERIFY(form.declaredTabOrder().isEmpty());
}

void TestFormFinish::declaredTabOrderIsKept() {
    SampleForm form;
    const std::string_view order[] = {"v", "r", "Command1"};
    form.setTabOrder(order);
    form.show();
    QCOMPARE(form.declaredTabOrder(), QStringList({"v", "r", "Command1"}));
    QCOMPARE(form.box("v")->nextInFocusChain(), form.box("r"));
    QCOMPARE(form.box("r")->nextInFocusChain(), form.button("Command1"));
}

AMPORA_TEST(TestFormFinish)
#include "tst_form_finish.moc"
