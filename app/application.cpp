#include "application.h"

#include "main_window.h"

#include <QApplication>

namespace ampora {

int RunAmpora(int argc, char** argv) {
    // The help viewer's browser shares OpenGL contexts; this must be set before the
    // application object exists, without loading the browser itself.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ampora"));
    QApplication::setApplicationVersion(QStringLiteral(AMPORA_VERSION));
    MainWindow window;
    window.show();
    return QApplication::exec();
}

}  // namespace ampora
