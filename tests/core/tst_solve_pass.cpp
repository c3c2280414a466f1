// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checked.h"
#include "core/conversions.h"
#include "core/solve_pass.h"
#include "core/trapping.h"
#include "support/test_registry.h"

#include <QTest>

#include <vector>

using namespace ampora;

namespace {

// A small pass over four boxes, s = a + b and y = s / a (or b * 2), to watch the engine work.
enum Box { A, B, S, Y, kBoxCount };
constexpr auto kBoxes =
    DeclareBoxes<kBoxCount>({{A, "a", "Alpha"}, {B, "b", "Beta"}, {S, "s", "Sum"}, {Y, "y", "Ratio"}});

const Pass kPass = {
    kBoxes.rows,
    {
        {S, {[](X v) { return v[A] + v[B]; }}},
        {Y,
         {
             [](X v) { return v[S] / v[A]; },
             [](X v) { return v[B] * 2; },
         }},
    },
};

Boxes Run(Boxes boxes, Trapping trapping, std::optional<Fault>* fault = nullptr) {
    auto f = RunPass(kPass, boxes, trapping);
    if (fault) *fault = f;
    return boxes;
}

}  // namespace

class TestSolvePass : public QObject {
    Q_OBJECT
private slots:
    void checkedArithmetic_data();
    void checkedArithmetic();
    void sineInDegrees_data();
    void sineInDegrees();
    void faultInLastStatementLeavesTheChain();
    void untrappedKeepsEarlierWrites();
    void laterBlocksReadTheWrittenText();
    void firstApplicableRuleWinsAndAFaultEndsTheBlock();
    void resumeNextGoesOnAfterAFault();
    void filledTargetsAreNeverTouched();
    void faultedConstantFaultsOnlyItsReaders();
    void faultSaysWhatFailedInPlainWords();
    void explanationsRecordEveryRuleThatFired_data();
    void explanationsRecordEveryRuleThatFired();
    void rightOperandsAreWorkedOutFirst();
    void constantsAreShownOnceBeforeTheirFirstReader();
};

void TestSolvePass::checkedArithmetic_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<char>("op");
    QTest::addColumn<int>("fault");  // -1: none
    const int none = -1, arith = int(FaultKind::Arithmetic), domain = int(FaultKind::Domain);
    QTest::newRow("division by zero") << 1.0 << 0.0 << '/' << arith;
    QTest::newRow("zero by zero") << 0.0 << 0.0 << '/' << arith;
    QTest::newRow("division by negative zero") << -3.0 << -0.0 << '/' << arith;
    QTest::newRow("product overflows") << 1e300 << 1e300 << '*' << arith;
    QTest::newRow("sum overflows") << 1.7e308 << 1.7e308 << '+' << arith;
    QTest::newRow("product underflows quietly") << 1e-300 << 1e-300 << '*' << none;
    QTest::newRow("square root of a negative") << -4.0 << 0.0 << 'r' << domain;
    QTest::newRow("square root of negative zero") << -0.0 << 0.0 << 'r' << none;
    QTest::newRow("ordinary quotient") << 1.0 << 4.0 << '/' << none;
}

void TestSolvePass::checkedArithmetic() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(char, op);
    QFETCH(int, fault);
    try {
        const Num x = a, y = b;
        switch (op) {
            case '/':
                (void)(x / y);
                break;
            case '*':
                (void)(x * y);
                break;
            case '+':
                (void)(x + y);
                break;
            case 'r':
                (void)Sqrt(x);
                break;
        }
        QCOMPARE(fault, -1);
    } catch (const Fault& f) {
        QCOMPARE(int(f.kind()), fault);
    }
}

void TestSolvePass::sineInDegrees_data() {
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("sine");
    QTest::newRow("90 is exactly one") << 90.0 << 1.0;
    QTest::newRow("-270 is exactly one") << -270.0 << 1.0;
    QTest::newRow("270 is exactly minus one") << 270.0 << -1.0;
    QTest::newRow("450 wraps to one") << 450.0 << 1.0;
    QTest::newRow("180 is exactly zero") << 180.0 << 0.0;
    QTest::newRow("a million turns is zero") << 360e6 << 0.0;
    QTest::newRow("30 degrees") << 30.0 << std::sin(30.0 * (3.14159265358979323846 / 180.0));
    QTest::newRow("390 reduces to 30") << 390.0 << std::sin(30.0 * (3.14159265358979323846 / 180.0));
    QTest::newRow("-330 reduces to 30") << -330.0 << std::sin(30.0 * (3.14159265358979323846 / 180.0));
    QTest::newRow("-180.05 reduces to 179.95")
        << -180.05 << std::sin(179.95 * (3.14159265358979323846 / 180.0));
}

