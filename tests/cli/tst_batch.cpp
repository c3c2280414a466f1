// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc_process.h"
#include "cli/batch.h"
#include "request/answer_line.h"
#include "request/json.h"
#include "support/test_registry.h"

#include <QRandomGenerator>

using namespace ampora;

// Batches: a request per line as JSON, an answer per line, whatever the lines hold.
class TestCalcBatch : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void stringsRoundTrip();
    void goesOnInOrder_data();
    void goesOnInOrder();
};

void TestCalcBatch::answers_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("answer");
    const auto ac = [](const char* avg) {
        return "{\"boxes\":{\"avg\":" + QByteArray(avg) +
               ",\"peak\":\"\",\"p2p\":\"\",\"rms\":\"\"},\"fault\":null,\"reports\":[]}";
    };
    const auto error = [](const char* reason) { return "{\"error\":\"" + QByteArray(reason) + "\"}"; };

    // A text that is no number is echoed as it came, so the average box shows how each
    // escape was read and is written again.
    QTest::newRow("every escape") << QByteArray(
                                         R"({"calc":"ac","set":{"avg":"\"\\\/\b\f\n\r\t\u0041\u00e9"}})")
                                  << ac(R"("\"\\/\u0008\u000c\n\r\tAé")");
    QTest::newRow("a surrogate pair is one character")
        << QByteArray(R"({"calc":"ac","set":{"avg":"\uD83D\uDE00"}})") << ac("\"\xF0\x9F\x98\x80\"");
    QTest::newRow("a NUL is a byte of the text")
        << QByteArray(R"({"calc":"ac","set":{"avg":"1\u00002"}})") << ac(R"("1\u00002")");
    QTest::newRow("blanks between tokens, a carriage return at the end")
        << QByteArray(" { \"set\" : { \"r\" : \"4\" } ,\t\"calc\" : \"cond\" } \r")
        << QByteArray(R"({"boxes":{"r":"4","c":"0.25"},"fault":null,"reports":[]})");
    QTest::newRow("a press named by its button")
        << QByteArray(R"({"calc":"oscil","press":"Command1","set":{"vs":"2","vd":"3"}})")
        << QByteArray(R"({"boxes":{"vs":"2","vd":"3","v":"6","t":"","hd":"","hs":"",)"
                      R"("f":"","w":""},"fault":null,"reports":[]})");
    QTest::newRow("a fault") << QByteArray(R"({"calc":"pd","set":{"v":"12","i":"x"}})")
                             << QByteArray(
                                    R"({"boxes":{"p":"","i":"x","v":"12","r":"","w":"","q":"","t":""},)"
                                    R"("fault":"Ampora could not work out the Power.\nThe Current box does )"
                                    R"(not hold a number.","reports":[{"title":"Basic Electricity","text":)"
                                    R"("Ampora could not work out the Power.\nThe Current box does not hold )"
                                    R"(a number."}]})");
    QTest::newRow("a press named by what it does")
        << QByteArray(R"({"calc":"oscil","press":"frequency","set":{"t":"0.01","vs":"2","vd":"3"}})")
        << QByteArray(R"({"boxes":{"vs":"2","vd":"3","v":"","t":"0.01","hd":"","hs":"","f":"100",)"
                      R"("w":"3000000"},"fault":null,"reports":[]})");

    QTest::newRow("explained: every step, and what a press told under its title")
        << QByteArray(R"({"calc":"cond","set":{"r":"0"},"explain":true})")
        << QByteArray(
               R"({"boxes":{"r":"0","c":""},"fault":null,"steps":[{"box":"c","block":2,"rule":1,)"
               R"("relation":"1 / r","substituted":"1 / 0","fault":"The calculation divides by zero."}],)"
               R"("reports":[]})");
    QTest::newRow("explained: a row that is no number, named as its form names it")
        << QByteArray(R"({"calc":"res","set":{"nc":"1","ct0":"x","pc":"1"},"explain":true})")
        << QByteArray(R"({"boxes":{"nc":"1","ct0":"x","ct1":"","ct2":"","ct3":"","ct4":"","ct5":"","ct6":"",)"
                      R"("ct7":"","ct8":"","ct9":"","v":"","qc":"","ans":""},"fault":null,"steps":[)"
                      R"({"box":"d","relation":"0","substituted":"0","result":"0"},)"
                      R"({"box":"1/ct0","relation":"1 / ct0","substituted":"1 / \"x\"",)"
                      R"("fault":"The Resistor # 1 box does not hold a number."},)"
                      R"({"box":"d","relation":"d + 1/ct0","substituted":"0 + 1/ct0",)"
                      R"("fault":"The Resistor # 1 box does not hold a number."},)"
                      R"({"box":"ans","relation":"1 / d","substituted":"1 / 0",)"
                      R"("fault":"The calculation divides by zero."}],"reports":[]})");
    QTest::newRow("explained: a message has its title")
        << QByteArray(R"({"calc":"oscil","press":"Command1","set":{"vs":"2"},"explain":true})")
        << QByteArray(R"({"boxes":{"vs":"2","vd":"","v":"","t":"","hd":"","hs":"","f":"","w":""},)"
                      R"("fault":"Leave one field blank!","steps":[],)"
                      R"("reports":[{"title":"Error!","text":"Leave one field blank!"}]})");

    QTest::newRow("readings, prefixed input and the parts that fit, with the work of reading a code")
        << QByteArray(R"({"calc":"cond","set":{"r":"4k7"},"si":true,"explain":true,"readings":true})")
        << QByteArray(
               R"({"boxes":{"r":"4k7","c":"0.000212765957446809"},"fault":null,"steps":[{"box":"r",)"
               R"("relation":"4k7","substituted":"4.7 * 10^3","result":"4700"},{"box":"c","block":2,)"
               R"("rule":1,"relation":"1 / r","substituted":"1 / 4700","result":"0.000212765957446809"}],)"
               R"("reports":[],"readings":{"r":"4.7 kΩ","c":"212.766 µS"},"preferred":{"r":{"E6":[)"
               R"({"value":"4700","reading":"4.7 kΩ","deviation":"0"}],"E12":[{"value":"4700","reading":)"
               R"("4.7 kΩ","deviation":"0"}],"E24":[{"value":"4700","reading":"4.7 kΩ","deviation":"0"}],)"
               R"("E48":[{"value":"4640","reading":"4.64 kΩ","deviation":"-1.28"},{"value":"4870","reading":)"
               R"("4.87 kΩ","deviation":"3.62"}],"E96":[{"value":"4640","reading":"4.64 kΩ","deviation":)"
               R"("-1.28"},{"value":"4750","reading":"4.75 kΩ","deviation":"1.06"}],"E192":[{"value":)"
               R"("4700","reading":"4.7 kΩ","deviation":"0"}],"bands":{"E24":["yellow","violet","red",)"
               R"("gold"],"E96":["yellow","violet","green","brown","brown"]}}}})");
    QTest::newRow("a fuse's rated current")
        << QByteArray(R"({"calc":"fuse","set":{"nc":"1","ct0":"5"},"readings":true})")
        << QByteArray(
               R"({"boxes":{"nc":"1","ct0":"5","ct1":"","ct2":"","ct3":"","ct4":"","ct5":"","ct6":"",)"
               R"("ct7":"","ct8":"","ct9":"","ans":"6"},"fault":null,"reports":[],"readings":{"nc":"1",)"
               R"("ct0":"5 A","ans":"6 A"},"preferred":{"ans":{"rated":{"value":"6","reading":"6 A"}}}})");
    QTest::newRow("a flag that is no flag")
        << QByteArray(R"({"calc":"pd","si":"yes"})") << error(R"(\"si\" is true or false)");
    QTest::newRow("empty line") << QByteArray("  ") << error("the line is empty; each line is one request");
    QTest::newRow("not JSON") << QByteArray("pd p=1") << error("column 1: expected a string or an object");
    QTest::newRow("not an object") << QByteArray(R"("pd")")
                                   << error(R"(a request is an object, {\"calc\":...})");
    QTest::newRow("no closing quote")
        << QByteArray(R"({"calc":"pd)") << error("column 12: the string has no closing quote");
    QTest::newRow("no closing brace") << QByteArray(R"({"calc":"pd")") << error("column 13: expected ','");
    QTest::newRow("text after the object")
        << QByteArray(R"({"calc":"pd"}x)") << error("column 14: text after the value");
    QTest::newRow("a lone high surrogate") << QByteArray(R"({"calc":"\ud800x"})")
                                           << error("column 10: a high surrogate without a low one after it");
    QTest::newRow("a lone low surrogate") << QByteArray(R"({"calc":"\udc00"})")
                                          << error("column 10: a low surrogate without a high one before it");
    QTest::newRow("an unknown escape")
        << QByteArray(R"({"calc":"\x41"})") << error("column 10: an unknown escape");
    QTest::newRow("a short \\u") << QByteArray(R"({"calc":"\u12"})")
                                 << error(R"(column 14: \\u needs four hexadecimal digits)");
    QTest::newRow("a raw tab in a string")
        << QByteArray("{\"calc\":\"p\td\"}")
        << error("column 11: a control character in a string must be escaped");
    QTest::newRow("a byte that is not UTF-8")
        << QByteArray("{\"calc\":\"\xff\"}") << error("column 10: not UTF-8");
    QTest::newRow("an overlong form")
        << QByteArray("{\"calc\":\"\xc0\xaf\"}") << error("column 10: not UTF-8");
    QTest::newRow("an encoded surrogate")
        << QByteArray("{\"calc\":\"\xed\xa0\x80\"}") << error("column 10: not UTF-8");
    QTest::newRow("a number for a text")
        << QByteArray(R"({"calc":"pd","set":{"p":100}})")
        << error(R"(column 25: a number; box texts are strings, such as \"100\")");
    QTest::newRow("true") << QByteArray(R"({"calc":true})") << error(R"(\"calc\" is not a string)");
    QTest::newRow("explain as a text")
        << QByteArray(R"({"calc":"pd","explain":"yes"})") << error(R"(\"explain\" is true or false)");
    QTest::newRow("null for a text") << QByteArray(R"({"calc":null})")
                                     << error(R"(\"calc\" is not a string)");
    QTest::newRow("an array") << QByteArray(R"([])") << error("column 1: arrays are not taken");
    QTest::newRow("a name twice") << QByteArray(R"({"calc":"pd","calc":"ac"})")
                                  << error(R"(column 14: the name \"calc\" appears twice)");
    QTest::newRow("too deep") << QByteArray(R"({"a":)").repeated(17) + "1"
                              << error("column 81: objects nested more than 16 deep");
    QTest::newRow("an unknown member")
        << QByteArray(R"({"calc":"pd","sett":{}})")
        << error(
               R"(a request takes \"calc\", \"set\", \"press\", \"explain\", \"readings\", \"si\" and \"solution\", not \"sett\")");
    QTest::newRow("a solution in no rendering")
        << QByteArray(R"({"calc":"pd","solution":"html"})")
        << error(R"(\"solution\" is \"text\", \"markdown\" or \"latex\")");
    QTest::newRow("set as a text") << QByteArray(R"({"calc":"pd","set":"p=1"})")
                                   << error(R"(\"set\" is not an object of names and texts)");
    QTest::newRow("a text as an object")
        << QByteArray(R"({"calc":"pd","set":{"p":{}}})") << error(R"(the text of \"p\" is not a string)");
    QTest::newRow("no calculator") << QByteArray(R"({"set":{}})")
                                   << error(R"(the request names no calculator (\"calc\"))");
    QTest::newRow("unknown calculator")
        << QByteArray(R"({"calc":"volts"})") << error(R"(there is no calculator named \"volts\")");
    QTest::newRow("a refused setting") << QByteArray(R"({"calc":"res","set":{"sc":"yes"}})")
                                       << error(R"(the option \"sc\" is chosen with 1, not \"yes\")");
}

