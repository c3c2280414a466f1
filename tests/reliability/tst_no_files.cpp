// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"
#include "reliability_support.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using namespace ampora;

// The program reads and writes no files: start-up, every form and the help viewer leave
// HOME and the XDG folders (fresh and empty for this executable) as they were.
class TestNoFiles : public QObject {
    Q_OBJECT
private slots:
    void startUpAndEveryFormWriteNothing();
};

void TestNoFiles::startUpAndEveryFormWriteNothing() {
    QCOMPARE(qEnvironmentVariable("HOME"), test::FreshHome());
    {
        test::MessageBoxCatcher answers;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Every form the menus open, and every form the open forms' buttons open in turn
        // (the panel, the chooser); each is used once: its boxes filled and Enter pressed.
        const auto actions = test::FormActions(window);
        QVERIFY(!actions.isEmpty());
        for (QAction* action : actions) action->trigger();
        test::Settle();
        for (QMdiSubWindow* sub : test::OpenWindows(window.area())) {
            const auto buttons = sub->widget()->findChildren<QPushButton*>();
            for (QPushButton* b : buttons)
                if (b->isEnabled() && b->isVisible() && b->text() != QLatin1String("*"))
                    QTest::mouseClick(b, Qt::LeftButton);
        }
        test::Settle();
        for (QMdiSubWindow* sub : test::OpenWindows(window.area())) {
            const auto boxes = sub->widget()->findChildren<QLineEdit*>();
            for (QLineEdit* box : boxes) box->setText(QStringLiteral("2"));
            if (!boxes.isEmpty()) test::PressEnter(boxes.front());
        }
        test::Settle();
        test::CloseAll(window);
        window.close();
        test::Settle();
    }

    QStringList written;
    const QStringList skeleton = test::FreshHomeSkeleton();
    QDirIterator it(test::FreshHome(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!skeleton.contains(path)) written.append(path);
    }
    QVERIFY2(written.isEmpty(), qPrintable(written.join(QLatin1Char('\n'))));
}

AMPORA_TEST(TestNoFiles)
#include "tst_no_files.moc"
