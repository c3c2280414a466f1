// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "request/calculation.h"
#include "request/form_events.h"
#include "request/json.h"
#include "request/share_link.h"
#include "support/test_registry.h"

#include <QStringList>
#include <QTest>

using namespace ampora;
using namespace ampora::request;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Settings as "name=text" lines, to compare and to print.
QStringList Lines(const Settings& settings) {
    QStringList lines;
    for (const auto& [name, text] : settings) lines << Q(name) + '=' + Q(text);
    return lines;
}

}  // namespace

// Share links, and the settings that come from them or from any other text a front end
// is given.
class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void readBackAsMade_data();
    void readBackAsMade();
    void readAsTheyStand_data();
    void readAsTheyStand();
    void settingsStrictlyAndLeniently_data();
    void settingsStrictlyAndLeniently();
    void eventsOfThePage_data();
    void eventsOfThePage();
};

// A link made for any texts reads back as those texts: reserved characters, blanks,
// markup and letters beyond ASCII.
void TestLinks::readBackAsMade_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("a number") << "4.7E-05"
                              << "4.7E-05";
    QTest::newRow("the reserved characters") << "a+b&c=d%e#f?g/h"
                                             << "a%2Bb%26c%3Dd%25e%23f%3Fg%2Fh";
    QTest::newRow("blanks") << " 1 000 "
                            << "%201%20000%20";
    QTest::newRow("markup") << "<b onclick=\"x()\">'1'</b>"
                            << "%3Cb%20onclick%3D%22x()%22%3E'1'%3C%2Fb%3E";
    QTest::newRow("letters beyond ASCII") << "µΩ 5€"
                                          << "%C2%B5%CE%A9%205%E2%82%AC";
    QTest::newRow("what a URL component keeps as it is") << "-_.!~*'()"
                                                         << "-_.!~*'()";
    QTest::newRow("a list's entry") << "Gold 5%"
                                    << "Gold%205%25";
}

void TestLinks::readBackAsMade() {
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    const Settings settings = {{"p", text.toStdString()}, {"v", "230"}};
    const std::string fragment = LinkFragment("pd", settings);
    QCOMPARE(Q(fragment), "#pd?p=" + encoded + "&v=230");
    const Link link = ParseLink(fragment);
    QCOMPARE(Q(link.name), QStringLiteral("pd"));
    QVERIFY(link.hasSettings);
    QCOMPARE(Lines(link.settings), Lines(settings));
}

// A link typed or cut by hand: what is not well encoded is taken as it stands, and the
// shape of the link decides the rest.
void TestLinks::readAsTheyStand_data() {
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hasSettings");
    QTest::addColumn<QStringList>("settings");
    QTest::newRow("a calculator alone") << "#res"
                                        << "res" << false << QStringList{};
    QTest::newRow("without its #") << "res?nc=2"
                                   << "res" << true << QStringList{"nc=2"};
    QTest::newRow("a ? with nothing after it") << "#res?"
                                               << "res" << true << QStringList{};
    QTest::newRow("a plus is a plus") << "#pd?p=1+2"
                                      << "pd" << true << QStringList{"p=1+2"};
    QTest::newRow("a name without = has the text \"\", empty pairs go")
        << "#pd?p&&v=2&"
        << "pd" << true << QStringList{"p=", "v=2"};
    QTest::newRow("only the first = divides") << "#pd?p=a=b"
                                              << "pd" << true << QStringList{"p=a=b"};
    QTest::newRow("a second ? is text") << "#pd?p=1?2"
                                        << "pd" << true << QStringList{"p=1?2"};
    QTest::newRow("a % without two digits after it") << "#pd?p=5%&v=%2"
                                                     << "pd" << true << QStringList{"p=5%", "v=%2"};
    QTest::newRow("a % before letters that are no digits") << "#pd?p=%zz1"
                                                           << "pd" << true << QStringList{"p=%zz1"};
    QTest::newRow("escapes that are no UTF-8") << "#pd?p=%C3&v=%ED%A0%80"
                                               << "pd" << true << QStringList{"p=%C3", "v=%ED%A0%80"};
    QTest::newRow("an encoded name") << "#%70d?%70=1"
                                     << "pd" << true << QStringList{"p=1"};
    QTest::newRow("markup in a name") << "#<img src=x>?<svg>=1"
                                      << "<img src=x>" << true << QStringList{"<svg>=1"};
}

