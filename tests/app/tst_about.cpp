// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/about_box.h"
#include "app/main_window.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ampora;

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void namesTheProgram();
    void keyCloses_data();
    void keyCloses();
    void panelAndMenuOpenOneBox();
    void reopensAfresh();
};

void TestAbout::namesTheProgram() {
    AboutBox box;
    QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Ampora"));
    QCOMPARE(box.label("lblVersion")->text(), QStringLiteral("Version: 1.0"));
    QVERIFY(box.label("lblDescription")->text().contains(QStringLiteral("Ampora")));
    QCOMPARE(box.defaultButton(), box.button("cmdOK"));
    QCOMPARE(box.button("cmdOK")->text(), QStringLiteral("OK"));
}

void TestAbout::keyCloses_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestAbout::keyCloses() {
    QFETCH(int, key);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>(QStringLiteral("mnuabt"))->trigger();
    auto* box = qobject_cast<AboutBox*>(window.forms().form("frmAbout"));
    QVERIFY(box);
    QCOMPARE(window.area()->activeSubWindow()->widget(), box);
    QPointer<QMdiSubWindow> frame = qobject_cast<QMdiSubWindow*>(box->parentWidget());
    QTest::keyClick(box->button("cmdOK"), Qt::Key(key));
    QVERIFY(!window.forms().form("frmAbout"));
    QTRY_VERIFY(!frame);
    // Only the box closed: the main panel is still there.
    QVERIFY(window.forms().form("Form1"));
}

void TestAbout::panelAndMenuOpenOneBox() {
    MainWindow window;
    window.show();
    QWidget* panel = window.forms().form("Form1");
    QVERIFY(panel);
    panel->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    QWidget* fromPanel = window.forms().form("frmAbout");
    QVERIFY(fromPanel);
    window.forms().open("Form1");
    window.findChild<QAction*>(QStringLiteral("mnuabt"))->trigger();
    QCOMPARE(window.forms().form("frmAbout"), fromPanel);
    QCOMPARE(window.area()->activeSubWindow()->widget(), fromPanel);
    int boxes = 0;
    for (QMdiSubWindow* w : window.area()->subWindowList())
        if (w->widget() && w->widget()->objectName() == QLatin1String("frmAbout")) ++boxes;
    QCOMPARE(boxes, 1);
}

void TestAbout::reopensAfresh() {
    MainWindow window;
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuabt"))->trigger();
    QPointer<QWidget> first = window.forms().form("frmAbout");
    QVERIFY(first);
    qobject_cast<AboutBox*>(first.data())->button("cmdOK")->click();
    QTRY_VERIFY(!first);
    window.findChild<QAction*>(QStringLiteral("mnuabt"))->trigger();
    auto* second = qobject_cast<AboutBox*>(window.forms().form("frmAbout"));
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(window.area()->subWindowList().size(), 2);
}

AMPORA_TEST(TestAbout)
#include "tst_about.moc"
