// Ties the running program to its desktop entry and gives its windows the application
// icon: the icon theme's (as installed with the package) or the copy built into the
// executable.

#include "desktop_identity.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>

namespace ampora {

void UseProgramIcon() {
    static bool done = false;
    if (done) return;
    done = true;
    QIcon builtIn;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/io.github.ampora.Ampora-%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.ampora.Ampora"), builtIn));
}

}  // namespace ampora

namespace {

// Giving a window its icon means looking the icon up in the theme and decoding every size
// for the window's frame: some milliseconds that the first window (the splash) need not
// wait for. The icon follows as soon as that window is on screen; the windows open by
// then take it over.
class AfterFirstExpose : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose && !pending_) {
            pending_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                ampora::UseProgramIcon();
                deleteLater();
            });
        }
        return false;
    }

private:
    bool pending_ = false;
};

void SetDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ampora.Ampora"));
    auto* watch = new AfterFirstExpose;
    watch->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watch);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(SetDesktopIdentity)