void TestSolvePass::sineInDegrees() {
    QFETCH(double, degrees);
    QFETCH(double, sine);
    // To the last bit: QCOMPARE of doubles would forgive the 13th digit.
    QCOMPARE(QString::number(SinDegrees(degrees).value(), 'g', 17), QString::number(sine, 'g', 17));
}

void TestSolvePass::faultInLastStatementLeavesTheChain() {
    // If c1 Then s1: s2 ElseIf c2 Then s3 End If: s4 — with s2 faulting, neither the
    // ElseIf is tried nor s3 run; s4 runs.
    std::vector<int> trail;
    const bool c1 = true, c2 = true;
    if (c1) {
        ResumeNext([&] { trail.push_back(1); });
        ResumeNext([&] {
            (void)(Num(1) / 0);
            trail.push_back(2);
        });
    } else if (c2) {
        ResumeNext([&] { trail.push_back(3); });
    }
    ResumeNext([&] { trail.push_back(4); });
    QCOMPARE(trail, std::vector<int>({1, 4}));
}

void TestSolvePass::untrappedKeepsEarlierWrites() {
    std::string box = "";
    const auto fault = Untrapped([&] {
        box = NumberToText(2);
        box = NumberToText((Num(1) / 0).value());
        box = "never";
    });
    QVERIFY(fault);
    QCOMPARE(QString::fromStdString(box), QStringLiteral("2"));

    std::optional<Fault> passFault;
    const Boxes out = Run({"1", "2", "", " "}, Trapping::Untrapped, &passFault);
    QCOMPARE(QString::fromStdString(out[S]), QStringLiteral("3"));
    QVERIFY(!passFault);
}

void TestSolvePass::laterBlocksReadTheWrittenText() {
    // Sum 1/3 + 0 is written with 15 digits; the ratio reads that text, not the double.
    const Boxes out = Run({"0.333333333333333333", "0", "", ""}, Trapping::ResumeNext);
    QCOMPARE(QString::fromStdString(out[S]), QStringLiteral("0.333333333333333"));
    QCOMPARE(QString::fromStdString(out[Y]), QStringLiteral("0.999999999999999"));
}

void TestSolvePass::firstApplicableRuleWinsAndAFaultEndsTheBlock() {
    // Alpha 0: the ratio's first rule divides by zero; the second rule is not tried.
    const Boxes out = Run({"0", "5", "", ""}, Trapping::ResumeNext);
    QCOMPARE(QString::fromStdString(out[S]), QStringLiteral("5"));
    QCOMPARE(QString::fromStdString(out[Y]), QString());
    // With the sum given and Alpha empty, only the second rule applies.
    const Boxes second = Run({"", "5", "9", ""}, Trapping::ResumeNext);
    QCOMPARE(QString::fromStdString(second[Y]), QStringLiteral("10"));
}

void TestSolvePass::resumeNextGoesOnAfterAFault() {
    const Boxes out = Run({"x", "5", "", ""}, Trapping::ResumeNext);
    QCOMPARE(QString::fromStdString(out[S]), QString());
    QCOMPARE(QString::fromStdString(out[Y]), QStringLiteral("10"));

    std::optional<Fault> fault;
    const Boxes stopped = Run({"x", "5", "", ""}, Trapping::Untrapped, &fault);
    QVERIFY(fault);
    QCOMPARE(QString::fromStdString(stopped[Y]), QString());
}

void TestSolvePass::filledTargetsAreNeverTouched() {
    const Boxes in = {"1", "2", " ", "junk"};
    QCOMPARE(Run(in, Trapping::ResumeNext), in);
}

void TestSolvePass::faultedConstantFaultsOnlyItsReaders() {
    // The constant is the box "k" read strictly: "x" makes it unusable, "3" gives 3.
    constexpr auto boxes3 =
        DeclareBoxes<4>({{0, "in", "In"}, {1, "scaled", "Scaled"}, {2, "copy", "Copy"}, {3, "k", "Scale"}});
    const Pass pass = {boxes3.rows,
                       {{1, {[](X v) { return v[0] * v.constant(0); }}}, {2, {[](X v) { return v[0]; }}}},
                       {{"c", [](X v) { return v[3]; }}}};
    Boxes boxes = {"2", "", "", "x"};
    RunPass(pass, boxes, Trapping::ResumeNext);
    QCOMPARE(QString::fromStdString(boxes[1]), QString());
    QCOMPARE(QString::fromStdString(boxes[2]), QStringLiteral("2"));
    boxes = {"2", "", "", "3"};
    RunPass(pass, boxes, Trapping::ResumeNext);
    QCOMPARE(QString::fromStdString(boxes[1]), QStringLiteral("6"));
}

