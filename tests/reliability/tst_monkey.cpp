// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"
#include "reliability_support.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <random>
#include <thread>

using namespace ampora;

namespace {

// Aborts the run when one event takes longer than its limit: a hang in a handler never
// returns to the test, so only another thread can notice it.
class Watchdog {
public:
    Watchdog(std::chrono::seconds limit, unsigned long long seed) : limit_(limit), seed_(seed) {
        thread_ = std::thread([this] { watch(); });
    }
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    // Starts the clock for the next event.
    void arm(int index, const QString& what) {
        const std::lock_guard lock(mutex_);
        index_ = index;
        what_ = what.toStdString();
        deadline_ = std::chrono::steady_clock::now() + limit_;
    }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        while (!stop_) {
            wake_.wait_for(lock, std::chrono::milliseconds(200));
            if (!stop_ && index_ >= 0 && std::chrono::steady_clock::now() > deadline_) {
                std::fprintf(stderr, "monkey: event %d (%s) did not finish within %lld s; seed %llu\n",
                             index_, what_.c_str(), static_cast<long long>(limit_.count()), seed_);
                std::abort();
            }
        }
    }

    const std::chrono::seconds limit_;
    const unsigned long long seed_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    int index_ = -1;
    std::string what_;
    std::chrono::steady_clock::time_point deadline_;
    std::thread thread_;
};

// Texts users type by mistake or on purpose. None holds the letter "n", so a box
// showing "inf" or "nan" can only have been written by the program.
const QString kHostile[] = {
    QString(),
    QStringLiteral(" "),
    QStringLiteral("   "),
    QStringLiteral("\t"),
    QStringLiteral("abc"),
    QStringLiteral("1E308"),
    QStringLiteral("-1E308"),
    QStringLiteral("1E309"),
    QStringLiteral("1E-308"),
    QStringLiteral("1E-320"),
    QStringLiteral("4.9E-324"),
    QStringLiteral("0"),
    QStringLiteral("-0"),
    QStringLiteral("0.0"),
    QStringLiteral("1.2.3"),
    QStringLiteral("5V"),
    QStringLiteral("10k"),
    QStringLiteral("1,5"),
    QStringLiteral("1 000"),
    QStringLiteral("+"),
    QStringLiteral("-"),
    QStringLiteral("."),
    QStringLiteral("E"),
    QStringLiteral("1E"),
    QStringLiteral("1E+"),
    QStringLiteral("32767.5"),
    QStringLiteral("-32768.5"),
    QStringLiteral("2147483648"),
    QStringLiteral("1E+15"),
    QStringLiteral("  7  "),
    QString::fromUtf8("\u0664\u0662"),
    QString::fromUtf8("\u03a9"),
    QString::fromUtf8("\u00b5F"),
    QString::fromUtf8("\u4e2d\u6587"),
    QString::fromUtf8("\U0001F600"),
    QString(3000, QLatin1Char('9')),
    QStringLiteral("0.") + QString(2000, QLatin1Char('0')) + QStringLiteral("1"),
    QStringLiteral("1") + QString(400, QLatin1Char('0')),
};

const QString kAlphabet = QString::fromUtf8("0123456789.+-eE abcdghjklmopqrstuvwxyz,*/\u00b5\u03a9\u0664");

class Monkey {
public:
    Monkey(MainWindow& window, unsigned long long seed) : window_(window), random_(seed) {}

    // Drives one random user event and returns what it was. When the event picked has
    // nothing to act on (no list open, say), a form is opened from the menus instead.
    QString step() {
        const QString what = pick();
        if (!what.startsWith(QLatin1String("no "))) return what;
        return openFromMenu();
    }

    // A box holding an infinity or a NaN, if any.
    QString badBox() const {
        for (QMdiSubWindow* sub : test::OpenWindows(window_.area())) {
            const auto boxes = sub->widget()->findChildren<QLineEdit*>();
            for (const QLineEdit* box : boxes) {
                const QString text = box->text();
                if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
                    text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
                    return sub->widget()->objectName() + "." + box->objectName() + " = " + text;
            }
        }
        return {};
    }

