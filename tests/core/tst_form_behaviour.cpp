// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/registry.h"
#include "core/form_behaviour.h"
#include "support/test_registry.h"

#include <QStringList>
#include <QTest>

using namespace ampora;

namespace {

// Works a script on a calculator's form as it opens: "NAME=TEXT" types into a box, picks
// a list's entry or (with 1) chooses an option; "click B", "in C", "out C" and "edit C"
// are a click, the focus entering or leaving a control, and an edit. Returns the view it
// leaves: the boxes that hold text, the lists' entries, the chosen options, the hidden
// controls and the default button, one line each.
QString Worked(const char* calc, const QString& script) {
    const FormBehaviour form(*FindCalculator(calc));
    FormView view = form.opening();
    for (const QString& step : script.split(QLatin1String("; "), Qt::SkipEmptyParts)) {
        const std::string rest = step.section(QLatin1Char(' '), 1).toStdString();
        if (step.startsWith(QLatin1String("click ")))
            form.click(view, rest);
        else if (step.startsWith(QLatin1String("in ")))
            form.focusIn(view, rest);
        else if (step.startsWith(QLatin1String("out ")))
            form.focusOut(view, rest);
        else if (step.startsWith(QLatin1String("edit ")))
            form.edited(view, rest);
        else {
            const std::string name = step.section(QLatin1Char('='), 0, 0).toStdString();
            const std::string text = step.section(QLatin1Char('='), 1).toStdString();
            const Control* c = form.controls().find(name);
            if (c->kind == Kind::Box) view.state.setBox(name, text);
            if (c->kind == Kind::List) view.state.setList(name, text);
            if (c->kind == Kind::Option)
                for (const auto& [option, chosen] : view.state.allOptions())
                    view.state.setOption(option, option == name);
        }
    }
    QStringList boxes, lists, options, hidden;
    for (const auto& [name, text] : view.state.allBoxes())
        if (!text.empty()) boxes << QString::fromStdString(name + '=' + text);
    for (const auto& [name, entry] : view.state.allLists())
        if (!entry.empty()) lists << QString::fromStdString(name + '=' + entry);
    for (const auto& [name, chosen] : view.state.allOptions())
        if (chosen) options << QString::fromStdString(name);
    for (const std::string& name : view.hidden) hidden << QString::fromStdString(name);
    return "boxes " + boxes.join(' ') + "\nlists " + lists.join(' ') + "\noptions " + options.join(' ') +
           "\nhidden " + hidden.join(' ') + "\ndefault " + QString::fromStdString(view.defaultButton);
}

const char* kRowsHidden = "c0 c1 c2 c3 c4 c5 c6 c7 c8 c9 ct0 ct1 ct2 ct3 ct4 ct5 ct6 ct7 ct8 ct9 d";

}  // namespace

// What a form does with a click, a focus change or an edit, whichever front end draws it.
class TestFormBehaviour : public QObject {
    Q_OBJECT
private slots:
    void worked_data();
    void worked();
    void pressesByButtonOrByWhatTheyDo();
};

