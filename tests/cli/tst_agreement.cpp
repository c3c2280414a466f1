// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/registry.h"
#include "calc_process.h"
#include "core/box_labels.h"
#include "core/component_list.h"
#include "request/json.h"
#include "request/settings.h"
#include "support/step_check.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/component_list_form.h"
#include "ui/form_accessibility.h"
#include "ui/working.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <set>

#include <map>
#include <memory>

using namespace ampora;

namespace {

// One calculation: the press ("" for every press) and the controls set, by name.
struct Case {
    std::string press;
    std::vector<std::pair<std::string, std::string>> settings;
};

// A box's text: numbers of many magnitudes and forms, and what a user types by mistake.
std::string Text(QRandomGenerator& random) {
    static const char* const kOdd[] = {
        "",        " ",   "abc", "10k",   "5V",     "1.2.3",    "-",
        "+",       ".",   "e5",  "1 000", "1,5",    " 42 ",     "\t7",
        "-0",      "0",   "00",  "1E309", "-1E309", "4.9E-324", "1.7976931348623157E308",
        "32767.5", "2.5", "1D3", "&H10",  "0x1A",   "\xc2\xb5"};
    if (random.bounded(4) == 0) return kOdd[random.bounded(int(std::size(kOdd)))];
    std::string text = random.bounded(5) == 0 ? "-" : random.bounded(8) == 0 ? "+" : "";
    const std::string digits = std::to_string(random.bounded(1, 100000));
    switch (random.bounded(4)) {
        case 0:
            text += digits;
            break;
        case 1:
            text += digits.substr(0, 1) + "." + digits.substr(1);
            break;
        case 2:
            text += '.';
            text += digits;
            break;
        default:
            text += digits + ".";
            break;
    }
    if (random.bounded(3) == 0) {
        text += random.bounded(2) ? "E" : "e";
        text += random.bounded(2) ? "-" : "";
        text += std::to_string(random.bounded(320));
    }
    return text;
}

std::vector<Case> Cases(const FormDecl& form, int count) {
    QRandomGenerator random(qHash(QByteArray(form.name)));
    Case example{form.presses.size() > 1 && form.example.press ? form.example.press : "", {}};
    for (const Setting& s : form.example.settings) example.settings.emplace_back(s.control, s.text);
    std::vector<Case> cases = {example};
    static const char* const kCounts[] = {"",   "0",   "1",   "2",  "3",   "5",  "10",
                                          "12", "2.5", "3.5", "-2", "abc", " 3", "1E5"};
    const ControlList controls(form);
    while (int(cases.size()) < count) {
        Case c;
        if (form.presses.size() > 1 && random.bounded(3) > 0)
            c.press = form.presses[random.bounded(int(form.presses.size()))].button;
        for (const Control& control : controls.all()) {
            const std::string name = control.name;
            if (control.kind == Kind::Box && name == component_list::kCountBox) {
                if (random.bounded(5) > 0)
                    c.settings.emplace_back(name, kCounts[random.bounded(int(std::size(kCounts)))]);
            } else if (control.kind == Kind::Box && name != component_list::kScratchBox) {
                if (random.bounded(100) >= 40) continue;
                // A row, now and then, by its caption's name.
                const bool row = form.list && name.starts_with("ct");
                c.settings.emplace_back(row && random.bounded(4) == 0 ? "c" + name.substr(2) : name,
                                        Text(random));
            } else if (control.kind == Kind::Option && random.bounded(3) == 0) {
                c.settings.emplace_back(name, "1");
            } else if (control.kind == Kind::List) {
                const auto entries = ListEntries(control);
                const int pick = random.bounded(int(entries.size()) * 2 + 1);  // none, an entry, a position
                if (pick > 0 && pick <= int(entries.size())) c.settings.emplace_back(name, entries[pick - 1]);
                if (pick > int(entries.size()))
                    c.settings.emplace_back(name, std::to_string(pick - entries.size() - 1));
            }
        }
        cases.push_back(c);
    }
    return cases;
}

std::string RequestLine(const FormDecl& form, const Case& c, bool explain = false, bool readings = false) {
    // Asked for the readings, a request asks for the solution in Markdown too.
    std::string line = "{\"calc\":\"" + std::string(form.name) + "\",\"set\":{";
    for (const auto& [name, text] : c.settings) {
        if (line.back() != '{') line += ',';
        json::AppendString(line, name);
        line += ':';
        json::AppendString(line, text);
    }
    line += '}';
    if (!c.press.empty()) line += ",\"press\":\"" + c.press + "\"";
    if (explain) line += ",\"explain\":true";
    if (readings) line += ",\"readings\":true,\"solution\":\"markdown\"";
    return line + "}\n";
}

// The form as it opens, then set and pressed as a user does it: a count box typed and
// confirmed with OK, every press clicked in turn. Returns the boxes as NAME=TEXT lines,
// then what the message boxes said.
QByteArray OnTheDesktop(CalcForm* form, const Case& c, const test::MessageBoxCatcher& catcher) {
    const FormDecl& decl = *form->declaration();
    const ControlList controls(decl);
    const FormState start = FormState::initial(decl);
    for (const auto& [name, text] : start.allBoxes()) form->box(name)->setText(QString::fromStdString(text));
    for (const auto& [name, chosen] : start.allOptions()) {
        QRadioButton* option = form->option(name);
        option->setAutoExclusive(false);
        option->setChecked(chosen);
        option->setAutoExclusive(true);
    }
    for (const auto& [name, entry] : start.allLists()) form->list(name)->setCurrentIndex(-1);

    for (const auto& [name, text] : c.settings) {
        const Control* target = request::SettingTarget(controls, name);
        const QString typed = QString::fromStdString(text);
        if (target->kind == Kind::Box) form->box(target->name)->setText(typed);
        if (target->kind == Kind::Option) form->option(target->name)->setChecked(true);
        if (QComboBox* list = form->list(target->name)) {
            const int entry = list->findText(typed, Qt::MatchExactly);
            list->setCurrentIndex(entry >= 0 ? entry : typed.toInt());
        }
        if (name == component_list::kCountBox) form->button(component_list::kOk)->click();
    }
    QStringList told;
    for (const Press& p : decl.presses) {
        if (!c.press.empty() && c.press != p.button) continue;
        const int shown = catcher.count();
        form->button(p.button)->click();
        if (catcher.count() > shown) told << catcher.text();
    }
    QByteArray out;
    for (std::string_view box : controls.visibleBoxes())
        out += QByteArray(box.data(), qsizetype(box.size())) + '=' + form->box(box)->text().toUtf8() + '\n';
    return out + "told: " + told.join(QLatin1Char('\n')).toUtf8();
}

// Each message box the offscreen platform shows warns that it cannot pass on size hints;
// a few hundred of them would bury anything worth reading.
QtMessageHandler gQtHandler = nullptr;
void WithoutSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints"))) gQtHandler(type, context, text);
}

