// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/registry.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"
#include "ui/component_list_form.h"
#include "ui/working.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>

#include <tuple>

using namespace ampora;

namespace {

constexpr Control kControls[] = {
    {Kind::Box, "a", "", {120, 120, 1500, 285}},
    {Kind::Box, "b", "", {120, 480, 1500, 285}},
    {Kind::Frame, "Frame1", "Panel:", {1800, 120, 1800, 1200}},
    {Kind::Option, "o1", "One", {120, 240, 1200, 255}, "Frame1"},
    {Kind::List, "l", "x|y", {120, 600, 1200, 315}, "Frame1"},
    {Kind::Button, "First", "First", {120, 1500, 1200, 375}},
    {Kind::Button, "Second", "Second", {1440, 1500, 1200, 375}},
    {Kind::StatusBar, "sb", "Hint", {0, 0, 0, 0}},
};

struct Fixture {
    CalcForm form{"test", QStringLiteral("Test Form"), {4000, 2400}};
    int first = 0, second = 0;
    Fixture() {
        form.build(kControls);
        form.addTitle({"T", "TW", "TITLE", {300, 300, 2000, 375}, 30});
        form.onClick("First", [this] { ++first; });
        form.onClick("Second", [this] { ++second; });
        form.setDefaultButton("First");
        form.show();
    }
};

// A step as a press records it: one that wrote `result`, or one that faulted.
Step Recorded(std::string box, std::string relation, std::string substituted, std::string result,
              std::optional<std::string> fault = std::nullopt) {
    Step step(box);
    step.relation = std::move(relation);
    step.substituted = std::move(substituted);
    step.result = std::move(result);
    step.fault = std::move(fault);
    return step;
}

// A declared form whose first button writes a box and then faults on the next, and whose
// second shows a message of its own.
constexpr Press kPresses[] = {
    {"First",
     [](FormState& form, Steps* steps) -> Report {
         form.setBox("a", "5");
         const Fault fault(FaultKind::Conversion, "does not hold a number", "Time", "Power");
         if (steps) {
             steps->push_back(Recorded("a", "x + y", "2 + 3", "5"));
             steps->push_back(Recorded("b", "p / t", "100 / z", "", fault.describe()));
         }
         return {fault, std::nullopt};
     }},
    {"Second",
     [](FormState&, Steps*) -> Report {
         return {std::nullopt, Message{"Error!", "Leave one field blank!"}};
     }},
};
constexpr FormDecl kDeclared = {.name = "declared",
                                .caption = "Declared",
                                .client = {4000, 2400},
                                .controls = kControls,
                                .presses = kPresses};

// What the box's tool tip shows when the mouse rests on it, or empty when it shows none.
QString ToolTipOf(QLineEdit* box) {
    if (QToolTip::isVisible()) {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); })) return QStringLiteral("(stuck)");
    }
    const QPoint at = box->rect().center();
    QHelpEvent event(QEvent::ToolTip, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// What the engine reads in a calculator's boxes after its press, given `set`, as the
// lines `ampora-calc --readings` prints.
QString ReadingsOf(const char* calc, const QStringList& set) {
    const FormBehaviour form(*FindCalculator(calc));
    FormView view = form.opening();
    for (const QString& s : set)
        view.state.setBox(s.section('=', 0, 0).toStdString(), s.section('=', 1).toStdString());
    form.click(view, form.form().presses.front().button);
    QStringList lines;
    for (const BoxRead& read : form.readings(view))
        for (const std::string& line : ReadLines(read)) lines << QString::fromStdString(line);
    return lines.join('\n');
}

QString Described(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
}

}  // namespace

class TestCalcForm : public QObject {
    Q_OBJECT
private slots:
    void controlsFollowTheTable();
    void enterPressesTheDefaultFromAnyControl();
    void handlersMoveTheDefault();
    void enterOnAFocusedButtonPressesThatButton();
    void titleHasAWhiteCopyBehindIt();
    void formsShareTheGreyFace();
    void writeBackTouchesOnlyChangedBoxes();
    void untrappedFaultIsReportedAndBoxesKept();
    void workingWindowFollowsThePresses();
};

