// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_table.h"
#include "app/main_window.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace ampora;

namespace {

QAction* Action(const MainWindow& w, const char* name) {
    return w.findChild<QAction*>(QString::fromLatin1(name));
}

void CloseForm(MainWindow& w, const char* name) {
    for (QMdiSubWindow* sub : w.area()->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == QLatin1String(name)) sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void menuTree_data();
    void menuTree();
    void loadOpensTheMainPanel();
    void pickingTwiceKeepsOneWindowWithItsBoxes();
    void closingAndPickingAgainGivesEmptyBoxes();
    void showMainAfterClosingThePanel();
    void panelButtonsOpenTheirForms_data();
    void panelButtonsOpenTheirForms();
    void chooserStaysOpenAfterAPick();
    void recentListsOpenWindowsAndActivatesThePick();
    void openingNeverHidesAnotherChild();
    void missingFormsAreDisabledNotPlaceholders();
    void exitAndClosingEndTheProgram_data();
    void exitAndClosingEndTheProgram();
};

void TestShell::menuTree_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("parent");
    const char* rows[][3] = {
        {"mnufile", "File", ""},
        {"mnumain", "Show Main", "mnufile"},
        {"mnurcnt", "Recent", "mnufile"},
        {"mnuexit", "E&xit", "mnufile"},
        {"mnutools", "Tools", ""},
        {"mnuel", "Electrical", "mnutools"},
        {"mnube", "Basic Electricity", "mnuel"},
        {"mnucap", "Capacitance", "mnuel"},
        {"mnures", "Resistance", "mnuel"},
        {"mnurcc", "Resistor Colour Coding", "mnuel"},
        {"mnuac", "Alternating Current", "mnuel"},
        {"mnucond", "Conductance", "mnuel"},
        {"mnufuse", "Fuse Size", "mnuel"},
        {"mnutt", "Testing Tools", "mnutools"},
        {"mnuosc", "Oscilloscope", "mnutt"},
        {"mnuga", "Galvano to Ammeter", "mnutt"},
        {"mnumag", "Megnetism", "mnutools"},
        {"mnuem", "Electr-megnetism", "mnumag"},
        {"mnuind", "Inductance", "mnumag"},
        {"mnutrnf", "Transformer", "mnumag"},
        {"mnumath", "Mathematics", "mnutools"},
        {"mnutri", "Trigonometry", "mnumath"},
        {"mnuratri", "Right Angle Triangle", "mnutri"},
        {"mnucir", "Circle", "mnutri"},
        {"mnuhlp", "Help", ""},
        {"mnuabt", "About", "mnuhlp"},
        {"mnuonhlp", "Help Online", "mnuhlp"},
    };
    for (const auto& r : rows)
        QTest::newRow(r[0]) << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1])
                            << QString::fromLatin1(r[2]);
}

void TestShell::menuTree() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, parent);
    MainWindow w;
    QAction* action = w.findChild<QAction*>(name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->text(), caption);
    QVERIFY(action->shortcut().isEmpty());
    QMenu* owner = parent.isEmpty() ? nullptr : w.findChild<QMenu*>(parent);
    if (owner)
        QVERIFY(owner->actions().contains(action));
    else
        QVERIFY(w.menuBar()->actions().contains(action));
}

void TestShell::loadOpensTheMainPanel() {
    MainWindow w;
    QCOMPARE(w.objectName(), QStringLiteral("MDIForm1"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Ampora"));
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("Form1")).size(), 0);  // hidden until the frame shows
    w.show();
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("Form1")).size(), 1);
    QVERIFY(Action(w, "mnumath")->isEnabled());
    // The separator between Recent and Exit.
    const auto items = w.findChild<QMenu*>(QStringLiteral("mnufile"))->actions();
    QVERIFY(items.at(2)->isSeparator());
}

void TestShell::pickingTwiceKeepsOneWindowWithItsBoxes() {
    MainWindow w;
    w.show();
    Action(w, "mnucond")->trigger();
    auto* r = w.findChild<QLineEdit*>(QStringLiteral("r"));
    QVERIFY(r);
    test::TypeInto(r, QStringLiteral("4"));
    Action(w, "mnumain")->trigger();  // something else to the front
    Action(w, "mnucond")->trigger();
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("cond")).size(), 1);
    QCOMPARE(test::ActiveForm(w.area()), QStringLiteral("cond"));
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("r"))->text(), QStringLiteral("4"));
}

void TestShell::closingAndPickingAgainGivesEmptyBoxes() {
    MainWindow w;
    w.show();
    Action(w, "mnucond")->trigger();
    test::TypeInto(w.findChild<QLineEdit*>(QStringLiteral("r")), QStringLiteral("4"));
    CloseForm(w, "cond");
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("cond")).size(), 0);
    Action(w, "mnucond")->trigger();
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("cond")).size(), 1);
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("r"))->text(), QString());
    // Closing and reopening straight away, before the old window is deleted, too.
    test::TypeInto(w.findChild<QLineEdit*>(QStringLiteral("r")), QStringLiteral("7"));
    for (QMdiSubWindow* sub : w.area()->subWindowList())
        if (sub->widget()->objectName() == QLatin1String("cond")) sub->close();
    QWidget* again = w.forms().open("cond");
    QCOMPARE(again->findChild<QLineEdit*>(QStringLiteral("r"))->text(), QString());
}