void TestCalcBatch::answers() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, answer);
    request::Calculations calculations;
    bool refused = false;
    QCOMPARE(QByteArray::fromStdString(request::AnswerLine(calculations, line.toStdString(), &refused)),
             answer);
    // A fault is an answer; only an error refuses the line.
    QCOMPARE(refused, answer.startsWith("{\"error\":"));
}

// Any text written as a JSON string reads back as itself; bytes that are no UTF-8 (which
// only a command line can give) come back as replacement characters.
void TestCalcBatch::stringsRoundTrip() {
    QRandomGenerator random(17);
    const std::string pieces[] = {
        "\"",   "\\", "/", "\n",       "\t",           std::string(1, '\0'), "\x1f",
        "\x7f", "a",  "7", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80",   "\xef\xbf\xbf",
        " "};
    for (int n = 0; n < 2000; ++n) {
        std::string text;
        for (int k = random.bounded(12); k > 0; --k) text += pieces[random.bounded(int(std::size(pieces)))];
        std::string written;
        json::AppendString(written, text);
        QCOMPARE(written.find_first_of("\n\r\t"), std::string::npos);
        QCOMPARE(std::get<std::string>(json::Parse(written)), text);
    }
    std::string written;
    json::AppendString(written, "a\xff\xc3");
    QCOMPARE(written, R"("a\ufffd\ufffd")");
    QCOMPARE(std::get<std::string>(json::Parse(written)), "a\xef\xbf\xbd\xef\xbf\xbd");
}

