// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "bench_probe.h"
#include "help_viewer_loader.h"
#include "main_window.h"
#include "splash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPointer>

#include <cstdio>
#include <memory>
#include <optional>

namespace ampora {
namespace {

// The options QApplication, QGuiApplication and the X11 platform take out of the
// arguments themselves, with one or two leading dashes: those followed by a value (as the
// next argument, or after "="), and those that stand alone.
const char kQtOptionsWithValue[] =
    "style stylesheet platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon "
    "qwindowtitle session display geometry title icon name visual";
const char kQtFlags[] = "reverse widgetcount nograb dograb testability";

bool IsOneOf(QStringView name, const char* names) {
    return QString::fromLatin1(names).split(QLatin1Char(' ')).contains(name);
}

// The arguments without Qt's own options, which are Qt's to handle once the application
// object exists.
QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("--")) {
            kept << argument;
            continue;
        }
        QStringView name = QStringView(argument).mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            const QStringView option = name.left(equals);
            if (!IsOneOf(option, kQtOptionsWithValue) && option != QLatin1String("qmljsdebugger"))
                kept << argument;
        } else if (IsOneOf(name, kQtOptionsWithValue)) {
            ++i;  // and its value
        } else if (!IsOneOf(name, kQtFlags)) {
            kept << argument;
        }
    }
    return kept;
}

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// Answers --help and --version, and refuses what the program does not take, before
// anything needs a display. Returns the exit status when the program should end here.
std::optional<int> AnswerCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are single-dash words (-style, -reverse): never read them as letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Electrical-engineering calculators in S.I. units. Without options, opens the main window.\n"
        "Qt's own options, such as -style <style>, -platform <name> and -reverse, work as well."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and exit."));
    parser.addOption(help);
    parser.addOption(version);

    QString error;
    if (!parser.parse(WithoutQtOptions(arguments)))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        // The program opens no files, so nothing named on the command line would be used.
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    // With no application object yet, the parser does not know the program's name.
    const QString usage =
        parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("ampora"));
    if (!error.isEmpty()) {
        Print(stderr, QStringLiteral("ampora: %1\n\n%2").arg(error, usage));
        return 1;
    }
    if (parser.isSet(help)) {
        Print(stdout, usage);
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("Ampora " AMPORA_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int RunAmpora(int argc, char** argv) {
    if (const std::optional<int> status = AnswerCommandLine(argc, argv)) return *status;
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
        bench::AfterMainWindow(
            *window, [&window] { return window->openEveryCalculator(); }, "mnuonhlp");
    });
    splash->show();
    const int status = QApplication::exec();
    delete splash;  // still there only when the loop ended before the hand-over
    return status;
}

}  // namespace ampora
