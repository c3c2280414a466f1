// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/browser_form.h"
#include "app/help_viewer_loader.h"
#include "app/main_window.h"
#include "calc/registry.h"
#include "core/component_list.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/component_list_form.h"
#include "ui/control_table.h"
#include "ui/working.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>

using namespace ampora;

namespace {

// A browser that loads nothing: each command starts a "load" that the test finishes. Like
// a real one it tells of the load's start before the command returns.
class FakeBrowser : public QWidget, public HelpBrowser {
public:
    explicit FakeBrowser(QWidget* parent) : QWidget(parent) {}

    QWidget* widget() override { return this; }
    void setNotifications(Notifications n) override { notify = std::move(n); }

    void navigate(const QUrl& address) override {
        history.resize(static_cast<std::size_t>(at + 1));
        history.push_back(address);
        ++at;
        ++navigations;
        startLoad();
    }
    bool goBack() override {
        if (at <= 0) return false;  // nothing to go back to
        --at;
        startLoad();
        return true;
    }
    bool goForward() override {
        if (at + 1 >= static_cast<int>(history.size())) return false;
        ++at;
        startLoad();
        return true;
    }
    bool refresh() override {
        startLoad();
        return true;
    }
    void stop() override {
        busy = false;
        ++stops;
    }
    QString locationName() const override {
        if (at < 0) return {};
        const QUrl address = history[static_cast<std::size_t>(at)];
        return busy ? address.toString() : QStringLiteral("Page ") + address.fragment();
    }

    void startLoad() {
        busy = true;
        if (notify.loadStarted) notify.loadStarted();
        if (notify.navigateComplete) notify.navigateComplete(history[static_cast<std::size_t>(at)]);
    }
    void finishLoad() {
        busy = false;
        if (notify.downloadComplete) notify.downloadComplete();
    }

    Notifications notify;
    std::vector<QUrl> history;
    int at = -1;
    int navigations = 0;
    int stops = 0;
    bool busy = false;
};

HelpBrowser* MakeFake(QWidget* parent) { return new FakeBrowser(parent); }

FakeBrowser* Fake(const BrowserForm& form) { return static_cast<FakeBrowser*>(form.browser()); }

QUrl Page(const char* fragment) {
    QUrl address = HelpPageUrl();
    address.setFragment(QString::fromLatin1(fragment));
    return address;
}

// Every caption the viewer shows from now on.
struct Captions {
    explicit Captions(QWidget* form) {
        QObject::connect(form, &QWidget::windowTitleChanged, form, [this](const QString& c) { seen << c; });
    }
    QStringList seen;
};

void Click(BrowserForm& form, const char* key) {
    QAction* action = form.toolBar()->findChild<QAction*>(QString::fromLatin1(key));
    QVERIFY(action);
    QWidget* button = form.toolBar()->widgetForAction(action);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// A main window whose only forms are the about box and a help viewer with the fake.
std::vector<FormEntry> FakeForms() {
    return {
        {"frmAbout", [](FormTable&) { return new QWidget; }},
        {"frmBrowser", [](FormTable&) { return new BrowserForm(MakeFake); }, true},
    };
}

bool WebEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return false;
    return maps.readAll().contains("libQt6WebEngine");
}

}  // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    // Runs first: nothing before "Help Online" may load the web engine.
    void realHelpPageLoadsOnDemand();
    void resizeRule_data();
    void resizeRule();
    void resizeRuleUsesTheChildWindowsOuterSize();
    void toolBarHasTheFourKeyedButtons();
    void openingShowsNoWorking();
    void commandShowsWorkingThenTheName();
    void stopShowsTheNameAtOnce();
    void backWithNoHistoryIsIgnored();
    void helpOnlineTwiceReusesTheViewer();
    void missingPluginSaysSo();
    void loaderReportsWhyItFailed();
    void manualIsSelfContained();
    void manualExamplesReadAsTheWorkingWindow();
};