void TestShell::showMainAfterClosingThePanel() {
    MainWindow w;
    w.show();
    CloseForm(w, "Form1");
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("Form1")).size(), 0);
    Action(w, "mnumain")->trigger();
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("Form1")).size(), 1);
    Action(w, "mnucond")->trigger();
    Action(w, "mnumain")->trigger();
    QCOMPARE(test::ActiveForm(w.area()), QStringLiteral("Form1"));
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("Form1")).size(), 1);
}

void TestShell::panelButtonsOpenTheirForms_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("form");
    const struct {
        const char *button, *caption, *form;
    } rows[] = {
        {"Command1", "Basic Electricity", "pd"},
        {"Command5", "Capacitance", "cap"},
        {"Command6", "Resistance", "res"},
        {"Command7", "Resistors Colour Coding", "rcc"},
        {"Command9", "AC", "ac"},
        {"Command13", "Conductance", "cond"},
        {"Command14", "Fuse Size", "fuse"},
        {"Command11", "Oscilloscope", "oscil"},
        {"Command10", "Ammeter", "amm"},
        {"Command2", "Electro-Magnetism", "mag"},
        {"Command3", "Inductance", "ind"},
        {"Command8", "Transformer", "trans"},
        {"Command12", "Trigonometry", "trigono"},
        {"Command4", "About", "frmAbout"},
    };
    for (const auto& r : rows) QTest::newRow(r.button) << r.button << r.caption << r.form;
}

void TestShell::panelButtonsOpenTheirForms() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, form);
    MainWindow w;
    w.show();
    QWidget* panel = w.forms().form("Form1");
    QVERIFY(panel);
    auto* pressed = panel->findChild<QPushButton*>(button);
    QVERIFY(pressed);
    // The caption as written, even where it wraps over two lines.
    QCOMPARE(pressed->text(), caption);
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(test::ActiveForm(w.area()), form);
}

void TestShell::chooserStaysOpenAfterAPick() {
    MainWindow w;
    w.show();
    QWidget* panel = w.forms().form("Form1");
    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("Command12")), Qt::LeftButton);
    QWidget* chooser = w.forms().form("trigono");
    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Trigonometry"));
    auto* triangle = chooser->findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(triangle->text(), QStringLiteral("Right Angle Triangle"));
    if (triangle->isEnabled()) QTest::mouseClick(triangle, Qt::LeftButton);
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("trigono")).size(), 1);
}

void TestShell::recentListsOpenWindowsAndActivatesThePick() {
    MainWindow w;
    w.show();
    Action(w, "mnucond")->trigger();
    auto* recent = w.findChild<QMenu*>(QStringLiteral("mnurcnt"));
    QVERIFY(recent);
    emit recent->aboutToShow();
    QStringList titles;
    for (QAction* a : recent->actions()) titles << a->text();
    QCOMPARE(titles, QStringList({QStringLiteral("Ampora"), QStringLiteral("Conductance")}));
    recent->actions().at(0)->trigger();
    QCOMPARE(test::ActiveForm(w.area()), QStringLiteral("Form1"));
    Action(w, "mnurcnt")->trigger();  // picking "Recent" itself does nothing
    QCOMPARE(test::ActiveForm(w.area()), QStringLiteral("Form1"));
}

void TestShell::openingNeverHidesAnotherChild() {
    MainWindow w;
    w.show();
    Action(w, "mnucond")->trigger();
    Action(w, "mnumain")->trigger();
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("cond")).size(), 1);
    QCOMPARE(test::OpenWindows(w.area(), QStringLiteral("Form1")).size(), 1);
}

void TestShell::missingFormsAreDisabledNotPlaceholders() {
    std::vector<FormEntry> onlyPanel;
    for (auto& e : AllForms())
        if (e.name == kMainPanel) onlyPanel.push_back(e);
    MainWindow w(onlyPanel);
    w.show();
    QVERIFY(!Action(w, "mnucond")->isEnabled());
    QVERIFY(!w.forms().form("Form1")->findChild<QPushButton*>(QStringLiteral("Command13"))->isEnabled());
    QVERIFY(!w.forms().open("cond"));
}

void TestShell::exitAndClosingEndTheProgram_data() {
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("E&xit") << true;
    QTest::newRow("closing the main window") << false;
}

// Both end the program's event loop at once, with child windows still open.
void TestShell::exitAndClosingEndTheProgram() {
    QFETCH(bool, viaMenu);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.findChild<QAction*>(QStringLiteral("mnucond"))->trigger();
    // The application's own loop runs here as it does in the program; a loop still running
    // after five seconds was not ended.
    QTimer::singleShot(0, &w, [&] {
        if (viaMenu)
            w.findChild<QAction*>(QStringLiteral("mnuexit"))->trigger();
        else
            w.close();
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    timeout.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

AMPORA_TEST(TestShell)
#include "tst_shell.moc"
