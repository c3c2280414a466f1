// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench_probe.h"

#include "first_expose.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace ampora::bench {
namespace {

// CPU time of the whole process so far: on a busy machine a steadier measure of the work
// done before the first window than the wall clock.
long long CpuMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) { return t.tv_sec * 1000000LL + t.tv_usec; };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

// The viewer shows "Working..." while it loads and the page's name once it has.
class HelpCaptionWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The form `frmBrowser` or its child window `frmBrowserWindow`, whichever is titled.
        if (event->type() == QEvent::WindowTitleChange && watched->isWidgetType() &&
            watched->objectName().startsWith(QLatin1String("frmBrowser"))) {
            const QString caption = static_cast<QWidget*>(watched)->windowTitle();
            if (!caption.isEmpty() && caption != QLatin1String("Working...")) {
                Stamp("help-loaded");
                QCoreApplication::instance()->removeEventFilter(this);
                deleteLater();
            }
        }
        return false;
    }
};

}  // namespace

bool TimestampsRequested() { return qEnvironmentVariableIsSet("AMPORA_BENCH_TIMESTAMPS"); }

bool OpenAllRequested() { return qEnvironmentVariableIsSet("AMPORA_BENCH_OPEN_ALL"); }

bool OpenHelpRequested() { return qEnvironmentVariableIsSet("AMPORA_BENCH_OPEN_HELP"); }

bool Requested() { return TimestampsRequested() || OpenAllRequested() || OpenHelpRequested(); }

void Stamp(const char* what, long long value) {
    if (!TimestampsRequested()) return;
    // Wall-clock microseconds: the clock of bash's $EPOCHREALTIME, which the benchmark
    // reads just before it execs the program.
    using namespace std::chrono;
    const auto now = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    std::fprintf(stderr, "ampora-bench %s %lld %lld\n", what, static_cast<long long>(now), value);
    std::fflush(stderr);
}

void WatchFirstExpose() {
    if (!TimestampsRequested()) return;
    AfterFirstExpose([] { Stamp("first-expose", CpuMicroseconds()); });
}

void WatchHelpCaption() {
    if (!TimestampsRequested()) return;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new HelpCaptionWatcher(app));
}

void AfterMainWindow(QMainWindow& window, std::function<int()> openAll, const char* help) {
    if (!Requested()) return;
    // After the window is shown and its first events are handled.
    QMetaObject::invokeMethod(
        &window,
        [&window, openAll = std::move(openAll), help] {
            Stamp("ready", OpenAllRequested() ? openAll() : 0);
            if (!OpenHelpRequested()) return;
            QAction* item = window.menuBar()->findChild<QAction*>(QString::fromLatin1(help));
            if (!item || !item->isEnabled()) {
                Stamp("help-unavailable");
                return;
            }
            WatchHelpCaption();
            Stamp("help-open");
            item->trigger();
        },
        Qt::QueuedConnection);
}

}  // namespace ampora::bench
