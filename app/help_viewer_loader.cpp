// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help_viewer_loader.h"

#include "gl_share.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <unistd.h>

namespace ampora {

QUrl HelpPageUrl() { return QUrl(QStringLiteral("qrc:/ampora/help.html")); }

QStringList HelpPluginDirs() {
    const QDir bin(QCoreApplication::applicationDirPath());
    QStringList dirs{bin.path()};
#ifdef AMPORA_HELP_PLUGIN_FROM_BIN
    dirs << QDir::cleanPath(bin.filePath(QStringLiteral(AMPORA_HELP_PLUGIN_FROM_BIN)));
#endif
#ifdef AMPORA_HELP_PLUGIN_BUILD_DIR
    const QString built = QStringLiteral(AMPORA_HELP_PLUGIN_BUILD_DIR);
    if (!dirs.contains(built)) dirs << built;
#endif
    return dirs;
}

HelpPlugin LoadHelpPlugin(const QStringList& dirs) {
    // The web engine wants both from the moment its library is loaded.
    PrepareWebEngineEnvironment();
    ShareOpenGLContexts();
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

#if defined(__SANITIZE_ADDRESS__)
// Sanitized builds: the web engine is a system library built without the sanitizers. It
// frees some objects with a mismatched sized delete and leaves its profiles' internals to
// the end of the process, as does the font cache it fills; none of this is the program's
// doing, so those libraries are exempt from the two checks.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6WebEngineCore.so\n"
           "leak:QtWebEngineProcess\n"
           "leak:libfontconfig.so\n";
}
#endif
