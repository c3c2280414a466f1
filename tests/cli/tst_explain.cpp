// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/registry.h"
#include "calc_process.h"
#include "support/test_registry.h"

#include <QTest>

#include <string_view>

using namespace ampora;

// Every calculator's worked example (the one its help and manual page show) explained on
// the command line: after the boxes, one line per step, in the order the steps ran, each
// with the relation, the operands as read and the text written.
class TestExplain : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void edgesOfTheWork_data();
    void edgesOfTheWork();
};

// With --explain=text in place of --explain, the same boxes, then the solution, whose
// work is the lines --explain prints; every rendering starts after the boxes and a blank.
static void CompareSolution(QStringList arguments, const QStringList& steps) {
    const qsizetype explain = arguments.indexOf(QStringLiteral("--explain"));
    const test::CalcRun plain =
        test::RunCalc(QStringList(arguments).mid(0, explain) + arguments.mid(explain + 1));
    for (const char* rendering : {"text", "markdown", "latex"}) {
        arguments[explain] = QStringLiteral("--explain=") + rendering;
        const test::CalcRun run = test::RunCalc(arguments);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, plain.err);
        QVERIFY2(run.out.startsWith(plain.out + '\n'), run.out.constData());
        if (rendering != std::string_view("text")) continue;
        const QString text = QString::fromUtf8(run.out.mid(plain.out.size() + 1));
        QCOMPARE(text.section(QStringLiteral("\nWork\n"), 1)
                     .section(QStringLiteral("\n\n"), 0, 0)
                     .trimmed()
                     .split('\n'),
                 steps);
    }
}

void TestExplain::workedExamples_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("pd") << QStringList{"p = (v * v) / r = (12 * 12) / 4 = 36", "i = p / v = 36 / 12 = 3"};
    QTest::newRow("cap") << QStringList{
        "ans = ct0 + ans = 4.7E-05 + 0 = 4.7E-05", "ans = ct1 + ans = 2.2E-05 + 4.7E-05 = 6.9E-05",
        "d = 0 = 0 = 0", "qc = v * ans = 12 * 6.9E-05 = 0.000828",
        "e = v * (v * (ans * (1 / 2))) = 12 * (12 * (6.9E-05 * (1 / 2))) = 0.004968"};
    QTest::newRow("res") << QStringList{
        "ans = ct0 + ans = 100 + 0 = 100", "ans = ct1 + ans = 220 + 100 = 320",
        "ans = ct2 + ans = 470 + 320 = 790", "d = 0 = 0 = 0", "qc = v / ans = 12 / 790 = 0.0151898734177215"};
    QTest::newRow("rcc") << QStringList{
        "multiplier = 10^pten = 10^2 = 100", "ans = digits * multiplier = 47 * 100 = 4700",
        "minv = ans - (ans * t) = 4700 - (4700 * 0.05) = 4465", "tolerance = ans * t = 4700 * 0.05 = 235",
        "maxv = ans + tolerance = 4700 + 235 = 4935"};
    QTest::newRow("ac") << QStringList{"avg = peak * 0.637 = 325 * 0.637 = 207.025",
                                       "p2p = avg * 3.144 = 207.025 * 3.144 = 650.8866",
                                       "rms = avg * 1.111 = 207.025 * 1.111 = 230.004775"};
    QTest::newRow("cond") << QStringList{"c = 1 / r = 1 / 4 = 0.25"};
    QTest::newRow("fuse") << QStringList{
        "ans = 0 = 0 = 0", "ans = ans + ct1 = 0 + 2.5 = 2.5", "ans = ans + ct2 = 2.5 + 1.5 = 4",
        "margin = ct0 * 1.2 = 5 * 1.2 = 6", "ans = ans + margin = 4 + 6 = 10"};
    QTest::newRow("oscil") << QStringList{
        "t = hs * hd = 0.005 * 4 = 0.02", "f = 1 / (hs * hd) = 1 / (0.005 * 4) = 50",
        "c = 10^8 * 3 = 10^8 * 3 = 300000000", "w = t * c = 0.02 * 300000000 = 6000000"};
    QTest::newRow("amm") << QStringList{
        "rs = (ig * rg) / (i - ig) = (0.001 * 50) / (1 - 0.001) = 0.0500500500500501"};
    QTest::newRow("mag") << QStringList{"ang = 90 = 90 = 90", "rp = 1 = 1 = 1",
                                        "F = (l * (i * B)) * sin(ang) = (3 * (2 * 0.5)) * sin(90) = 3"};
    QTest::newRow("ind") << QStringList{"ans = ct0 + ans = 0.1 + 0 = 0.1",
                                        "ans = ct1 + ans = 0.25 + 0.1 = 0.35", "d = 0 = 0 = 0",
                                        "e = i * (i * (ans * (1 / 2))) = 2 * (2 * (0.35 * (1 / 2))) = 0.7"};
    QTest::newRow("trans") << QStringList{"vs = (ns / np) * vp = (50 / 1000) * 230 = 11.5",
                                          "e = vs / vp = 11.5 / 230 = 0.05"};
    QTest::newRow("ratri") << QStringList{"C = 90 - A = 90 - 36.87 = 53.13", "b^2 = b * b = 3 * 3 = 9",
                                          "p^2 = p * p = 4 * 4 = 16",
                                          "h = sqrt(p^2 + b^2) = sqrt(16 + 9) = 5"};
    QTest::newRow("cirtri") << QStringList{
        "pi = 22 / 7 = 22 / 7 = 3.142857142857143",
        "a = (r * pi) * r = (2 * 3.142857142857143) * 2 = 12.5714285714286",
        "p = r * (2 * pi) = 2 * (2 * 3.142857142857143) = 12.5714285714286"};
}

