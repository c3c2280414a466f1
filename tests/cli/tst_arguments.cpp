// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/panel.h"
#include "calc/registry.h"
#include "calc_process.h"
#include "cli/usage.h"
#include "core/component_list.h"
#include "core/control_list.h"
#include "support/test_registry.h"

#include <QFile>
#include <QRegularExpression>

using namespace ampora;
using test::RunCalc;

// ampora-calc run from its arguments, as a script or a person at a terminal runs it.
class TestCalcArguments : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void namesWhatItTakes();
    void manPageShowsWhatItPrints();
};

void TestCalcArguments::answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");  // what standard error starts with
    const auto refused = [](const char* reason, const char* usage) {
        return "ampora-calc: " + QByteArray(reason) + "\n\nUsage: ampora-calc " + usage;
    };

    QTest::newRow("basic electricity: the seven boxes")
        << QStringList{"pd", "p=100", "v=230"} << 0
        << QByteArray("p=100\ni=0.434782608695652\nv=230\nr=529\nw=\nq=\nt=\n") << QByteArray();
    QTest::newRow("a box's blanks are kept as typed")
        << QStringList{"cond", "r= 4 "} << 0 << QByteArray("r= 4 \nc=0.25\n") << QByteArray();
    QTest::newRow("rows by their captions' names, in parallel")
        << QStringList{"res", "nc=2", "c0=60", "c1=30", "pc=1"} << 0
        << QByteArray(
               "nc=2\nct0=60\nct1=30\nct2=\nct3=\nct4=\nct5=\nct6=\nct7=\nct8=\nct9=\nv=\nqc=\nans=20\n")
        << QByteArray();
    QTest::newRow("colour bands by their positions")
        << QStringList{"rcc", "unit=4", "tens=7", "pten=2", "toller=0"} << 0
        << QByteArray("ans=4700\nminv=4465\nmaxv=4935\n") << QByteArray();
    QTest::newRow("one panel of two")
        << QStringList{"oscil", "--press", "Command2", "hs=0.005", "hd=4"} << 0
        << QByteArray("vs=\nvd=\nv=\nt=0.02\nhd=4\nhs=0.005\nf=50\nw=6000000\n") << QByteArray();
    QTest::newRow("a fault: the boxes as it left them, its sentence, status 1")
        << QStringList{"pd", "v=12", "i=x"} << 1 << QByteArray("p=\ni=x\nv=12\nr=\nw=\nq=\nt=\n")
        << QByteArray("Ampora could not work out the Power.\nThe Current box does not hold a number.\n");
    QTest::newRow("both panels: the voltage panel's message is told like a fault")
        << QStringList{"oscil", "hs=0.005", "hd=4"} << 1
        << QByteArray("vs=\nvd=\nv=\nt=0.02\nhd=4\nhs=0.005\nf=50\nw=6000000\n")
        << QByteArray("Leave one field blank!\n");
    QTest::newRow("readings after the boxes, and the parts that fit a resistance")
        << QStringList{"pd", "p=100", "v=230", "--readings"} << 0
        << QByteArray(
               "p=100\ni=0.434782608695652\nv=230\nr=529\nw=\nq=\nt=\n"
               "p \u2248 100 W\ni \u2248 434.783 mA\nv \u2248 230 V\nr \u2248 529 \u03a9\n"
               "r: E6 470 \u03a9 (\u221211.2 %) 680 \u03a9 (+28.5 %); E12 470 \u03a9 (\u221211.2 %) 560 "
               "\u03a9 "
               "(+5.86 %); E24 510 \u03a9 (\u22123.59 %) 560 \u03a9 (+5.86 %); E48 511 \u03a9 (\u22123.40 %) "
               "536 \u03a9 (+1.32 %); E96 523 \u03a9 (\u22121.13 %) 536 \u03a9 (+1.32 %); E192 523 \u03a9 "
               "(\u22121.13 %) 530 \u03a9 (+0.189 %); bands E24 green brown brown gold, E96 green red "
               "orange black brown\n")
        << QByteArray();
    QTest::newRow("prefixed input: codes read as the decimals they name, in series")
        << QStringList{"res", "--si", "nc=2", "c0=4k7", "c1=2k2"} << 0
        << QByteArray(
               "nc=2\nct0=4k7\nct1=2k2\nct2=\nct3=\nct4=\nct5=\nct6=\nct7=\nct8=\nct9=\nv=\nqc=\n"
               "ans=6900\n")
        << QByteArray();
    QTest::newRow("without it, a row reads its leading number, and its reading says so")
        << QStringList{"res", "nc=2", "c0=4k7", "c1=2k2", "--readings"} << 0
        << QByteArray(
               "nc=2\nct0=4k7\nct1=2k2\nct2=\nct3=\nct4=\nct5=\nct6=\nct7=\nct8=\nct9=\nv=\nqc=\n"
               "ans=6\nnc \u2248 2\nct0 \u2248 read as 4 \u03a9\nct1 \u2248 read as 2 \u03a9\nans \u2248 6 "
               "\u03a9\n"
               "ans: E6 4.7 \u03a9 (\u221221.7 %) 6.8 \u03a9 (+13.3 %); E12 5.6 \u03a9 (\u22126.67 %) 6.8 "
               "\u03a9 "
               "(+13.3 %); E24 5.6 \u03a9 (\u22126.67 %) 6.2 \u03a9 (+3.33 %); E48 5.9 \u03a9 (\u22121.67 %) "
               "6.19 \u03a9 (+3.17 %); E96 "
               "5.9 \u03a9 (\u22121.67 %) 6.04 \u03a9 (+0.667 %); E192 5.97 \u03a9 (\u22120.500 %) 6.04 "
               "\u03a9 "
               "(+0.667 %); bands E24 blue red gold gold, E96 blue black yellow silver brown\n")
        << QByteArray();
    QTest::newRow("a number too large to work with has no reading and no parts")
        << QStringList{"cond", "r=8E308", "--readings"} << 0 << QByteArray("r=8E308\nc=\n") << QByteArray();
    QTest::newRow("a press named by what it works out")
        << QStringList{"oscil", "--press", "voltage", "vs=2", "vd=3"} << 0
        << QByteArray("vs=2\nvd=3\nv=6\nt=\nhd=\nhs=\nf=\nw=\n") << QByteArray();
    QTest::newRow("--version") << QStringList{"--version"} << 0 << QByteArray("Ampora " AMPORA_VERSION "\n")
                               << QByteArray();

    // Refusals: status 2, nothing computed, the reason and then the usage.
    QTest::newRow("no calculator") << QStringList{} << 2 << QByteArray()
                                   << refused("the command line names no calculator", "CALC");
    QTest::newRow("unknown calculator") << QStringList{"volts", "p=1"} << 2 << QByteArray()
                                        << refused("there is no calculator named \"volts\"", "CALC");
    QTest::newRow("unknown name") << QStringList{"pd", "p=1", "x=2"} << 2 << QByteArray()
                                  << refused("pd has no box, option or list named \"x\"",
                                             "pd [--explain[=HOW]] [--readings] [--si] [NAME");
    QTest::newRow("a button is not set") << QStringList{"pd", "calc=1"} << 2 << QByteArray()
                                         << refused("\"calc\" is not a box, an option or a list",
                                                    "pd [--explain[=HOW]] [--readings] [--si] [NAME");
    QTest::newRow("no =") << QStringList{"pd", "100"} << 2 << QByteArray()
                          << refused("\"100\" is not NAME=TEXT",
                                     "pd [--explain[=HOW]] [--readings] [--si] [NAME");
    QTest::newRow("an option given 0") << QStringList{"res", "pc=0"} << 2 << QByteArray()
                                       << refused("the option \"pc\" is chosen with 1, not \"0\"",
                                                  "res [--explain[=HOW]] [--readings] [--si] [NAME");
    QTest::newRow("no such entry")
        << QStringList{"rcc", "unit=Purple"} << 2 << QByteArray()
        << refused(
               "the list \"unit\" has no entry \"Purple\" (give an entry as it reads, or its position from 0 "
               "to 9)",
               "rcc [--explain[=HOW]] [--readings] [--si] [NAME");
    QTest::newRow("no such press") << QStringList{"oscil", "--press=Command3"} << 2 << QByteArray()
                                   << refused("oscil has no press named \"Command3\"", "oscil [--press");
    QTest::newRow("a row set twice") << QStringList{"res", "c0=1", "ct0=2"} << 2 << QByteArray()
                                     << refused("\"ct0\" is set twice",
                                                "res [--explain[=HOW]] [--readings] [--si] [NAME");
    QTest::newRow("unknown option") << QStringList{"pd", "--frob"} << 2 << QByteArray()
                                    << refused("unknown option \"--frob\"",
                                               "pd [--explain[=HOW]] [--readings] [--si] [NAME");
    QTest::newRow("--list with more") << QStringList{"--list", "pd"} << 2 << QByteArray()
                                      << refused("--list takes nothing after it, but \"pd\" follows", "CALC");
}