// The same from one line of ampora-calc's answers.
QByteArray FromAnswer(const std::string& line) {
    const auto answer = std::get<json::Object>(json::Parse(line, json::Arrays::Read));
    QByteArray out;
    if (const json::Value* error = json::Find(answer, "error"))
        return "error: " + QByteArray::fromStdString(std::get<std::string>(*error));
    for (const json::Member& box : std::get<json::Object>(*json::Find(answer, "boxes")))
        out += QByteArray::fromStdString(box.name + '=' + std::get<std::string>(box.value)) + '\n';
    const json::Value& fault = *json::Find(answer, "fault");
    return out + "told: " +
           (std::holds_alternative<std::string>(fault)
                ? QByteArray::fromStdString(std::get<std::string>(fault))
                : "");
}

// The steps of an explained answer, as lines; and what is wrong with them: a step whose
// work does not give its result (read back by an evaluator of its own), or a box that
// changed with no step that wrote its new text last.
// Every field of a step, as one line: what a JSON step and a step of the desktop must
// both give.
QString Fields(const Step& s) {
    return QStringLiteral("%1 | block %2 rule %3 | %4 | %5 | %6")
        .arg(QString::fromStdString(s.box))
        .arg(s.block)
        .arg(s.rule)
        .arg(QString::fromStdString(s.relation), QString::fromStdString(s.substituted),
             s.fault ? "fault " + QString::fromStdString(*s.fault)
                     : "result " + QString::fromStdString(s.result));
}

QStringList StepsOf(const QByteArray& line, const Case& c, QStringList& wrong, QStringList* fields = nullptr,
                    std::set<int>* blocks = nullptr) {
    const QJsonObject answer = QJsonDocument::fromJson(line).object();
    QStringList lines;
    std::map<std::string, std::string> lastWritten;
    for (const QJsonValue& value : answer[QLatin1String("steps")].toArray()) {
        const QJsonObject s = value.toObject();
        Step step(s[QLatin1String("box")].toString().toStdString(), s[QLatin1String("block")].toInt(),
                  s[QLatin1String("rule")].toInt());
        step.relation = s[QLatin1String("relation")].toString().toStdString();
        step.substituted = s[QLatin1String("substituted")].toString().toStdString();
        step.result = s[QLatin1String("result")].toString().toStdString();
        if (s.contains(QLatin1String("fault")))
            step.fault = s[QLatin1String("fault")].toString().toStdString();
        if (const std::string problem = test::CheckStep(step); !problem.empty())
            wrong << QString::fromStdString(problem);
        if (!step.fault) lastWritten[step.box] = step.result;
        lines << QString::fromStdString(StepLine(step));
        if (fields) *fields << Fields(step);
        if (blocks && step.block > 0) blocks->insert(step.block);
    }
    std::map<std::string, std::string> set(c.settings.begin(), c.settings.end());
    const QJsonObject boxes = answer[QLatin1String("boxes")].toObject();
    for (auto it = boxes.begin(); it != boxes.end(); ++it) {
        const std::string box = it.key().toStdString(), text = it.value().toString().toStdString();
        const std::string row = box.starts_with("ct") ? "c" + box.substr(2) : "";
        const std::string before = set.contains(box) ? set[box] : set.contains(row) ? set[row] : "";
        if (text != before && lastWritten[box] != text)
            wrong << QString::fromStdString(box + " became \"" + text + "\" with no step writing it");
    }
    return lines;
}

}  // namespace

