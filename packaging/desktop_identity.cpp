// Ties the running program to its desktop entry and gives its windows the application
// icon: the icon theme's (as installed with the package) or the copy built into the
// executable.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>

namespace {

void SetDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ampora.Ampora"));
    QIcon builtIn;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/io.github.ampora.Ampora-%1.png").arg(size),
                        QSize(size, size));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.ampora.Ampora"), builtIn));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(SetDesktopIdentity)