    const QSet<QString>& skipped() const { return skipped_; }

private:
    QString pick() {
        const int pick = below(100);
        if (pick < 6) return openFromMenu();
        if (pick < 12) return clickIn(panel(), "panel");
        if (pick < 42) return type();
        if (pick < 54) return pressEnter();
        if (pick < 70) return clickIn(formWith<QPushButton>(), "form");
        if (pick < 76) return chooseOption();
        if (pick < 82) return chooseFromList();
        if (pick < 88) return tab();
        if (pick < 93) return activate();
        return close();
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    template <typename T>
    T* any(const QList<T*>& list) {
        return list.isEmpty() ? nullptr : list[below(int(list.size()))];
    }

    QWidget* panel() const {
        for (QMdiSubWindow* sub : test::OpenWindows(window_.area()))
            if (sub->widget()->objectName() == QLatin1String("Form1")) return sub->widget();
        return nullptr;
    }

    QWidget* someForm() {
        QMdiSubWindow* sub = any(test::OpenWindows(window_.area()));
        return sub ? sub->widget() : nullptr;
    }

    // A random open form with a usable control of type T.
    template <typename T>
    QWidget* formWith() {
        QList<QWidget*> forms;
        for (QMdiSubWindow* sub : test::OpenWindows(window_.area()))
            if (!controls<T>(sub->widget()).isEmpty()) forms.append(sub->widget());
        return any(forms);
    }

    // The usable controls of one type in a form.
    template <typename T>
    QList<T*> controls(QWidget* form) const {
        QList<T*> usable;
        if (!form) return usable;
        const auto all = form->findChildren<T*>();
        for (T* c : all)
            if (c->isVisibleTo(form) && c->isEnabled()) usable.append(c);
        return usable;
    }

    // "form.control", the form being the child window's widget.
    static QString name(const QWidget* w) {
        const QWidget* form = w;
        while (form->parentWidget() && !qobject_cast<const QMdiSubWindow*>(form->parentWidget()))
            form = form->parentWidget();
        return form->objectName() + "." + w->objectName();
    }

    QString text() {
        const int kind = below(100);
        if (kind < 35) return kHostile[below(int(std::size(kHostile)))];
        if (kind < 50) return QString::number(1 + below(12));
        if (kind < 85) {
            const double mantissa = std::uniform_real_distribution<double>(-10, 10)(random_);
            const int exponent = below(61) - 30;
            const char format = "gef"[below(3)];
            return QString::number(mantissa * std::pow(10.0, exponent), format, below(17));
        }
        QString s;
        const int length = below(13);
        for (int i = 0; i < length; ++i) s += kAlphabet[below(int(kAlphabet.size()))];
        return s;
    }

    QString openFromMenu() {
        QList<QAction*> actions = test::FormActions(window_);
        actions.removeIf([this](QAction* a) { return skipped_.contains(a->objectName()); });
        QAction* action = any(actions);
        if (!action) return QStringLiteral("no menu item");
        action->trigger();
        // The help viewer's engine runs in processes of its own and fetches pages; it is
        // left to the no-files test rather than opened thousands of times here.
        if (QMdiSubWindow* active = window_.area()->activeSubWindow();
            active && active->widget() && test::HostsWebView(active->widget())) {
            skipped_.insert(action->objectName());
            active->close();
        }
        return QStringLiteral("menu ") + action->objectName();
    }

    QString clickIn(QWidget* form, const char* where) {
        QPushButton* button = any(controls<QPushButton>(form));
        if (!button) return QStringLiteral("no button in ") + where;
        const QString what = QStringLiteral("click ") + name(button) + " \"" + button->text() + "\"";
        QTest::mouseClick(button, Qt::LeftButton);
        return what;
    }

    QString type() {
        QLineEdit* box = any(controls<QLineEdit>(formWith<QLineEdit>()));
        if (!box) return QStringLiteral("no box");
        const QString t = text();
        const QString what =
            QStringLiteral("type %1 chars into ").arg(t.size()) + name(box) + ": " + t.left(40);
        if (t.size() <= 64) {
            test::TypeInto(box, t);
        } else {
            // A long text arrives in one key event, as a paste or an input method sends it;
            // key by key it would spend the run relaying out one line.
            test::TypeInto(box, QString());
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, t, Qt::NoModifier);
        }
        if (below(3) == 0) test::PressEnter(box);
        return what;
    }

