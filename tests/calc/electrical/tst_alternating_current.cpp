// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/alternating_current.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/calc_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

class TestAlternatingCurrent : public QObject {
    Q_OBJECT
private slots:
    void solve_data();
    void solve();
    void enterConvertsAndStarRefills();
};

// Columns: the four boxes before and after one press, in the order avg, peak, p2p, rms.
void TestAlternatingCurrent::solve_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    const auto row = [](const char* name, QStringList before, QStringList after) {
        QTest::newRow(name) << before << after;
    };
    row("average gives the table's factors", {"1", "", "", ""}, {"1", "1.571", "3.144", "1.111"});
    row("peak goes through the written average", {"", "10", "", ""}, {"6.37", "10", "20.02728", "7.07707"});
    row("rms goes through the written average", {"", "", "", "230"},
        {"206.77", "324.83567", "650.08488", "230"});
    row("peak-to-peak goes through the written average", {"", "", "10", ""},
        {"3.18", "4.99578", "10", "3.53298"});
    row("only the first filled source is tried", {"", "abc", "2", ""}, {"", "abc", "2", ""});
    row("a blank source is filled and unreadable", {"", " ", "", "5"}, {"", " ", "", "5"});
    row("all filled: nothing changes", {"1", "2", "3", "4"}, {"1", "2", "3", "4"});
    row("all empty: nothing changes", {"", "", "", ""}, {"", "", "", ""});
    row("a cleared average is refilled from the peak", {"", "10", "20", "7.07"},
        {"6.37", "10", "20", "7.07"});
    row("negative values convert like others", {"-2", "", "", ""}, {"-2", "-3.142", "-6.288", "-2.222"});
    row("zero converts to zero", {"", "0", "", ""}, {"0", "0", "0", "0"});
    row("an overflowing product leaves only its box", {"", "1E+308", "", ""},
        {"6.37E+307", "1E+308", "", "7.07707E+307"});
}

void TestAlternatingCurrent::solve() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    Boxes boxes;
    for (const QString& text : before) boxes.push_back(text.toStdString());
    const Boxes out = SolveByPass(alternating_current::Rules(), boxes);
    QStringList got;
    for (const std::string& text : out) got << QString::fromStdString(text);
    QCOMPARE(got, after);
}

void TestAlternatingCurrent::enterConvertsAndStarRefills() {
    CalcForm form(alternating_current::kForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.defaultButton(), form.button("Command1"));

    TypeInto(form.box("peak"), QStringLiteral("10"));
    PressEnter(form.box("peak"));
    QCOMPARE(form.box("avg")->text(), QStringLiteral("6.37"));
    QCOMPARE(form.box("p2p")->text(), QStringLiteral("20.02728"));
    QCOMPARE(form.box("rms")->text(), QStringLiteral("7.07707"));

    // "*" beside the peak empties it alone; the next press works it out from the average.
    QTest::mouseClick(form.button("Command3"), Qt::LeftButton);
    QCOMPARE(form.box("peak")->text(), QString());
    QCOMPARE(form.box("avg")->text(), QStringLiteral("6.37"));
    QTest::mouseClick(form.button("Command1"), Qt::LeftButton);
    QCOMPARE(form.box("peak")->text(), QStringLiteral("10.00727"));

    QTest::mouseClick(form.button("Command6"), Qt::LeftButton);
    for (const char* name : {"avg", "peak", "p2p", "rms"}) QCOMPARE(form.box(name)->text(), QString());
}

AMPORA_TEST(TestAlternatingCurrent)
#include "tst_alternating_current.moc"