void TestCalcArguments::answers() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    const test::CalcRun run = RunCalc(arguments);
    QCOMPARE(run.out, out);
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), run.err.constData());
    QCOMPARE(run.status, status);
}

void TestCalcArguments::namesWhatItTakes() {
    const test::CalcRun list = RunCalc({"--list"});
    QCOMPARE(list.status, 0);
    const QStringList lines = QString::fromUtf8(list.out).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), qsizetype(Calculators().size() + 1));
    QCOMPARE(lines.back(), QString());
    for (std::size_t k = 0; k < Calculators().size(); ++k) {
        const FormDecl* form = Calculators()[k];
        // Read as a script reads it: the columns apart at two blanks or more, the name first,
        // then the panel's caption (fuse's "Fuse Size", though its window says "Inductance
        // Calculation"; the chooser's for the triangle and the circle), then the window's.
        const QString& line = lines[qsizetype(k)];
        const QStringList columns = line.split(QRegularExpression(QStringLiteral("  +")));
        const char* panel = PanelCaption(form->name);
        const QStringList declared = {QString::fromUtf8(form->name), QString::fromUtf8(panel ? panel : "-"),
                                      QString::fromUtf8(form->caption)};
        QCOMPARE(columns, declared);
        QCOMPARE(line.section(QLatin1Char(' '), 0, 0), declared.front());

        const test::CalcRun help = RunCalc({form->name, "--help"});
        QCOMPARE(help.status, 0);
        // Every name the calculator takes leads a line, and the worked example is there.
        const ControlList controls(*form);
        for (const Control& c : controls.all()) {
            const bool set = c.kind == Kind::Box || c.kind == Kind::Option || c.kind == Kind::List;
            if (!set || c.name == std::string_view(component_list::kScratchBox)) continue;
            QVERIFY2(help.out.contains("\n  " + QByteArray(c.name) + ' '), c.name);
        }
        QVERIFY(help.out.contains(QByteArray::fromStdString(cli::ExampleCommand(*form))));
    }
    // A box's caption and unit, read from the layout, and the unit in words where they say more.
    QVERIFY(QRegularExpression("\n  p +Power +W \\(watts\\)\n").match(RunCalc({"pd", "-h"}).out).hasMatch());
    QVERIFY(QRegularExpression("\n  ans +R +Ohms\n").match(RunCalc({"res", "-h"}).out).hasMatch());
    QVERIFY(RunCalc({"--help"}).out.startsWith("Usage: ampora-calc CALC"));
}