void TestCalcForm::controlsFollowTheTable() {
    Fixture f;
    QCOMPARE(f.form.size(), QSize(267, 160));
    QCOMPARE(f.form.box("b")->geometry(), QRect(8, 32, 100, 19));
    QCOMPARE(f.form.option("o1")->parentWidget(), f.form.frame("Frame1"));
    QCOMPARE(f.form.list("l")->currentText(), QString());
    QCOMPARE(f.form.list("l")->count(), 2);
    auto* bar = f.form.findChild<QStatusBar*>(QStringLiteral("sb"));
    QCOMPARE(bar->geometry().bottom(), f.form.height() - 1);
    QCOMPARE(bar->findChild<QLabel*>()->text(), QStringLiteral("Hint"));
    // A form without presses (the main panel, say) has no work to show.
    QVERIFY(f.form.actions().isEmpty());
}

void TestCalcForm::enterPressesTheDefaultFromAnyControl() {
    Fixture f;
    test::PressEnter(f.form.box("a"));
    test::PressEnter(f.form.option("o1"));
    test::PressEnter(f.form.list("l"));
    QCOMPARE(f.first, 3);
    QCOMPARE(f.second, 0);
}

void TestCalcForm::handlersMoveTheDefault() {
    Fixture f;
    f.form.onFocusIn(f.form.box("b"), [&] { f.form.setDefaultButton("Second"); });
    f.form.onFocusOut(f.form.box("b"), [&] { f.form.setDefaultButton("First"); });
    f.form.box("b")->setFocus();
    QApplication::setActiveWindow(&f.form);
    QTRY_VERIFY(f.form.box("b")->hasFocus());
    QCOMPARE(f.form.defaultButton(), f.form.button("Second"));
    QVERIFY(f.form.button("Second")->isDefault());
    QVERIFY(!f.form.button("First")->isDefault());
    test::PressEnter(f.form.box("b"));
    QCOMPARE(f.second, 1);
    f.form.box("a")->setFocus();
    QTRY_COMPARE(f.form.defaultButton(), f.form.button("First"));
    test::PressEnter(f.form.box("a"));
    QCOMPARE(f.first, 1);
}

void TestCalcForm::enterOnAFocusedButtonPressesThatButton() {
    Fixture f;
    test::PressEnter(f.form.button("Second"));
    QCOMPARE(f.second, 1);
    QCOMPARE(f.first, 0);
}

void TestCalcForm::titleHasAWhiteCopyBehindIt() {
    Fixture f;
    QLabel* title = f.form.label("T");
    QLabel* copy = f.form.label("TW");
    QCOMPARE(copy->text(), title->text());
    QCOMPARE(title->pos() - copy->pos(), QPoint(2, 2));
    QCOMPARE(copy->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(title->font().bold());
    const auto siblings = f.form.children();
    QVERIFY(siblings.indexOf(copy) < siblings.indexOf(title));  // drawn first, so behind
}

// Every form is drawn on the button-face grey with black text and white boxes, whatever
// the desktop's colours; all forms draw with the same palette, so the style's cache of
// drawn buttons is shared rather than filled anew by every form opened.
void TestCalcForm::formsShareTheGreyFace() {
    Fixture one;
    Fixture two;
    for (const QWidget* w :
         {static_cast<QWidget*>(&one.form), static_cast<QWidget*>(one.form.button("First")),
          static_cast<QWidget*>(one.form.box("a"))}) {
        QCOMPARE(w->palette().color(QPalette::Active, QPalette::Window), QColor(0xD4, 0xD0, 0xC8));
        QCOMPARE(w->palette().color(QPalette::Inactive, QPalette::Button), QColor(0xD4, 0xD0, 0xC8));
        QCOMPARE(w->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::black));
        QCOMPARE(w->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
    }
    QCOMPARE(two.form.button("Second")->palette().cacheKey(), one.form.button("First")->palette().cacheKey());
}

void TestCalcForm::writeBackTouchesOnlyChangedBoxes() {
    CalcForm form(kDeclared);
    form.box("a")->setText(QStringLiteral("1"));
    QSignalSpy aChanged(form.box("a"), &QLineEdit::textChanged);
    QSignalSpy bChanged(form.box("b"), &QLineEdit::textChanged);
    FormState state = form.state();
    QCOMPARE(state.box("a"), "1");
    state.setBox("b", "2");
    form.writeBack(state);
    QCOMPARE(aChanged.count(), 0);
    QCOMPARE(bChanged.count(), 1);
    QCOMPARE(form.state().box("b"), "2");
    // A long result is shown from its first digit.
    state.setBox("b", "0.0500500500500501");
    form.writeBack(state);
    QCOMPARE(form.box("b")->cursorPosition(), 0);
}

void TestCalcForm::untrappedFaultIsReportedAndBoxesKept() {
    CalcForm form(kDeclared);
    test::MessageBoxCatcher catcher;
    form.button("First")->click();
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.title(), QStringLiteral("Declared"));
    QVERIFY(catcher.text().contains(QLatin1String("Power")));
    QVERIFY(catcher.text().contains(QLatin1String("Time box does not hold a number")));
    QCOMPARE(form.box("a")->text(), QStringLiteral("5"));
    // The box written before the fault tells its step, then its reading; the one the
    // fault left tells neither, and neither is described differently to a screen reader.
    QCOMPARE(ToolTipOf(form.box("a")), QStringLiteral("a = x + y = 2 + 3 = 5\na \u2248 5"));
    QCOMPARE(ToolTipOf(form.box("b")), QString());
    QCOMPARE(Described(form.box("a")), QString());
    // A form's own message is shown under its own title.
    form.button("Second")->click();
    QCOMPARE(catcher.count(), 2);
    QCOMPARE(catcher.title(), QStringLiteral("Error!"));
    QCOMPARE(catcher.text(), QStringLiteral("Leave one field blank!"));
}

