// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_registry.h"
#include "widget_helpers.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

namespace ampora::test {

std::vector<Factory>& Registry() {
    static std::vector<Factory> registry;
    return registry;
}

}  // namespace ampora::test

namespace {

// An exception that escapes a test function leaves Qt Test half-way through its run:
// the process ends here, failed, before anything else can hang.
[[noreturn]] void Escaped(const QObject& suite, const char* what) {
    std::fflush(stdout);
    std::fprintf(stderr, "FAIL!  : %s: an exception escaped a test function: %s\n",
                 suite.metaObject()->className(), what);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // `--suite=Name` runs only that suite; the other arguments go to Qt Test as usual.
    QString only;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (qstrncmp(argv[i], "--suite=", 8) == 0)
            only = QString::fromLocal8Bit(argv[i] + 8);
        else
            args.push_back(argv[i]);
    }
    // A crash ends the test at once, killed by its signal (or reported by the sanitizers).
    // Qt Test's crash handler would attach a debugger for a stack trace, which never
    // returns without a terminal, and even without the trace it returns into the faulting
    // instruction again and again.
    static char noCrashHandler[] = "-nocrashhandler";
    args.push_back(noCrashHandler);
    argc = int(args.size());
    args.push_back(nullptr);
    argv = args.data();
    QApplication app(argc, argv);
    // A modal box that no test expected would hang the run: answer it and fail.
    ampora::test::ModalGuard guard;
    int failures = 0;
    for (const auto& factory : ampora::test::Registry()) {
        std::unique_ptr<QObject> suite(factory());
        if (!only.isEmpty() && only != QLatin1String(suite->metaObject()->className())) continue;
        try {
            failures += QTest::qExec(suite.get(), argc, argv);
        } catch (const std::exception& e) {
            Escaped(*suite, e.what());
        } catch (...) {
            Escaped(*suite, "not a std::exception");
        }
    }
    if (guard.unexpected() > 0) {
        qWarning("%d unexpected modal window(s) appeared and were closed", guard.unexpected());
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