void TestHelpViewer::realHelpPageLoadsOnDemand() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(!WebEngineMapped(), "the web engine is loaded before any help was asked for");

    window.findChild<QAction*>(QStringLiteral("mnuonhlp"))->trigger();
    QVERIFY(WebEngineMapped());
    auto* viewer = qobject_cast<BrowserForm*>(window.forms().form("frmBrowser"));
    QVERIFY2(viewer && viewer->browser(), "the help plugin did not load");
    QCOMPARE(viewer->browser()->widget()->objectName(), QStringLiteral("brwWebBrowser"));
    // Opening shows no "Working..."; the caption comes from the completion notices, and
    // names the page once it has loaded.
    Captions captions(viewer);
    QTRY_COMPARE_WITH_TIMEOUT(viewer->windowTitle(), QStringLiteral("Ampora Help"), 60000);
    QVERIFY2(!captions.seen.contains(QStringLiteral("Working...")),
             qPrintable(captions.seen.join(QLatin1Char('|'))));

    // An in-page link, then Back: a move within the page, which loads nothing; the caption
    // names the page.
    QWidget* view = viewer->browser()->widget();
    viewer->navigate(Page("conductance"));
    QTRY_COMPARE_WITH_TIMEOUT(view->property("url").toUrl().fragment(), QStringLiteral("conductance"), 60000);
    // The engine records the new history entry a little after the address changes: press
    // Back as a user would, again if the first press came too early.
    const auto backToTop = [&] {
        for (int attempt = 0; attempt < 30; ++attempt) {
            Click(*viewer, "Back");
            if (QTest::qWaitFor([&] { return view->property("url").toUrl().fragment().isEmpty(); }, 2000))
                return true;
        }
        return false;
    };
    QVERIFY(backToTop());
    QTRY_COMPARE_WITH_TIMEOUT(viewer->windowTitle(), QStringLiteral("Ampora Help"), 60000);

    // Back with nothing left to go back to changes nothing, and the caption names the page
    // at once.
    viewer->setWindowTitle(QString());
    Click(*viewer, "Back");
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Ampora Help"));
    QVERIFY(view->property("url").toUrl().fragment().isEmpty());

    // Refresh loads the page again: "Working..." until it has loaded.
    captions.seen.clear();
    Click(*viewer, "Refresh");
    QTRY_COMPARE_WITH_TIMEOUT(captions.seen.value(captions.seen.size() - 1), QStringLiteral("Ampora Help"),
                              60000);
    QCOMPARE(captions.seen.value(0), QStringLiteral("Working..."));

    // Closed and opened again, help starts afresh at the top of the manual: the browser
    // the closed viewer leaves behind is reused, but none of its pages are remembered.
    viewer->navigate(Page("conductance"));
    QTRY_COMPARE_WITH_TIMEOUT(view->property("url").toUrl().fragment(), QStringLiteral("conductance"), 60000);
    QTest::qWait(300);
    qobject_cast<QWidget*>(viewer->parent())->close();
    QTRY_VERIFY(!window.forms().form("frmBrowser"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window.findChild<QAction*>(QStringLiteral("mnuonhlp"))->trigger();
    viewer = qobject_cast<BrowserForm*>(window.forms().form("frmBrowser"));
    QVERIFY(viewer && viewer->browser());
    view = viewer->browser()->widget();
    QCOMPARE(view->objectName(), QStringLiteral("brwWebBrowser"));
    QVERIFY(view->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(viewer->windowTitle(), QStringLiteral("Ampora Help"), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(view->property("url").toUrl().fragment().isEmpty(), 60000);
    Click(*viewer, "Back");
    QTest::qWait(500);
    QVERIFY(view->property("url").toUrl().fragment().isEmpty());
    int views = 0;
    for (const QWidget* w : window.findChildren<QWidget*>())
        if (w->inherits("QWebEngineView")) ++views;
    QCOMPARE(views, 1);
}

void TestHelpViewer::resizeRule_data() {
    QTest::addColumn<QSize>("window");   // twips
    QTest::addColumn<QSize>("browser");  // twips
    QTest::newRow("design size") << QSize(6540, 5130) << QSize(6340, 3930);
    QTest::newRow("larger window") << QSize(9000, 7500) << QSize(8800, 6300);
    QTest::newRow("narrower than 200 keeps the size") << QSize(180, 5130) << QSize(6340, 3930);
    QTest::newRow("lower than 200 keeps the size") << QSize(6540, 180) << QSize(6340, 3930);
    QTest::newRow("too low for a browser keeps the height") << QSize(3000, 900) << QSize(2800, 3930);
}

void TestHelpViewer::resizeRule() {
    QFETCH(QSize, window);
    QFETCH(QSize, browser);
    BrowserForm form(MakeFake);
    // Without a frame the window's outer size is its client size.
    form.setWindowFlag(Qt::FramelessWindowHint);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(Px(6540), Px(5130));
    form.resize(Px(window.width()), Px(window.height()));
    QWidget* view = form.browser()->widget();
    QCOMPARE(view->size(), QSize(Px(browser.width()), Px(browser.height())));
    QCOMPARE(view->pos(), QPoint(Px(45), Px(615)));
}

void TestHelpViewer::resizeRuleUsesTheChildWindowsOuterSize() {
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    auto* form = new BrowserForm(MakeFake);
    QMdiSubWindow* frame = area.addSubWindow(form);
    frame->show();
    frame->resize(Px(6540), Px(5130));
    QCOMPARE(form->browser()->widget()->size(), QSize(Px(6340), Px(3930)));
    // The browser stays inside the child window's client area.
    QVERIFY(form->rect().contains(form->browser()->widget()->geometry()));
}

void TestHelpViewer::toolBarHasTheFourKeyedButtons() {
    BrowserForm form(MakeFake);
    QStringList keys;
    for (QAction* action : form.toolBar()->actions()) {
        keys << action->objectName();
        QCOMPARE(action->text(), action->objectName());
        QVERIFY(!action->icon().isNull());
    }
    QCOMPARE(keys, (QStringList{"Back", "Forward", "Stop", "Refresh"}));
    QCOMPARE(test::RunningTimers(&form), QStringList());
}

void TestHelpViewer::openingShowsNoWorking() {
    BrowserForm form(MakeFake);
    Captions captions(&form);
    form.navigate(Page("start"));
    // The navigation notice names the address; the download notice the finished page.
    QCOMPARE(form.windowTitle(), Page("start").toString());
    Fake(form)->finishLoad();
    QCOMPARE(form.windowTitle(), QStringLiteral("Page start"));
    QCOMPARE(captions.seen, QStringList({Page("start").toString(), QStringLiteral("Page start")}));
}

void TestHelpViewer::commandShowsWorkingThenTheName() {
    BrowserForm form(MakeFake);
    FakeBrowser* fake = Fake(form);
    form.navigate(Page("one"));
    fake->finishLoad();
    form.navigate(Page("two"));
    fake->finishLoad();

    // The browser moves to the address before the page has loaded: still "Working...".
    Click(form, "Back");
    QCOMPARE(form.windowTitle(), QStringLiteral("Working..."));
    fake->finishLoad();
    QCOMPARE(form.windowTitle(), QStringLiteral("Page one"));
    // Nothing keeps running while the viewer waits for the next command.
    QCOMPARE(test::RunningTimers(&form), QStringList());

    Click(form, "Forward");
    QCOMPARE(form.windowTitle(), QStringLiteral("Working..."));
    fake->finishLoad();
    QCOMPARE(form.windowTitle(), QStringLiteral("Page two"));
    QCOMPARE(test::RunningTimers(&form), QStringList());

    // A page loaded by other means (a link) shows no "Working...".
    form.setWindowTitle(QString());
    fake->startLoad();
    QCOMPARE(form.windowTitle(), Page("two").toString());
}

void TestHelpViewer::stopShowsTheNameAtOnce() {
    BrowserForm form(MakeFake);
    FakeBrowser* fake = Fake(form);
    form.navigate(Page("one"));
    fake->finishLoad();
    Click(form, "Refresh");
    QCOMPARE(form.windowTitle(), QStringLiteral("Working..."));
    Click(form, "Stop");
    QCOMPARE(fake->stops, 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("Page one"));
    // The stopped load's end, when the browser reports one, changes nothing.
    fake->finishLoad();
    QCOMPARE(form.windowTitle(), QStringLiteral("Page one"));
    QCOMPARE(test::RunningTimers(&form), QStringList());
}

void TestHelpViewer::backWithNoHistoryIsIgnored() {
    BrowserForm form(MakeFake);
    FakeBrowser* fake = Fake(form);
    form.navigate(Page("only"));
    fake->finishLoad();
    form.setWindowTitle(QStringLiteral("something else"));
    Click(form, "Back");
    QCOMPARE(fake->at, 0);
    QCOMPARE(form.windowTitle(), QStringLiteral("Page only"));
    // No load started, so none is waited for: a later one shows no "Working...".
    fake->startLoad();
    QCOMPARE(form.windowTitle(), Page("only").toString());

    // Without any browser every command is ignored too.
    BrowserForm empty(nullptr);
    QVERIFY(!empty.browser());
    empty.navigate(Page("only"));
    Click(empty, "Back");
    Click(empty, "Stop");
    empty.resize(400, 400);
    QCOMPARE(empty.windowTitle(), QString());
}

void TestHelpViewer::helpOnlineTwiceReusesTheViewer() {
    MainWindow window(FakeForms());
    window.setHelpLoader([] { return HelpPlugin{MakeFake, {}}; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    window.openHelp();
    auto* viewer = qobject_cast<BrowserForm*>(window.forms().form("frmBrowser"));
    QVERIFY(viewer);
    QCOMPARE(Fake(*viewer)->history.back(), HelpPageUrl());
    window.forms().open("frmAbout");
    QVERIFY(window.area()->activeSubWindow()->widget() != viewer);

    window.findChild<QAction*>(QStringLiteral("mnuonhlp"))->trigger();
    QCOMPARE(window.forms().form("frmBrowser"), viewer);
    QCOMPARE(window.area()->activeSubWindow()->widget(), viewer);
    QCOMPARE(Fake(*viewer)->navigations, 2);
    QCOMPARE(window.area()->subWindowList().size(), 2);
}

void TestHelpViewer::missingPluginSaysSo() {
    MainWindow window(FakeForms());
    window.setHelpLoader([] { return HelpPlugin{nullptr, QStringLiteral("libampora_help.so: not found")}; });
    window.show();
    test::MessageBoxCatcher catcher;
    window.findChild<QAction*>(QStringLiteral("mnuonhlp"))->trigger();
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.text(), QStringLiteral("The help viewer could not be loaded, so help cannot be shown."));
    QVERIFY(!window.forms().form("frmBrowser"));
}

void TestHelpViewer::loaderReportsWhyItFailed() {
    const HelpPlugin plugin = LoadHelpPlugin({QStringLiteral("/nonexistent/ampora")});
    QVERIFY(!plugin.create);
    QVERIFY(plugin.error.contains(QStringLiteral("ampora_help")));
    QVERIFY(!LoadHelpPlugin({}).error.isEmpty());
}

void TestHelpViewer::manualIsSelfContained() {
    QFile file(QStringLiteral(AMPORA_HELP_PAGE_SOURCE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    QVERIFY(page.contains(QStringLiteral("<title>Ampora Help</title>")));
    // Works with no network and runs nothing.
    QVERIFY(!page.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
    QVERIFY(!page.contains(QStringLiteral("http:"), Qt::CaseInsensitive));
    QVERIFY(!page.contains(QStringLiteral("https:"), Qt::CaseInsensitive));
    QVERIFY(!page.contains(QStringLiteral("src="), Qt::CaseInsensitive));

    // Every in-page link leads somewhere, and every calculator has its section.
    const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (auto it = link.globalMatch(page); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        QVERIFY2(page.contains(QStringLiteral("id=\"%1\"").arg(target)), qPrintable(target));
    }
    QVERIFY(links >= 17);
    for (const char* section :
         {"basic", "resistance", "capacitance", "colour", "ac", "conductance", "fuse", "magnetism",
          "inductance", "transformer", "oscilloscope", "ammeter", "triangle", "circle"})
        QVERIFY2(page.contains(QStringLiteral("<h2 id=\"%1\">").arg(QLatin1String(section))), section);
}

// Each calculator's worked example in the manual gives the steps its Working window
// shows once the example is typed in and pressed, to the last digit.
void TestHelpViewer::manualExamplesReadAsTheWorkingWindow() {
    QFile file(QStringLiteral(AMPORA_HELP_PAGE_SOURCE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    const QRegularExpression example(QStringLiteral("<pre data-calc=\"([^\"]+)\">([^<]*)</pre>"));
    qsizetype examples = 0;
    for (auto it = example.globalMatch(page); it.hasNext(); ++examples) {
        const auto match = it.next();
        const FormDecl* calculator = FindCalculator(match.captured(1).toStdString());
        QVERIFY2(calculator, qPrintable(match.captured(1)));
        const std::unique_ptr<CalcForm> form(MakeForm(*calculator));
        for (const Setting& s : calculator->example.settings) {
            const QString text = QString::fromUtf8(s.text);
            if (QLineEdit* box = form->box(s.control)) box->setText(text);
            if (QComboBox* list = form->list(s.control)) list->setCurrentText(text);
            if (QRadioButton* option = form->option(s.control))
                option->setChecked(text == QLatin1String("1"));
            if (s.control == std::string_view(component_list::kCountBox))
                form->button(component_list::kOk)->click();
        }
        form->button(calculator->example.press)->click();
        form->working()->open();
        // The steps; the readings follow them after a blank line.
        QCOMPARE(form->working()->window()->text().section(QStringLiteral("\n\n"), 0, 0), match.captured(2));
    }
    QCOMPARE(examples, qsizetype(Calculators().size()));

    // The solution of an example, in each rendering, is the one its Working window hands in.
    const QRegularExpression solution(
        QStringLiteral("<pre data-calc=\"([^\"]+)\" data-solution=\"([^\"]+)\">([^<]*)</pre>"));
    QStringList renderings;
    for (auto it = solution.globalMatch(page); it.hasNext();) {
        const auto match = it.next();
        const std::unique_ptr<CalcForm> form(MakeForm(*FindCalculator(match.captured(1).toStdString())));
        for (const Setting& s : form->declaration()->example.settings)
            form->box(s.control)->setText(QString::fromUtf8(s.text));
        form->button(form->declaration()->example.press)->click();
        form->working()->open();
        QString shown = match.captured(3);
        shown.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        const auto rendering = RenderingNamed(match.captured(2).toStdString());
        QVERIFY(rendering);
        QCOMPARE(shown + '\n', form->working()->window()->solution(*rendering));
        renderings << match.captured(2);
    }
    QCOMPARE(renderings, QStringList({"text", "markdown", "latex"}));
}

AMPORA_TEST(TestHelpViewer)
#include "tst_help_viewer.moc"