    QString pressEnter() {
        QWidget* form = formWith<QWidget>();
        QList<QWidget*> targets;
        for (QLineEdit* w : controls<QLineEdit>(form)) targets.append(w);
        for (QComboBox* w : controls<QComboBox>(form)) targets.append(w);
        for (QRadioButton* w : controls<QRadioButton>(form)) targets.append(w);
        for (QPushButton* w : controls<QPushButton>(form)) targets.append(w);
        QWidget* target = any(targets);
        if (!target) return QStringLiteral("no control to press Enter in");
        target->setFocus();
        test::PressEnter(target);
        return QStringLiteral("Enter in ") + name(target);
    }

    QString chooseOption() {
        QRadioButton* option = any(controls<QRadioButton>(formWith<QRadioButton>()));
        if (!option) return QStringLiteral("no option button");
        QTest::mouseClick(option, Qt::LeftButton);
        return QStringLiteral("option ") + name(option);
    }

    QString chooseFromList() {
        QComboBox* list = any(controls<QComboBox>(formWith<QComboBox>()));
        if (!list) return QStringLiteral("no list");
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
        const Qt::Key key = keys[below(int(std::size(keys)))];
        list->setFocus();
        QTest::keyClick(list, key);
        return QStringLiteral("key %1 in list ").arg(int(key)) + name(list);
    }

    QString tab() {
        QWidget* form = someForm();
        if (!form) return QStringLiteral("no form to tab in");
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = focus && form->isAncestorOf(focus) ? focus : form;
        QTest::keyClick(target, Qt::Key_Tab, below(2) ? Qt::NoModifier : Qt::ShiftModifier);
        return QStringLiteral("tab in ") + form->objectName();
    }

    QString activate() {
        QMdiSubWindow* sub = any(test::OpenWindows(window_.area()));
        if (!sub) return QStringLiteral("no window to activate");
        window_.area()->setActiveSubWindow(sub);
        return QStringLiteral("activate ") + sub->widget()->objectName();
    }

    QString close() {
        QMdiSubWindow* sub = any(test::OpenWindows(window_.area()));
        if (!sub) return QStringLiteral("no window to close");
        const QString what = QStringLiteral("close ") + sub->widget()->objectName();
        sub->close();
        return what;
    }

    MainWindow& window_;
    std::mt19937_64 random_;
    QSet<QString> skipped_;
};

// An exception thrown in an event handler that Qt caught on its way out shows up only
// as a warning; the monkey fails on it.
std::atomic<int> gExceptionWarnings{0};
QtMessageHandler gPreviousHandler = nullptr;

void NoteExceptions(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("exception"), Qt::CaseInsensitive)) ++gExceptionWarnings;
    if (gPreviousHandler) gPreviousHandler(type, context, message);
}

// An exception that escapes through Qt's event loop ends in std::terminate.
std::atomic<unsigned long long> gSeed{0};

[[noreturn]] void TerminateWithSeed() {
    std::fprintf(stderr, "monkey: terminated (an exception escaped to the event loop?); seed %llu\n",
                 gSeed.load());
    std::abort();
}

}  // namespace

