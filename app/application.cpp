// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "bench_probe.h"
#include "help_viewer_loader.h"
#include "main_window.h"
#include "splash.h"

#include <QApplication>
#include <QPointer>

#include <memory>

namespace ampora {

int RunAmpora(int argc, char** argv) {
    // No Qt::AA_ShareOpenGLContexts here: it would load the OpenGL driver into every run.
    // Opening the help viewer sets up the shared context on first use (gl_share.h). As
    // root the browser runs without its sandbox, which must be settled before it starts.
    PrepareWebEngineEnvironment();
    QApplication app(argc, argv);
    bench::WatchFirstExpose();
    QApplication::setApplicationName(QStringLiteral("Ampora"));
    QApplication::setApplicationVersion(QStringLiteral(AMPORA_VERSION));

    std::unique_ptr<MainWindow> window;
    // The splash deletes itself when it closes, once the main window has taken over.
    const QPointer<Splash> splash = new Splash([&window] {
        window = std::make_unique<MainWindow>();
        window->show();
    });
    splash->show();
    const int status = QApplication::exec();
    delete splash;  // still there only when the loop ended before the hand-over
    return status;
}

}  // namespace ampora
