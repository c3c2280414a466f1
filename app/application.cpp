#include "application.h"

#include "bench_probe.h"
#include "main_window.h"

#include <QApplication>

namespace ampora {

int RunAmpora(int argc, char** argv) {
    // No Qt::AA_ShareOpenGLContexts here: it would load the OpenGL driver into every run.
    // Opening the help viewer sets up the shared context on first use (gl_share.h).
    QApplication app(argc, argv);
    bench::WatchFirstExpose();
    QApplication::setApplicationName(QStringLiteral("Ampora"));
    QApplication::setApplicationVersion(QStringLiteral(AMPORA_VERSION));
    MainWindow window;
    window.show();
    return QApplication::exec();
}

}  // namespace ampora