void TestLinks::readAsTheyStand() {
    QFETCH(QString, fragment);
    QFETCH(QString, name);
    QFETCH(bool, hasSettings);
    QFETCH(QStringList, settings);
    const Link link = ParseLink(fragment.toStdString());
    QCOMPARE(Q(link.name), name);
    QCOMPARE(link.hasSettings, hasSettings);
    QCOMPARE(Lines(link.settings), settings);
}

// One function sets controls from texts: strictly, the first setting that fits nothing
// refuses them all; leniently (a link), it is left out and named.
void TestLinks::settingsStrictlyAndLeniently_data() {
    QTest::addColumn<QString>("calc");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("refused");      // strictly
    QTest::addColumn<QStringList>("ignored");  // leniently
    QTest::addColumn<QStringList>("kept");     // leniently, as a link keeps them
    QTest::newRow("boxes, a row by its caption's name, an option")
        << "res" << QStringList{"nc=2", "c0=60", "ct1=30", "pc=1"} << "" << QStringList{}
        << QStringList{"nc=2", "ct0=60", "ct1=30", "pc=1"};
    QTest::newRow("a list by its entry or by its position")
        << "rcc" << QStringList{"unit=4 - Yellow", "tens=7", "toller="} << "" << QStringList{}
        << QStringList{"unit=4 - Yellow", "tens=7 - Violet"};
    QTest::newRow("what fits nothing")
        << "rcc" << QStringList{"volts=1", "unit=Yellow", "Command1=1", "ans=5"}
        << "rcc has no box, option or list named \"volts\"" << QStringList{"volts", "unit", "Command1"}
        << QStringList{"ans=5"};
    QTest::newRow("an option is chosen with 1 only")
        << "res" << QStringList{"pc=yes", "nc=1"} << "the option \"pc\" is chosen with 1, not \"yes\""
        << QStringList{"pc"} << QStringList{"nc=1", "sc=1"};
    QTest::newRow("the scratch box is the form's own")
        << "res" << QStringList{"d=5", "nc=1"} << "res has no box, option or list named \"d\""
        << QStringList{"d"} << QStringList{"nc=1", "sc=1"};
    QTest::newRow("a control given twice: a mistake, or the later text")
        << "pd" << QStringList{"p=1", "v=2", "p=3"} << "\"p\" is set twice" << QStringList{}
        << QStringList{"p=3", "v=2"};
    QTest::newRow("a row given by its box and by its caption")
        << "fuse" << QStringList{"ct0=1", "c0=2"} << "\"c0\" sets \"ct0\" a second time" << QStringList{}
        << QStringList{"ct0=2"};
}

void TestLinks::settingsStrictlyAndLeniently() {
    QFETCH(QString, calc);
    QFETCH(QStringList, settings);
    QFETCH(QString, refused);
    QFETCH(QStringList, ignored);
    QFETCH(QStringList, kept);
    Settings given;
    for (const QString& s : settings)
        given.emplace_back(s.section('=', 0, 0).toStdString(), s.section('=', 1).toStdString());
    Calculations calculations;
    const FormBehaviour& form = *calculations.behaviour(calc.toStdString());

    FormView strict = form.opening();
    QCOMPARE(Q(ApplySettings(form, strict, given, Taken::Strictly).error), refused);

    FormView lenient = form.opening();
    const Applied applied = ApplySettings(form, lenient, given, Taken::Leniently);
    QCOMPARE(Q(applied.error), QString());
    QStringList names;
    for (const std::string& name : applied.ignored) names << Q(name);
    QCOMPARE(names, ignored);
    QCOMPARE(Lines(LinkSettings(form, lenient.state)), kept);
}

