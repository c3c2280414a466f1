#include "help_viewer_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <unistd.h>

namespace ampora {

QUrl HelpPageUrl() { return QUrl(QStringLiteral("qrc:/ampora/help.html")); }

QStringList HelpPluginDirs() {
    QStringList dirs{QCoreApplication::applicationDirPath()};
#ifdef AMPORA_HELP_PLUGIN_BUILD_DIR
    const QString built = QStringLiteral(AMPORA_HELP_PLUGIN_BUILD_DIR);
    if (!dirs.contains(built)) dirs << built;
#endif
    return dirs;
}

HelpPlugin LoadHelpPlugin(const QStringList& dirs) {
    PrepareWebEngineEnvironment();
    QStringList errors;
    for (const QString& dir : dirs) {
        // QLibrary adds the platform's prefix and suffix (libampora_help.so).
        QLibrary library(QDir(dir).filePath(QStringLiteral("ampora_help")));
        if (!library.load()) {
            errors << library.errorString();
            continue;
        }
        // The library stays loaded for the rest of the run: the browser's code lives there.
        if (auto create = reinterpret_cast<CreateHelpBrowser>(library.resolve(kCreateHelpBrowserSymbol)))
            return {create, {}};
        errors << library.errorString();
    }
    if (dirs.isEmpty()) errors << QStringLiteral("no folder to look in");
    return {nullptr, errors.join(QLatin1Char('\n'))};
}

void PrepareWebEngineEnvironment() {
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

}  // namespace ampora