// ampora-calc and the desktop program run the same presses: for the same settings they
// must leave the same boxes and tell the same, character for character.
class TestDesktopAgreement : public QObject {
    Q_OBJECT
private slots:
    void sameBoxesAsTheDesktop_data();
    void sameBoxesAsTheDesktop();
    void captionsAsTheDesktopReadsThem();
};

void TestDesktopAgreement::sameBoxesAsTheDesktop_data() {
    QTest::addColumn<int>("calculator");
    for (int k = 0; k < int(Calculators().size()); ++k) QTest::newRow(Calculators()[k]->name) << k;
}

void TestDesktopAgreement::sameBoxesAsTheDesktop() {
    QFETCH(int, calculator);
    const FormDecl& decl = *Calculators()[calculator];
    const std::vector<Case> cases = Cases(decl, 250);
    QByteArray batch;
    for (const Case& c : cases) batch += QByteArray::fromStdString(RequestLine(decl, c));
    const test::CalcRun run = test::RunCalc({"--json"}, batch);
    QCOMPARE(run.status, 0);
    const QList<QByteArray> answers = run.out.split('\n');
    QCOMPARE(answers.size(), qsizetype(cases.size() + 1));

    std::unique_ptr<CalcForm> form(MakeForm(decl));
    test::MessageBoxCatcher catcher;
    gQtHandler = qInstallMessageHandler(WithoutSizeHintWarnings);
    const auto restore = qScopeGuard([] { qInstallMessageHandler(gQtHandler); });
    const QList<QByteArray> requests = batch.split('\n');
    // The same batch explained: the same boxes and reports, every step's work giving its
    // result, every box that changed written by a step, and the desktop showing those steps.
    QByteArray explainedBatch;
    for (const Case& c : cases) explainedBatch += QByteArray::fromStdString(RequestLine(decl, c, true));
    const test::CalcRun explainedRun = test::RunCalc({"--json"}, explainedBatch);
    QCOMPARE(explainedRun.status, 0);
    const QList<QByteArray> explained = explainedRun.out.split('\n');
    QCOMPARE(explained.size(), answers.size());
    // And asked for the readings, which the desktop lists after the steps in the Working
    // window: every box's reading, and which boxes have parts that fit.
    QByteArray readingsBatch;
    for (const Case& c : cases) readingsBatch += QByteArray::fromStdString(RequestLine(decl, c, false, true));
    const test::CalcRun readingsRun = test::RunCalc({"--json"}, readingsBatch);
    QCOMPARE(readingsRun.status, 0);
    const QList<QByteArray> read = readingsRun.out.split('\n');
    QCOMPARE(read.size(), answers.size());
    form->working()->open();
    std::set<int> blocks;  // of the steps read back from JSON

    for (std::size_t k = 0; k < cases.size(); ++k) {
        const QByteArray desktop = OnTheDesktop(form.get(), cases[k], catcher);
        const QByteArray calc = FromAnswer(answers[qsizetype(k)].toStdString());
        const QByteArray both =
            "\n" + requests[qsizetype(k)] + "\nampora-calc:\n" + calc + "\ndesktop:\n" + desktop;
        QVERIFY2(calc == desktop, both.constData());
        const QByteArray withSteps = explained[qsizetype(k)];
        // The plain answer, with the steps before its reports.
        const QByteArray& plain = answers[qsizetype(k)];
        const qsizetype reports = plain.lastIndexOf(",\"reports\":[");
        QVERIFY2(reports > 0 && withSteps.startsWith(plain.left(reports) + ",\"steps\":[") &&
                     withSteps.endsWith(plain.mid(reports)),
                 withSteps.constData());
        QStringList wrong, fields;
        const QStringList steps = StepsOf(withSteps, cases[k], wrong, &fields, &blocks);
        QVERIFY2(wrong.isEmpty(), qPrintable(requests[qsizetype(k)] + "\n" + wrong.join(QLatin1Char('\n'))));
        if (decl.presses.size() == 1 || !cases[k].press.empty()) {
            // Every field of every step read back from JSON is the desktop's own.
            QStringList shown;
            for (const Step& step : form->lastSteps()) shown << Fields(step);
            QCOMPARE(shown, fields);
        }
        const QJsonObject answer = QJsonDocument::fromJson(read[qsizetype(k)]).object();
        QStringList readings, parts;
        const QJsonObject readingsOf = answer[QLatin1String("readings")].toObject();
        for (auto it = readingsOf.begin(); it != readingsOf.end(); ++it)
            readings << it.key() + QStringLiteral(" \u2248 ") + it.value().toString();
        parts = answer[QLatin1String("preferred")].toObject().keys();
        QStringList shownReadings, shownParts;
        for (const QString& line :
             form->working()->window()->text().section(QStringLiteral("\n\n"), 1).split('\n')) {
            if (line.contains(QStringLiteral(" \u2248 ")))
                shownReadings << line;
            else if (line.contains(QStringLiteral(": E")) || line.contains(QStringLiteral(": rated")))
                shownParts << line.section(QLatin1Char(':'), 0, 0);
        }
        // JSON names its members in the form's order, which Qt's objects forget.
        readings.sort();
        shownReadings.sort();
        parts.sort();
        shownParts.sort();
        QCOMPARE(shownReadings, readings);
        QCOMPARE(shownParts, parts);
        // The solution the Working window hands in is the one ampora-calc writes.
        if (decl.presses.size() == 1 || !cases[k].press.empty())
            QCOMPARE(form->working()->window()->solution(Rendering::Markdown),
                     answer[QLatin1String("solution")].toString());
    }
    // The cases reach the steps of a rule table's every block, its first included: no block
    // number is missing below the largest one seen.
    if (!blocks.empty()) QCOMPARE(int(blocks.size()), *blocks.rbegin());

    // The worked example from the command line, too.
    QStringList arguments = {decl.name};
    if (!cases[0].press.empty()) arguments << "--press" << QString::fromStdString(cases[0].press);
    for (const auto& [name, text] : cases[0].settings) arguments << QString::fromStdString(name + '=' + text);
    const test::CalcRun example = test::RunCalc(arguments);
    QCOMPARE(example.out + "told: " + example.err.trimmed(), OnTheDesktop(form.get(), cases[0], catcher));

    // Printed to PDF, the worked example's solution fills one page, with the caption, what
    // was given, every step and what was found, as pdftotext reads them back.
    // Printed to PDF, the worked example's solution fills one page, with the caption, what
    // was given, every step and what was found: every word of its tables and every step
    // of its list, as pdftotext reads them back.
    const QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(folder.filePath(QStringLiteral("solution.pdf")));
    form->working()->window()->print(printer);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {printer.outputFileName(), QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(20000));
    const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QCOMPARE(printed.count(QLatin1Char('\f')), 1);
    // Lines break where the page ends them: compared without blanks, and letters the page
    // joins ("ﬃ") or writes as their like ("μ" for "µ") as their compatibility forms.
    const auto solid = [](const QString& t) {
        return t.normalized(QString::NormalizationForm_KC)
            .remove(QRegularExpression(QStringLiteral("\\s")))
            .remove(QLatin1Char('\\'));
    };
    const QString page = solid(printed);
    const QString markdown = form->working()->window()->solution(Rendering::Markdown);
    QStringList pieces;
    for (const QString& line : markdown.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("| ---"))) continue;
        if (line.startsWith(QLatin1String("| ")))  // a cell's lines may sit among its row's others
            pieces << line.split(QRegularExpression(QStringLiteral("[|\\s]+")), Qt::SkipEmptyParts);
        else if (line.front().isDigit())
            pieces << line.section(QLatin1Char('`'), 1, 1);
        else
            pieces << line.section(QLatin1Char(' '), 1);
    }
    for (const QString& piece : pieces)
        QVERIFY2(page.contains(solid(piece)), qPrintable(piece + "\nin\n" + printed));
}

// A box's caption as the command line tells it is the one its desktop form shows beside
// it, which a screen reader says.
void TestDesktopAgreement::captionsAsTheDesktopReadsThem() {
    for (const FormDecl* decl : Calculators()) {
        std::unique_ptr<CalcForm> form(MakeForm(*decl));
        form->ensurePolished();
        const ControlList controls(*decl);
        for (const Control& c : controls.all()) {
            if (c.kind != Kind::Box && c.kind != Kind::List) continue;
            if (c.name == std::string_view(component_list::kScratchBox)) continue;
            const QString desktop = form->control(c.name)->accessibleName();
            QCOMPARE(QString::fromStdString(LabelsOf(controls, c.name).caption) + " (" + decl->name + "." +
                         c.name + ")",
                     desktop + " (" + decl->name + "." + c.name + ")");
        }
    }
}

AMPORA_TEST(TestDesktopAgreement)
#include "tst_agreement.moc"