void TestExplain::workedExamples() {
    QFETCH(QStringList, steps);
    const FormDecl& form = *FindCalculator(QTest::currentDataTag());
    QStringList arguments = {form.name, QStringLiteral("--explain")};
    if (form.presses.size() > 1 && form.example.press)
        arguments << QStringLiteral("--press") << form.example.press;
    for (const Setting& s : form.example.settings) arguments << QString::fromUtf8(s.control) + '=' + s.text;
    const test::CalcRun run = test::RunCalc(arguments);
    QCOMPARE(run.status, 0);
    QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The boxes come first, NAME=TEXT without blanks around the sign.
    while (!lines.isEmpty() && !lines.front().contains(QLatin1String(" = "))) lines.removeFirst();
    QCOMPARE(lines, steps);
    CompareSolution(arguments, steps);
}

// What the worked examples do not reach: a fuse with no load above 0, whose margin is 0,
// and a rule that faults on a box read strictly.
void TestExplain::edgesOfTheWork_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("no load above 0") << QStringList{"fuse", "nc=2", "ct0=-5", "ct1=-3"}
                                     << QStringList{"ans = 0 = 0 = 0", "ans = ans + ct0 = 0 + -5 = -5",
                                                    "ans = ans + ct1 = -5 + -3 = -8",
                                                    "margin = 0 * 1.2 = 0 * 1.2 = 0",
                                                    "ans = ans + margin = -8 + 0 = -8"};
    QTest::newRow("a charge that is no number")
        << QStringList{"cap", "nc=0", "v=4", "qc=8x", "pc=1"}
        << QStringList{"d = 0 = 0 = 0", "ans = qc / v = \"8x\" / 4: The Charge box does not hold a number."};
    // Both readings of the current are strict, so both show the text as typed.
    QTest::newRow("a current that is no number") << QStringList{"ind", "nc=0", "i=2 A", "ans=0.5"}
                                                 << QStringList{
                                                        "e = i * (i * (ans * (1 / 2))) = \"2 A\" * (\"2 A\" "
                                                        "* (0.5 * (1 / 2))): The Current box does not "
                                                        "hold a number."};
}

void TestExplain::edgesOfTheWork() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, steps);
    const test::CalcRun run = test::RunCalc(QStringList(arguments) << QStringLiteral("--explain"));
    QCOMPARE(run.status, 0);
    QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    while (!lines.isEmpty() && !lines.front().contains(QLatin1String(" = "))) lines.removeFirst();
    QCOMPARE(lines, steps);
    CompareSolution(arguments << QStringLiteral("--explain"), steps);
}

AMPORA_TEST(TestExplain)
#include "tst_explain.moc"
