// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_table.h"
#include "app/main_window.h"
#include "reliability_support.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"
#include "ui/working.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>

using namespace ampora;

// Opening and closing forms must not pile up memory: a closed form's widgets are
// deleted (or, for the help viewer's browser, kept for the next viewer), so the process
// settles after the first round and stays where it is.
class TestMemory : public QObject {
    Q_OBJECT
private slots:
    void openAndCloseEveryFormRepeatedly_data();
    void openAndCloseEveryFormRepeatedly();
};

void TestMemory::openAndCloseEveryFormRepeatedly_data() {
    QTest::addColumn<bool>("helpViewer");
    QTest::addColumn<double>("allowanceMiB");
    // Every calculator, with the Working windows, the panel, the chooser and the about box:
    // nothing may pile up.
    QTest::newRow("every form but the help viewer") << false << 2.0;
    // The web engine keeps some 10 KiB outside the heap each time its view is shown again
    // (4.6 MiB over 500 rounds here); a new view for every viewer kept about 75 KiB a time.
    QTest::newRow("the help viewer") << true << 8.0;
}

void TestMemory::openAndCloseEveryFormRepeatedly() {
    QFETCH(bool, helpViewer);
    QFETCH(double, allowanceMiB);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    std::vector<std::string_view> kinds;
    for (const FormEntry& entry : AllForms())
        if ((entry.name == kHelpViewer) == helpViewer) kinds.push_back(entry.name);
    QVERIFY(!kinds.empty());

    // Under AddressSanitizer resident memory says nothing (see below) and every round is
    // several times slower, so fewer rounds check the widget count there.
    const int rounds = test::kSanitized ? 100 : 500;
    const auto round = [&](int number) {
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const std::string_view kind = kinds[k];
            QWidget* form = window.forms().open(kind);
            QVERIFY(form);
            // Fill the boxes too, so a form's text is part of what must be freed.
            const auto boxes = form->findChildren<QLineEdit*>();
            for (QLineEdit* box : boxes) box->setText(QStringLiteral("12345.678"));
            // One calculator's Working window in each round, in turn, closed with its form.
            if (auto* calculator = qobject_cast<CalcForm*>(form);
                calculator && calculator->working() && k == std::size_t(number) % kinds.size())
                calculator->working()->open();
            QApplication::processEvents();
            // Forms that open other forms (the panel, the chooser) leave those to this loop.
            test::CloseAll(window);
        }
    };

    round(0);
    const std::size_t first = test::ResidentBytes();
    const qsizetype widgetsFirst = QApplication::allWidgets().size();
    for (int i = 1; i < rounds; ++i) round(i);
    const std::size_t last = test::ResidentBytes();
    const qsizetype widgetsLast = QApplication::allWidgets().size();

    qInfo(
        "%zu forms opened and closed %d times: resident %s after the first round, %s after the last;"
        " %lld widgets after the first, %lld after the last",
        kinds.size(), rounds, qPrintable(test::MiB(first)), qPrintable(test::MiB(last)),
        static_cast<long long>(widgetsFirst), static_cast<long long>(widgetsLast));

    QCOMPARE(widgetsLast, widgetsFirst);
    QVERIFY(test::OpenWindows(window.area()).isEmpty());
    if (test::kSanitized)
        QSKIP(
            "AddressSanitizer keeps freed memory in quarantine; the widget count and LeakSanitizer check it "
            "here");
    const auto allowance = static_cast<std::size_t>(allowanceMiB * (1u << 20));
    QVERIFY2(last <= first + allowance,
             qPrintable(QStringLiteral("grew by %1").arg(test::MiB(last > first ? last - first : 0))));
}

AMPORA_TEST(TestMemory)
#include "tst_memory.moc"