// Through the program: one answer per line in order, whatever the lines hold; the status
// tells a script whether any line was refused, not whether a calculation faulted.
void TestCalcBatch::goesOnInOrder_data() {
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<int>("status");
    const QByteArray good = R"({"calc":"cond","set":{"r":"4"}})";
    const QByteArray answer = R"({"boxes":{"r":"4","c":"0.25"},"fault":null,"reports":[]})";
    const QByteArray longLine =
        R"({"calc":"cond","set":{"r":")" + QByteArray(int(request::kMaxLine), '1') + "\"}}";

    QTest::newRow("refused lines among good ones: every line answered, status 2")
        << good + "\n{\n" + longLine + "\n" + good
        << answer + "\n" + R"({"error":"column 2: expected a name in quotes"})" + "\n" +
               R"({"error":"the line is longer than 1048576 bytes"})" + "\n" + answer + "\n"
        << 2;
    QTest::newRow("one unknown calculator among good ones: status 2")
        << good + "\n" + R"({"calc":"volts"})" + "\n" + good + "\n"
        << answer + "\n" + R"({"error":"there is no calculator named \"volts\""})" + "\n" + answer + "\n"
        << 2;
    QTest::newRow("faults and messages only: status 0")
        << QByteArray(R"({"calc":"pd","set":{"v":"12","i":"x"}})"
                      "\n"
                      R"({"calc":"oscil","set":{"hs":"0.005","hd":"4"}})")
        << QByteArray(
               R"({"boxes":{"p":"","i":"x","v":"12","r":"","w":"","q":"","t":""},"fault":"Ampora could )"
               R"(not work out the Power.\nThe Current box does not hold a number.","reports":[{"title":)"
               R"("Basic Electricity","text":"Ampora could not work out the Power.\nThe Current box does )"
               R"(not hold a number."}]})"
               "\n"
               R"({"boxes":{"vs":"","vd":"","v":"","t":"0.02","hd":"4","hs":"0.005","f":"50",)"
               R"("w":"6000000"},"fault":"Leave one field blank!","reports":[{"title":"Error!","text":)"
               R"("Leave one field blank!"}]})"
               "\n")
        << 0;
    QTest::newRow("no lines") << QByteArray() << QByteArray() << 0;
}

void TestCalcBatch::goesOnInOrder() {
    QFETCH(QByteArray, lines);
    QFETCH(QByteArray, answers);
    QFETCH(int, status);
    const test::CalcRun run = test::RunCalc({"--json"}, lines);
    QCOMPARE(run.out, answers);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, status);
}

AMPORA_TEST(TestCalcBatch)
#include "tst_batch.moc"
