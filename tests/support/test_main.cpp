// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_registry.h"
#include "widget_helpers.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace ampora::test {

std::vector<Factory>& Registry() {
    static std::vector<Factory> registry;
    return registry;
}

}  // namespace ampora::test

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
        failures += QTest::qExec(suite.get(), argc, argv);
    }
    if (guard.unexpected() > 0) {
        qWarning("%d unexpected modal window(s) appeared and were closed", guard.unexpected());
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
