#include "application.h"

#include "help_viewer_loader.h"
#include "main_window.h"
#include "splash.h"

#include <QApplication>

#include <memory>

namespace ampora {

int RunAmpora(int argc, char** argv) {
    // The help viewer's browser shares OpenGL contexts and, as root, runs without its
    // sandbox; both must be settled before the application object exists, without
    // loading the browser itself.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    PrepareWebEngineEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ampora"));
    QApplication::setApplicationVersion(QStringLiteral(AMPORA_VERSION));

    std::unique_ptr<MainWindow> window;
    Splash splash([&window] {
        window = std::make_unique<MainWindow>();
        window->show();
    });
    splash.show();
    return QApplication::exec();
}

}  // namespace ampora