namespace {

// A command of the manual page's examples as a shell splits it: words apart at blanks,
// double quotes around a word's blanks.
QStringList ShellWords(const QString& line) {
    QStringList words;
    QString word;
    bool quoted = false, started = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == QLatin1Char('\\') && i + 1 < line.size()) {
            word += line[++i];
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            started = true;
        } else if (c == QLatin1Char(' ') && !quoted) {
            if (started) words << word;
            word.clear();
            started = false;
        } else {
            word += c;
            started = true;
        }
    }
    if (started) words << word;
    return words;
}

}  // namespace

// Every example of the manual page, a command and what it prints (and its status, where
// it shows one), is what the program prints for it; and there is one for every
// calculator's declared example.
void TestCalcArguments::manPageShowsWhatItPrints() {
    QFile page(QStringLiteral(AMPORA_CALC_MAN_PAGE));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString roff = QString::fromUtf8(page.readAll());
    QStringList commands;
    for (const auto& block :
         QRegularExpression("\n\\.EX\n(.*?)\n\\.EE\n", QRegularExpression::DotMatchesEverythingOption)
             .globalMatch(roff)) {
        QString text = block.captured(1);
        text.replace(QLatin1String("\\-"), QLatin1String("-"))
            .replace(QLatin1String("\\e"), QLatin1String("\\"))
            .replace(QLatin1String("\\(~~"), QStringLiteral("\u2248"))
            .replace(QLatin1String("\\(*W"), QStringLiteral("\u03a9"))
            .replace(QLatin1String("\\(mi"), QStringLiteral("\u2212"))
            .replace(QLatin1String("\\(mc"), QStringLiteral("\u00b5"));
        QStringList lines = text.split(QLatin1Char('\n'));
        QVERIFY2(lines.front().startsWith(QLatin1String("$ ampora-calc ")), qPrintable(lines.front()));
        QString command = lines.takeFirst().mid(2);
        // A batch's lines follow its command as a shell's here-document.
        const QLatin1String hereDocument(" <<'END'");
        QByteArray stdIn;
        if (command.endsWith(hereDocument)) {
            command.chop(hereDocument.size());
            while (!lines.isEmpty() && lines.front() != QLatin1String("END"))
                stdIn += lines.takeFirst().toUtf8() + '\n';
            QVERIFY(!lines.isEmpty());
            lines.removeFirst();
        }
        // An example that does not end in 0 shows its status as the shell tells it.
        int status = 0;
        if (lines.size() >= 2 && lines[lines.size() - 2] == QLatin1String("$ echo $?")) {
            bool number = false;
            status = lines.takeLast().toInt(&number);
            QVERIFY(number);
            lines.removeLast();
        }
        const QByteArray printed = lines.join(QLatin1Char('\n')).toUtf8() + '\n';
        QStringList words = ShellWords(command);
        words.removeFirst();
        const test::CalcRun run = RunCalc(words, stdIn);
        QCOMPARE(run.out, printed);
        QCOMPARE(run.status, status);
        commands << command;
    }
    for (const FormDecl* form : Calculators())
        QVERIFY2(commands.contains(QString::fromStdString(cli::ExampleCommand(*form))), form->name);
}

AMPORA_TEST(TestCalcArguments)
#include "tst_arguments.moc"
