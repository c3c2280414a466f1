// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/magnetism/transformer.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestTransformer : public QObject {
    Q_OBJECT
private slots:
    void solve_data();
    void solve();
    void enterSolvesAndResetEmpties();
    void tabVisitsInTheGivenOrder();
};

// Columns: np, ns, vp, vs, e before and after one press.
void TestTransformer::solve_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    const auto row = [](const char* name, QStringList before, QStringList after) {
        QTest::newRow(name) << before << after;
    };
    row("output voltage then efficiency from it", {"100", "50", "240", "", ""},
        {"100", "50", "240", "120", "0.5"});
    row("turns given as a ratio", {"20", "1", "230", "", ""}, {"20", "1", "230", "11.5", "0.05"});
    row("secondary turns", {"1000", "", "240", "12", ""}, {"1000", "50", "240", "12", "0.05"});
    row("primary turns", {"", "50", "240", "120", ""}, {"100", "50", "240", "120", "0.5"});
    row("input voltage then efficiency from it", {"20", "1", "", "11.5", ""},
        {"20", "1", "230", "11.5", "0.05"});
    row("voltages alone give the efficiency", {"", "", "240", "120", ""}, {"", "", "240", "120", "0.5"});
    // The full-precision voltage 1.000000000000004 would give 0.333333333333335.
    row("efficiency reads the written 15-digit voltage", {"1", "0.333333333333334666", "3", "", ""},
        {"1", "0.333333333333334666", "3", "1", "0.333333333333333"});
    row("a typed efficiency is kept", {"", "", "240", "120", "7"}, {"", "", "240", "120", "7"});
    row("all filled: nothing changes", {"1", "2", "3", "4", "5"}, {"1", "2", "3", "4", "5"});
    row("zero primary turns: no voltage, no efficiency", {"0", "50", "240", "", ""},
        {"0", "50", "240", "", ""});
    row("unreadable input voltage", {"100", "50", "abc", "", ""}, {"100", "50", "abc", "", ""});
    row("zero input voltage: turns but no efficiency", {"", "50", "0", "120", ""},
        {"0", "50", "0", "120", ""});
}

void TestTransformer::solve() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    Boxes boxes;
    for (const QString& text : before) boxes.push_back(text.toStdString());
    QStringList got;
    for (const std::string& text : SolveByPass(transformer::Rules(), boxes))
        got << QString::fromStdString(text);
    QCOMPARE(got, after);
}

void TestTransformer::enterSolvesAndResetEmpties() {
    CalcForm form(transformer::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TypeInto(form.box("np"), QStringLiteral("100"));
    TypeInto(form.box("ns"), QStringLiteral("50"));
    TypeInto(form.box("vp"), QStringLiteral("240"));
    PressEnter(form.box("vp"));
    QCOMPARE(form.box("vs")->text(), QStringLiteral("120"));
    QCOMPARE(form.box("e")->text(), QStringLiteral("0.5"));

    QTest::mouseClick(form.button("Command2"), Qt::LeftButton);
    for (const char* name : {"np", "ns", "vp", "vs", "e"}) QCOMPARE(form.box(name)->text(), QString());
}

void TestTransformer::tabVisitsInTheGivenOrder() {
    CalcForm form(transformer::kForm);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.box("np")->setFocus();
    QStringList visited;
    for (int k = 0; k < 6; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"ns", "vp", "vs", "Command1", "Command2", "e"}));
}

AMPORA_TEST(TestTransformer)
#include "tst_transformer.moc"