// Basic electricity's worked example in an MDI area, as the program shows it: the
// Working window, opened by its key, reads what `ampora-calc pd p=100 v=230 --explain`
// prints after the boxes, and follows the next press.
void TestCalcForm::workingWindowFollowsThePresses() {
    QMdiArea area;
    area.resize(900, 700);
    CalcForm* form = MakeForm(*FindCalculator("pd"));
    QMdiSubWindow* formWindow = area.addSubWindow(form);
    area.show();
    QApplication::setActiveWindow(&area);
    QVERIFY(QTest::qWaitForWindowActive(&area));
    const auto box = [form](const char* name) { return form->box(name); };
    const auto workingText = [&area] {
        auto* window = area.findChild<WorkingWindow*>(QStringLiteral("pdWorking"));
        return window ? window->text() : QStringLiteral("(no window)");
    };
    const auto pressKey = [](QWidget* where) {
        QTest::keyClick(where, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    };

    // The form's context menu holds the item, under the same key, and prefixed input, off.
    QCOMPARE(form->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(form->actions().size(), 2);
    QCOMPARE(form->actions().front()->text(), QStringLiteral("Working"));
    QCOMPARE(form->actions().front()->shortcut(), Working::key());
    QAction* prefixes = form->actions().back();
    QCOMPARE(prefixes->text(), QStringLiteral("Prefixes (4k7, 10\u00b5)"));
    QVERIFY(prefixes->isCheckable() && !prefixes->isChecked());

    // Before any press the window says so in words.
    box("p")->setFocus();
    pressKey(box("p"));
    QVERIFY(!workingText().contains(QLatin1Char('=')));
    QVERIFY(!workingText().contains(QLatin1Char('\n')));
    QCOMPARE(area.subWindowList().size(), 2);
    QMdiSubWindow* working = area.activeSubWindow();
    QCOMPARE(working->objectName(), QStringLiteral("pdWorkingWindow"));
    QCOMPARE(working->windowTitle(), QStringLiteral("Working - Basic Electricity"));
    QVERIFY(working->minimumSize() != working->maximumSize());  // sizable
    // Nothing to hand in before a press.
    auto* window = area.findChild<WorkingWindow*>(QStringLiteral("pdWorking"));
    const auto handIn = [window](const char* name) { return window->findChild<QPushButton*>(name); };
    for (const char* name : {"copyMarkdown", "copyLatex", "print"}) QVERIFY(!handIn(name)->isEnabled());
    QCOMPARE(handIn("print")->text(), QStringLiteral("Print\u2026"));

    test::TypeInto(box("p"), QStringLiteral("100"));
    test::TypeInto(box("v"), QStringLiteral("230"));
    test::PressEnter(box("v"));
    // The solution goes to the clipboard in the rendering asked for (the command line's
    // agreement test holds it to what ampora-calc writes).
    for (const auto& [name, rendering, starts] :
         {std::tuple{"copyMarkdown", Rendering::Markdown, "## Basic Electricity\n"},
          std::tuple{"copyLatex", Rendering::LaTeX, "\\begin{align*}\n&\\textbf{Basic Electricity}"}}) {
        QVERIFY(handIn(name)->isEnabled());
        handIn(name)->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), window->solution(rendering));
        QVERIFY2(window->solution(rendering).startsWith(QString::fromUtf8(starts)), name);
    }
    const QString i = QStringLiteral("i = p / v = 100 / 230 = 0.434782608695652");
    const QString r = QStringLiteral("r = p / (i * i) = 100 / (0.434782608695652 * 0.434782608695652) = 529");
    // The steps, then what `--readings` prints: each box's reading and the parts that fit.
    const QString readings = ReadingsOf("pd", {"p=100", "v=230"});
    QCOMPARE(workingText(), i + '\n' + r + "\n\n" + readings);
    QCOMPARE(ToolTipOf(box("i")), i + QStringLiteral("\ni \u2248 434.783 mA"));
    QVERIFY(ToolTipOf(box("r")).startsWith(r + QStringLiteral("\nr \u2248 529 \u03a9\nr: E6 470 \u03a9")));
    QCOMPARE(ToolTipOf(box("v")), QStringLiteral("v \u2248 230 V"));  // typed, not written: its reading only
    QCOMPARE(ToolTipOf(box("w")), QString());                         // left empty

    // The next press replaces the work shown; the boxes it did not write tell nothing.
    test::TypeInto(box("t"), QStringLiteral("2"));
    test::PressEnter(box("t"));
    const QString q = QStringLiteral("q = i * t = 0.434782608695652 * 2 = 0.869565217391304");
    QVERIFY(workingText().startsWith(q + QStringLiteral("\nw = p * t = 100 * 2 = 200\n\n")));
    QCOMPARE(ToolTipOf(box("q")), q + QStringLiteral("\nq \u2248 869.565 mC"));
    QCOMPARE(ToolTipOf(box("i")), QStringLiteral("i \u2248 434.783 mA"));
    // A step no longer tells how a box's text came about once the user changes it; its
    // reading follows the text, in the window too.
    test::TypeInto(box("q"), QStringLiteral("1"));
    QCOMPARE(ToolTipOf(box("q")), QStringLiteral("q \u2248 1 C"));
    QVERIFY(workingText().contains(QStringLiteral("\nq \u2248 1 C\n")));

    // Prefixed input, asked for from the context menu: a code is read as the decimal it
    // names, the box keeps what was typed, and the work shows how it was read.
    prefixes->setChecked(true);
    test::TypeInto(box("w"), QString());
    test::TypeInto(box("p"), QString());
    test::TypeInto(box("i"), QString());
    test::TypeInto(box("r"), QString());
    test::TypeInto(box("q"), QString());
    test::TypeInto(box("v"), QStringLiteral("4k7"));
    test::TypeInto(box("t"), QStringLiteral("2m"));
    QCOMPARE(ToolTipOf(box("v")), QStringLiteral("v \u2248 4.7 kV"));
    test::PressEnter(box("t"));
    QCOMPARE(box("v")->text(), QStringLiteral("4k7"));
    QVERIFY(workingText().startsWith(
        QStringLiteral("v = 4k7 = 4.7 * 10^3 = 4700\nt = 2m = 2 * 10^-3 = 0.002\n")));
    QCOMPARE(ToolTipOf(box("v")), QStringLiteral("v = 4k7 = 4.7 * 10^3 = 4700\nv \u2248 4.7 kV"));

    // Closed, it opens afresh with the same work; closing the form closes it too.
    working->close();
    QTRY_COMPARE(area.subWindowList().size(), 1);
    area.setActiveSubWindow(formWindow);
    box("t")->setFocus();
    pressKey(box("t"));
    QCOMPARE(area.subWindowList().size(), 2);
    QVERIFY(workingText().startsWith(QStringLiteral("v = 4k7")));
    formWindow->close();
    QTRY_VERIFY(area.subWindowList().isEmpty());
}

AMPORA_TEST(TestCalcForm)
#include "tst_calc_form.moc"