// The page's events, answered as the page draws them.
void TestLinks::eventsOfThePage_data() {
    QTest::addColumn<QByteArray>("event");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("a link opens with its settings, shows the rows its count covers and names what it ignored")
        << QByteArray(R"({"event":"link","link":"#fuse?nc=1&c0=2%2B3&x=1&si=1"})")
        << QByteArray(
               R"({"name":"fuse","calc":"fuse","hasSettings":true,"view":{"boxes":{"nc":"1","ct0":"2+3",)"
               R"("ct1":"","ct2":"","ct3":"","ct4":"","ct5":"","ct6":"","ct7":"","ct8":"","ct9":"","ans":""},)"
               R"("options":{},"lists":{},"hidden":["c1","c2","c3","c4","c5","c6","c7","c8","c9","ct1","ct2",)"
               R"("ct3","ct4","ct5","ct6","ct7","ct8","ct9","d"],"default":"Command2","si":true,"readings":{"nc":"1",)"
               R"("ct0":"read as 2 A"},"preferred":{}},"ignored":["x"]})");
    QTest::newRow("a link to no calculator names what it opens")
        << QByteArray(R"({"event":"link","link":"#trigono"})") << QByteArray(R"({"name":"trigono"})");
    QTest::newRow("a press: the view, its steps as lines, what it told")
        << QByteArray(R"({"calc":"cond","event":"click","control":"Command1","set":{"r":"<b>0</b>"}})")
        << QByteArray(
               R"({"view":{"boxes":{"r":"<b>0</b>","c":""},"options":{},"lists":{},"hidden":[],"default":"Command)"
               R"(1","si":false,"readings":{},"preferred":{}},"work":[{"line":"c = 1 / r = 1 / \"<b>0</b>\": The )"
               R"(Resistance box does not hold a number.","faulted":true}],"reports":[],"pressed":"#cond?r=%3Cb%3)"
               R"(E0%3C%2Fb%3E&press=1"})");
    QTest::newRow("a message under its title")
        << QByteArray(R"({"calc":"oscil","event":"click","control":"Command1","default":"Command1"})")
        << QByteArray(
               R"({"view":{"boxes":{"vs":"","vd":"","v":"","t":"","hd":"","hs":"","f":"","w":""},"options":{},"li)"
               R"(sts":{},"hidden":[],"default":"Command1","si":false,"readings":{},"preferred":{}},"work":[],"re)"
               R"(ports":[{"title":"Error!","text":"Leave one field blank!"}],"pressed":"#oscil?press=voltage"})");
    QTest::newRow("Reset keeps what is shown")
        << QByteArray(R"({"calc":"rcc","event":"click","control":"Command2","set":{"unit":"1","ans":"9"},)"
                      R"("hidden":["ans"],"default":"Command2"})")
        << QByteArray(
               R"({"view":{"boxes":{"ans":"","minv":"","maxv":""},"options":{},"lists":{"pten":"",)"
               R"("tens":"","toller":"","unit":""},"hidden":["ans"],"default":"Command2","si":false,"readings":{},)"
               R"("preferred":{}}})");
    QTest::newRow("a focus change answers the default only")
        << QByteArray(R"({"calc":"oscil","event":"focusin","control":"vd","default":"Command2"})")
        << QByteArray(R"({"default":"Command1"})");
    QTest::newRow("share: the link of the form as it stands")
        << QByteArray(R"({"calc":"res","event":"share","set":{"nc":"2","ct1":"a&b","pc":"1"},"si":true})")
        << QByteArray(R"({"link":"#res?nc=2&ct1=a%26b&pc=1&si=1"})");
    QTest::newRow("an edit: the default, the readings and the parts that fit")
        << QByteArray(
               R"({"calc":"res","event":"edited","control":"ct0","set":{"nc":"1","ct0":"10k"},"si":true,)"
               R"("default":"Command2"})")
        << QByteArray(
               R"({"default":"Command2","readings":{"nc":"1","ct0":"10 kΩ"},"preferred":{"ct0":{"E6":[)"
               R"({"value":"10000","reading":"10 kΩ","deviation":"0"}],"E12":[{"value":"10000","reading":)"
               R"("10 kΩ","deviation":"0"}],"E24":[{"value":"10000","reading":"10 kΩ","deviation":"0"}],)"
               R"("E48":[{"value":"10000","reading":"10 kΩ","deviation":"0"}],"E96":[{"value":"10000",)"
               R"("reading":"10 kΩ","deviation":"0"}],"E192":[{"value":"10000","reading":"10 kΩ",)"
               R"("deviation":"0"}],"bands":{"E24":["brown","black","orange","gold"],"E96":["brown",)"
               R"("black","black","red","brown"]}}}})");
    QTest::newRow("a link presses one press by its role, and names what it ignored")
        << QByteArray(R"({"event":"link","link":"#oscil?vs=2&vd=3&press=voltage&x=1"})")
        << QByteArray(
               R"({"name":"oscil","calc":"oscil","hasSettings":true,"view":{"boxes":{"vs":"2","vd":"3","v":"6","t)"
               R"(":"","hd":"","hs":"","f":"","w":""},"options":{},"lists":{},"hidden":[],"default":"Command2","s)"
               R"(i":false,"readings":{"vs":"2 V/div","vd":"3","v":"6 V"},"preferred":{}},"ignored":["x"],"work":)"
               R"([{"line":"v = vs * vd = 2 * 3 = 6","faulted":false}],"reports":[],"pressed":"#oscil?vs=2&vd=3&p)"
               R"(ress=voltage"})");
    QTest::newRow("a link with press=1 presses every press in turn")
        << QByteArray(R"({"event":"link","link":"#oscil?vs=2&vd=3&press=1"})")
        << QByteArray(
               R"({"name":"oscil","calc":"oscil","hasSettings":true,"view":{"boxes":{"vs":"2","vd":"3","v":"6","t)"
               R"(":"","hd":"","hs":"","f":"","w":""},"options":{},"lists":{},"hidden":[],"default":"Command2","s)"
               R"(i":false,"readings":{"vs":"2 V/div","vd":"3","v":"6 V"},"preferred":{}},"ignored":[],"work":[{")"
               R"(line":"v = vs * vd = 2 * 3 = 6","faulted":false}],"reports":[],"pressed":"#oscil?vs=2&vd=3&pres)"
               R"(s=1"})");
    QTest::newRow("a press it lacks presses nothing")
        << QByteArray(R"({"event":"link","link":"#oscil?vs=2&press=2"})")
        << QByteArray(
               R"({"name":"oscil","calc":"oscil","hasSettings":true,"view":{"boxes":{"vs":"2","vd":"","v":"","t":)"
               R"("","hd":"","hs":"","f":"","w":""},"options":{},"lists":{},"hidden":[],"default":"Command2","si")"
               R"(:false,"readings":{"vs":"2 V/div"},"preferred":{}},"ignored":["press"]})");
    QTest::newRow("share after a press: the link that presses, while the form shows what it left")
        << QByteArray(
               R"({"calc":"cond","event":"share","set":{"r":"4","c":"0.25"},"pressed":"#cond?r=4&press=1"})")
        << QByteArray(R"({"link":"#cond?r=4&press=1"})");
    QTest::newRow("share after a press and an edit: the form as it stands")
        << QByteArray(
               R"({"calc":"cond","event":"share","set":{"r":"5","c":"0.25"},"pressed":"#cond?r=4&press=1"})")
        << QByteArray(R"({"link":"#cond?r=5&c=0.25"})");
    QTest::newRow("what the page gets wrong is refused")
        << QByteArray(R"({"calc":"pd","event":"click","control":"calc","set":{"zz":"1"}})")
        << QByteArray(R"({"error":"pd has no box, option or list named \"zz\""})");
    QTest::newRow("an event with no name") << QByteArray(R"({"calc":"pd","event":"swipe"})")
                                           << QByteArray(R"({"error":"there is no event \"swipe\""})");
    QTest::newRow("no object")
        << QByteArray(R"([1])")
        << QByteArray(R"({"error":"column 2: a number; box texts are strings, such as \"100\""})");
}

void TestLinks::eventsOfThePage() {
    QFETCH(QByteArray, event);
    QFETCH(QByteArray, answer);
    Calculations calculations;
    // A press's solution is held to its renderings by the tests of solutions.
    json::Value answered = json::Parse(EventAnswer(calculations, event.toStdString()), json::Arrays::Read);
    auto& members = std::get<json::Object>(answered);
    std::erase_if(members, [](const json::Member& m) { return m.name == "solution"; });
    QCOMPARE(QByteArray::fromStdString(json::Write(answered)), answer);
}

AMPORA_TEST(TestLinks)
#include "tst_links.moc"