void TestSolvePass::faultSaysWhatFailedInPlainWords() {
    std::optional<Fault> fault;
    Run({"1", "abc", "", ""}, Trapping::Untrapped, &fault);
    QVERIFY(fault);
    QCOMPARE(QString::fromStdString(fault->describe()),
             QStringLiteral("Ampora could not work out the Sum.\nThe Beta box does not hold a number."));
    Run({"0", "0", "", ""}, Trapping::Untrapped, &fault);
    QVERIFY(fault);
    QCOMPARE(QString::fromStdString(fault->describe()),
             QStringLiteral("Ampora could not work out the Ratio.\nThe calculation makes an invalid "
                            "operation (0 divided by 0)."));
}

void TestSolvePass::explanationsRecordEveryRuleThatFired_data() {
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("places");  // block.rule of each step
    QTest::newRow("a block's first rule, then a later block reading its text")
        << QStringList{"0.333333333333333333", "0", "", ""}
        << QStringList{"s = a + b = 0.333333333333333333 + 0 = 0.333333333333333",
                       "y = s / a = 0.333333333333333 / 0.333333333333333333 = 0.999999999999999"}
        << QStringList{"1.1", "2.1"};
    QTest::newRow("a rule that faults is a step, and ends its block")
        << QStringList{"0", " 5 ", "", ""}
        << QStringList{"s = a + b = 0 + 5 = 5", "y = s / a = 5 / 0: The calculation divides by zero."}
        << QStringList{"1.1", "2.1"};
    QTest::newRow("an operand that is no number, quoted as typed")
        << QStringList{"1\"2", "5", "", ""}
        << QStringList{"s = a + b = \"1\\\"2\" + 5: The Alpha box does not hold a number.",
                       "y = b * 2 = 5 * 2 = 10"}
        << QStringList{"1.1", "2.2"};
    QTest::newRow("no rule applies, no step")
        << QStringList{"", "", "", "4"} << QStringList{} << QStringList{};
}

void TestSolvePass::explanationsRecordEveryRuleThatFired() {
    QFETCH(QStringList, given);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, places);
    Boxes boxes;
    for (const QString& text : given) boxes.push_back(text.toStdString());
    const Boxes unexplained = Run(boxes, Trapping::ResumeNext);
    Steps record;
    RunPass(kPass, boxes, Trapping::ResumeNext, &record);
    QCOMPARE(boxes, unexplained);  // the record changes nothing written
    QStringList lines, at;
    for (const Step& step : record) {
        lines << QString::fromStdString(StepLine(step));
        at << QStringLiteral("%1.%2").arg(step.block).arg(step.rule);
    }
    QCOMPARE(lines, steps);
    QCOMPARE(at, places);
}

void TestSolvePass::rightOperandsAreWorkedOutFirst() {
    // With both operands unreadable the right one's fault is the one reported, whatever
    // order the compiler gives to the operands of a C++ expression; named values and
    // constants appear before the step that reads them.
    std::optional<Fault> fault;
    Run({"p", "q", "", ""}, Trapping::Untrapped, &fault);
    QVERIFY(fault);
    QCOMPARE(QString::fromStdString(fault->operand()), QStringLiteral("Beta"));

    const Relation squares(
        [](X v) { return Sqrt(Rounded(v[0] * v[0], "a^2") + Rounded(v[1] * v[1], "b^2")); });
    const std::string a = "3", b = "4";
    const Operand operands[] = {{"a", "Alpha", &a}, {"b", "Beta", &b}};
    Steps record;
    QCOMPARE(QString::fromStdString(Work("c", squares, {operands}, &record)), QStringLiteral("5"));
    QStringList lines;
    for (const Step& step : record) lines << QString::fromStdString(StepLine(step));
    QCOMPARE(lines, QStringList({"b^2 = b * b = 4 * 4 = 16", "a^2 = a * a = 3 * 3 = 9",
                                 "c = sqrt(a^2 + b^2) = sqrt(9 + 16) = 5"}));
}

void TestSolvePass::constantsAreShownOnceBeforeTheirFirstReader() {
    constexpr auto three = DeclareBoxes<3>({{0, "x", "X"}, {1, "y", "Y"}, {2, "z", "Z"}});
    const Pass pass = {
        three.rows,
        {{1, {[](X v) { return v[0] * v.constant(0); }}}, {2, {[](X v) { return v[0] / v.constant(0); }}}},
        {{"pi", [](X) { return Term(22) / 7; }}}};
    Boxes boxes = {"7", "", ""};
    Steps record;
    RunPass(pass, boxes, Trapping::ResumeNext, &record);
    QStringList lines;
    for (const Step& step : record) lines << QString::fromStdString(StepLine(step));
    QCOMPARE(lines, QStringList({"pi = 22 / 7 = 22 / 7 = 3.142857142857143",
                                 "y = x * pi = 7 * 3.142857142857143 = 22",
                                 "z = x / pi = 7 / 3.142857142857143 = 2.22727272727273"}));
}

AMPORA_TEST(TestSolvePass)
#include "tst_solve_pass.moc"