// Random user events on the real main window: opening forms from the menus and the
// panel, typing hostile texts, pressing Enter and every button, switching options and
// lists, moving the focus, closing and reopening. Nothing may crash, hang, throw or
// leave an infinity or a NaN in a box. AMPORA_MONKEY_SEED replays a run,
// AMPORA_MONKEY_EVENTS changes its length.
class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomUserEvents();
};

void TestMonkey::randomUserEvents() {
    const unsigned long long seed = qEnvironmentVariableIsSet("AMPORA_MONKEY_SEED")
                                        ? qEnvironmentVariable("AMPORA_MONKEY_SEED").toULongLong()
                                        : std::random_device{}();
    const int events = qEnvironmentVariableIsSet("AMPORA_MONKEY_EVENTS")
                           ? qEnvironmentVariableIntValue("AMPORA_MONKEY_EVENTS")
                           : 20000;
    qInfo("monkey seed %llu (replay with AMPORA_MONKEY_SEED=%llu), %d events", seed, seed, events);
    std::fprintf(stderr, "monkey seed %llu\n", seed);

    gSeed = seed;
    const std::terminate_handler previousTerminate = std::set_terminate(TerminateWithSeed);
    gPreviousHandler = qInstallMessageHandler(NoteExceptions);
    const auto restore = qScopeGuard([previousTerminate] {
        qInstallMessageHandler(gPreviousHandler);
        std::set_terminate(previousTerminate);
    });

    test::MessageBoxCatcher answers;
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Monkey monkey(window, seed);
    Watchdog watchdog(std::chrono::seconds(test::kSanitized ? 60 : 15), seed);

    QElapsedTimer clock;
    clock.start();
    int boxesAnswered = 0;
    QMap<QString, int> tally;  // events by their first word, for the closing line
    for (int i = 0; i < events; ++i) {
        watchdog.arm(i, QStringLiteral("starting"));
        QString what;
        try {
            what = monkey.step();
            watchdog.arm(i, what);
            QApplication::processEvents();
        } catch (const std::exception& e) {
            QFAIL(qPrintable(QStringLiteral("event %1 (%2) threw: %3; seed %4")
                                 .arg(i)
                                 .arg(what, QString::fromUtf8(e.what()))
                                 .arg(seed)));
        } catch (...) {
            QFAIL(qPrintable(QStringLiteral("event %1 (%2) threw; seed %3").arg(i).arg(what).arg(seed)));
        }
        ++tally[what.section(QLatin1Char(' '), 0, 0)];
        const QString bad = monkey.badBox();
        QVERIFY2(
            bad.isEmpty(),
            qPrintable(QStringLiteral("after event %1 (%2): %3; seed %4").arg(i).arg(what, bad).arg(seed)));
        if (answers.count() != boxesAnswered) {
            boxesAnswered = answers.count();
            const QString said = answers.text();
            QVERIFY2(!said.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                         !said.contains(QLatin1String("nan"), Qt::CaseInsensitive),
                     qPrintable(QStringLiteral("after event %1 (%2) a message said: %3; seed %4")
                                    .arg(i)
                                    .arg(what, said)
                                    .arg(seed)));
        }
        QVERIFY2(gExceptionWarnings == 0,
                 qPrintable(QStringLiteral("an exception reached Qt at event %1 (%2); seed %3")
                                .arg(i)
                                .arg(what)
                                .arg(seed)));
    }
    watchdog.arm(-1, {});
    qInfo("monkey: %d events in %.1f s, %d message boxes answered, forms left to other tests: %s", events,
          clock.elapsed() / 1000.0, answers.count(),
          qPrintable(QStringList(monkey.skipped().values()).join(", ")));
    QStringList counts;
    for (auto it = tally.cbegin(); it != tally.cend(); ++it)
        counts << it.key() + QStringLiteral(" %1").arg(it.value());
    qInfo("monkey events: %s", qPrintable(counts.join(QStringLiteral(", "))));
    test::CloseAll(window);
}

AMPORA_TEST(TestMonkey)
#include "tst_monkey.moc"