void TestFormBehaviour::worked_data() {
    QTest::addColumn<QString>("calc");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("view");
    const auto view = [](const char* boxes, const char* lists, const char* options, const QString& hidden,
                         const char* button) {
        return QStringLiteral("boxes %1\nlists %2\noptions %3\nhidden %4\ndefault %5")
            .arg(boxes, lists, options, hidden, button);
    };
    const QString rows = kRowsHidden;
    const QString listHidden = "Frame1 Label2 " + rows;

    QTest::newRow("a list form opens with its rows, combination and answer caption hidden")
        << "res"
        << "" << view("", "", "sc", listHidden, "Command1");
    QTest::newRow("OK shows the combination, the answer's caption and the rows the count covers")
        << "res"
        << "nc=3; click Command1"
        << view("nc=3", "", "sc", "c3 c4 c5 c6 c7 c8 c9 ct3 ct4 ct5 ct6 ct7 ct8 ct9 d", "Command2");
    QTest::newRow("a count of 2.5 covers three rows")
        << "res"
        << "nc=2.5; click Command1"
        << view("nc=2.5", "", "sc", "c3 c4 c5 c6 c7 c8 c9 ct3 ct4 ct5 ct6 ct7 ct8 ct9 d", "Command2");
    QTest::newRow("a count of twelve covers all ten rows")
        << "cap"
        << "nc=12; click Command1" << view("nc=12", "", "sc", "d", "Command2");
    QTest::newRow("a count that is no number covers none, and the rest still shows")
        << "fuse"
        << "nc=abc; click Command1" << view("nc=abc", "", "", rows, "Command2");
    QTest::newRow("a smaller count hides the rows beyond it again, their texts kept")
        << "ind"
        << "nc=5; click Command1; ct4=9; nc=2; click Command1"
        << view("ct4=9 nc=2", "", "sc", "c2 c3 c4 c5 c6 c7 c8 c9 ct2 ct3 ct4 ct5 ct6 ct7 ct8 ct9 d",
                "Command2");
    QTest::newRow("the count box: OK while it has the focus or is typed in, Calculate once left")
        << "res"
        << "in nc; out nc; edit nc" << view("", "", "sc", listHidden, "Command1");
    QTest::newRow("leaving the count box makes Calculate the default")
        << "res"
        << "in nc; edit nc; out nc; in ct0" << view("", "", "sc", listHidden, "Command2");
    QTest::newRow("Reset empties every row whatever the count, and keeps the count and the option")
        << "res"
        << "nc=1; click Command1; pc=1; ct0=5; ct7=3; v=12; ans=2; click Command6"
        << view("nc=1", "", "pc", "c1 c2 c3 c4 c5 c6 c7 c8 c9 ct1 ct2 ct3 ct4 ct5 ct6 ct7 ct8 ct9 d",
                "Command2");
    QTest::newRow("Reset unpicks the lists and empties the results")
        << "rcc"
        << "unit=4 - Yellow; tens=7 - Violet; pten=2 - Red; toller=Gold 5%; click Command1; click Command2"
        << view("", "", "", "", "Command1");
    QTest::newRow("the colour code's press writes its results")
        << "rcc"
        << "unit=4 - Yellow; tens=7 - Violet; pten=2 - Red; toller=Gold 5%; click Command1"
        << view("ans=4700 maxv=4935 minv=4465", "pten=2 - Red tens=7 - Violet toller=Gold 5% unit=4 - Yellow",
                "", "", "Command1");
    QTest::newRow("a \"*\" empties its own box only")
        << "pd"
        << "p=100; v=230; click Command30" << view("v=230", "", "", "", "calc");
    QTest::newRow("a panel's Reset empties its own boxes only")
        << "oscil"
        << "vs=2; vd=3; t=0.01; click Command3" << view("t=0.01", "", "", "", "Command2");
    QTest::newRow("the focus in a panel's box makes its Calculate the default")
        << "oscil"
        << "in vs" << view("", "", "", "", "Command1");
    QTest::newRow("and the other panel's box takes it back; leaving a box keeps it")
        << "oscil"
        << "in vs; in hd; out hd; in Command3" << view("", "", "", "", "Command2");
    QTest::newRow("a button that does nothing the form declares leaves everything")
        << "pd"
        << "p=1; click Label1; click calc2" << view("p=1", "", "", "", "calc");
}

void TestFormBehaviour::worked() {
    QFETCH(QString, calc);
    QFETCH(QString, script);
    QFETCH(QString, view);
    QCOMPARE(Worked(qPrintable(calc), script), view);
}

void TestFormBehaviour::pressesByButtonOrByWhatTheyDo() {
    const FormBehaviour oscil(*FindCalculator("oscil"));
    QCOMPARE(oscil.press("voltage"), oscil.press("Command1"));
    QCOMPARE(oscil.press("frequency"), oscil.press("Command2"));
    QVERIFY(oscil.press("voltage") != oscil.press("frequency"));
    QCOMPARE(oscil.press("Command3"), nullptr);  // a Reset is no press
    QCOMPARE(oscil.press(""), nullptr);
    // A click goes by the button's name only.
    FormView view = oscil.opening();
    view.state.setBox("vs", "2");
    view.state.setBox("vd", "3");
    QCOMPARE(oscil.click(view, "voltage").what, Clicked::Nothing);
    QCOMPARE(view.state.box("v"), std::string());
    QCOMPARE(oscil.click(view, "Command1").what, Clicked::Pressed);
    QCOMPARE(view.state.box("v"), std::string("6"));
}

AMPORA_TEST(TestFormBehaviour)
#include "tst_form_behaviour.moc"
