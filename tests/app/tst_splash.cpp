// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/splash.h"
#include "support/test_registry.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace ampora;

namespace {

// A splash whose hand-over only counts; the test drives its ticks itself. The splash
// deletes itself when it closes.
struct Driven {
    int opened = 0;
    QPointer<Splash> splash = new Splash([this] { ++opened; });
    Driven() { splash->timer()->stop(); }
    ~Driven() { delete splash; }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) splash->tick();
    }
};

// Every text of the accessibility tree below `node`.
void Texts(QAccessibleInterface* node, QStringList& texts) {
    if (!node) return;
    if (node->role() == QAccessible::StaticText) texts << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) Texts(node->child(i), texts);
}

}  // namespace

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void loadStartsTheTimer();
    void tick_data();
    void tick();
    void progressNeverFallsAndFillsOnTheThirteenthTick();
    void mainWindowOpensOnceOnTheThirtyFirstTick();
    void versionComesFromTheBuild();
    void titleIsReadOnce();
    void endsAndLeavesNothingBehind_data();
    void endsAndLeavesNothingBehind();
};

void TestSplash::loadStartsTheTimer() {
    Splash splash([] {});
    QVERIFY(splash.timer()->isActive());
    QCOMPARE(splash.timer()->interval(), 100);
    QCOMPARE(splash.loading()->text(), QString());
    QCOMPARE(splash.progress()->value(), 0);
    QCOMPARE(splash.windowTitle(), QString());
}

void TestSplash::tick_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("progress");
    QTest::newRow("first tick") << 1 << "Module" << 4;
    QTest::newRow("second tick keeps the word") << 2 << "Module" << 8;
    QTest::newRow("third tick") << 3 << "Engineering Tools" << 15;
    QTest::newRow("fourth tick") << 4 << "Components" << 25;
    QTest::newRow("eighth tick") << 8 << "Computing Engine" << 60;
    QTest::newRow("twelfth tick") << 12 << "Formula..." << 85;
    QTest::newRow("thirteenth tick") << 13 << "Starting Program..." << 100;
    QTest::newRow("thirtieth tick changes nothing visible") << 30 << "Starting Program..." << 100;
}

void TestSplash::tick() {
    QFETCH(int, ticks);
    QFETCH(QString, caption);
    QFETCH(int, progress);
    Driven d;
    d.ticks(ticks);
    QCOMPARE(d.splash->loading()->text(), caption);
    QCOMPARE(d.splash->progress()->value(), progress);
    QCOMPARE(d.opened, 0);
}

void TestSplash::progressNeverFallsAndFillsOnTheThirteenthTick() {
    Driven d;
    int last = d.splash->progress()->value();
    for (int tick = 1; tick <= 30; ++tick) {
        d.splash->tick();
        const int value = d.splash->progress()->value();
        QVERIFY2(value >= last, qPrintable(QStringLiteral("tick %1").arg(tick)));
        QCOMPARE(value == 100, tick >= 13);
        QCOMPARE(d.splash->loading()->text() == QLatin1String("Starting Program..."), tick >= 13);
        last = value;
    }
}

void TestSplash::mainWindowOpensOnceOnTheThirtyFirstTick() {
    Driven d;
    d.splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.splash));
    d.splash->timer()->start();
    d.ticks(30);
    QCOMPARE(d.opened, 0);
    QVERIFY(d.splash->isVisible());
    d.splash->tick();
    QCOMPARE(d.opened, 1);
    QVERIFY(!d.splash->isVisible());
    QVERIFY(!d.splash->timer()->isActive());
}

void TestSplash::versionComesFromTheBuild() {
    Driven d;
    QCOMPARE(d.splash->version()->text(), QStringLiteral("Version ") + QStringLiteral(AMPORA_VERSION));
    QCOMPARE(d.splash->version()->text(), QStringLiteral("Version 1.0.6"));
    QCOMPARE(Splash::versionCaption(12, 0, 345), QStringLiteral("Version 12.0.345"));
    // The whole caption shows inside the frame, though it is longer than the design one.
    QLabel* version = d.splash->version();
    QVERIFY(version->width() >= version->sizeHint().width());
    QVERIFY(version->parentWidget()->contentsRect().contains(version->geometry()));
}

void TestSplash::titleIsReadOnce() {
    Driven d;
    d.splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.splash));
    QStringList texts;
    Texts(QAccessible::queryAccessibleInterface(d.splash), texts);
    for (const QString& title :
         {QStringLiteral("A"), QStringLiteral("MPORA"), QStringLiteral("(In S.I. Units)")})
        QVERIFY2(texts.count(title) == 1,
                 qPrintable(title + QLatin1String(" in ") + texts.join(QLatin1Char('|'))));
}

// However the splash ends, the main window opens once and the splash is gone: its
// window, timer, controls and accessible objects; the main window is the only window left.
void TestSplash::endsAndLeavesNothingBehind_data() {
    QTest::addColumn<int>("ticks");  // driven by hand before the end; -1: the real timer, made fast
    QTest::addColumn<int>("key");    // pressed to end it; 0: none
    QTest::addColumn<bool>("closed");
    QTest::newRow("31st tick") << -1 << 0 << false;
    QTest::newRow("a key before the first tick") << 0 << int(Qt::Key_Space) << false;
    QTest::newRow("a key while loading") << 5 << int(Qt::Key_A) << false;
    QTest::newRow("a key after the bar is full") << 20 << int(Qt::Key_Escape) << false;
    QTest::newRow("closed from outside") << 3 << 0 << true;
}

void TestSplash::endsAndLeavesNothingBehind() {
    QFETCH(int, ticks);
    QFETCH(int, key);
    QFETCH(bool, closed);
    std::unique_ptr<QWidget> main;
    int opened = 0;
    int timeouts = 0, handOverTick = 0;
    QPointer<Splash> splash = new Splash([&] {
        ++opened;
        // The splash's own handler runs before the counting one below.
        handOverTick = timeouts + 1;
        main = std::make_unique<QWidget>();
        main->show();
    });
    splash->timer()->stop();
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    const QPointer<QTimer> timer = splash->timer();
    const QPointer<QLabel> loading = splash->loading();
    const QAccessible::Id id = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(splash));
    connect(timer, &QTimer::timeout, [&] { ++timeouts; });

    for (int i = 0; i < ticks; ++i) splash->tick();
    if (ticks < 0) {
        splash->timer()->setInterval(1);
        splash->timer()->start();
    }
    if (key) QTest::keyClick(splash, Qt::Key(key));
    if (closed) splash->close();
    QTRY_VERIFY_WITH_TIMEOUT(!splash, 10000);
    QCOMPARE(opened, 1);
    QVERIFY(main->isVisible());
    QVERIFY(!timer);
    QVERIFY(!loading);
    QVERIFY(!QAccessible::accessibleInterface(id));
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{main.get()});
    if (ticks < 0) QCOMPARE(handOverTick, 31);
}

AMPORA_TEST(TestSplash)
#include "tst_splash.moc"
