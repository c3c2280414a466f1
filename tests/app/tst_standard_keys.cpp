// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/browser_form.h"
#include "app/form_table.h"
#include "app/main_window.h"
#include "support/test_registry.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>

using namespace ampora;

namespace {

// The program's forms, except that help opens an empty viewer: the real one would load
// the web engine, which the help viewer's tests expect to find not yet loaded.
std::vector<FormEntry> FormsWithEmptyHelp() {
    std::vector<FormEntry> forms;
    for (FormEntry& e : AllForms())
        if (e.name != kHelpViewer) forms.push_back(std::move(e));
    forms.push_back({kHelpViewer, [](FormTable&) { return new BrowserForm(nullptr); }, true});
    return forms;
}

QString ActiveFormName(const MainWindow& w) {
    QMdiSubWindow* sub = w.area()->activeSubWindow();
    return sub && sub->widget() ? sub->widget()->objectName() : QString();
}

// The main window on screen and active, with the conductance calculator open and the
// focus in its first box, as a user would have it.
QLineEdit* OpenConductance(MainWindow& w) {
    w.setHelpLoader([] { return HelpPlugin{[](QWidget*) -> HelpBrowser* { return nullptr; }, {}}; });
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) return nullptr;
    w.findChild<QAction*>(QStringLiteral("mnucond"))->trigger();
    auto* box = w.findChild<QLineEdit*>(QStringLiteral("r"));
    if (box) box->setFocus();
    return box;
}

}  // namespace

class TestStandardKeys : public QObject {
    Q_OBJECT
private slots:
    void ctrlQEndsTheProgram();
    void f1OpensHelp_data();
    void f1OpensHelp();
    void ctrlTabAndCtrlF4MoveBetweenAndCloseCalculators();
};

void TestStandardKeys::ctrlQEndsTheProgram() {
    MainWindow w(FormsWithEmptyHelp());
    QLineEdit* box = OpenConductance(w);
    QVERIFY(box);
    // The application's own loop runs as in the program; one still running after five
    // seconds was not ended.
    QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Q, Qt::ControlModifier); });
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    timeout.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(box->text().isEmpty());
}

void TestStandardKeys::f1OpensHelp_data() {
    QTest::addColumn<bool>("withViewer");
    QTest::addColumn<QString>("active");
    QTest::newRow("the help viewer comes to the front") << true << "frmBrowser";
    QTest::newRow("without a viewer nothing happens") << false << "cond";
}

void TestStandardKeys::f1OpensHelp() {
    QFETCH(bool, withViewer);
    QFETCH(QString, active);
    std::vector<FormEntry> forms = FormsWithEmptyHelp();
    if (!withViewer) forms.pop_back();
    MainWindow w(std::move(forms));
    QLineEdit* box = OpenConductance(w);
    QVERIFY(box);
    QTest::keyClick(box, Qt::Key_F1);
    QCOMPARE(ActiveFormName(w), active);
    QCOMPARE(bool(w.forms().form(kHelpViewer)), withViewer);
}

// Qt's own keys for child windows, which the calculators' window frames keep.
void TestStandardKeys::ctrlTabAndCtrlF4MoveBetweenAndCloseCalculators() {
    MainWindow w(FormsWithEmptyHelp());
    QVERIFY(OpenConductance(w));
    QCOMPARE(ActiveFormName(w), QStringLiteral("cond"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(ActiveFormName(w), QStringLiteral("Form1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(ActiveFormName(w), QStringLiteral("cond"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
    QTRY_COMPARE(w.area()->subWindowList().size(), 1);
    QCOMPARE(ActiveFormName(w), QStringLiteral("Form1"));
}

AMPORA_TEST(TestStandardKeys)
#include "tst_standard_keys.moc"
