// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Ties the running program to its desktop entry and gives its windows the application
// icon: the icon theme's (as installed with the package) or the copy built into the
// executable.

#include "desktop_identity.h"

#include "app/first_expose.h"

#include <QGuiApplication>
#include <QIcon>

namespace ampora {

void UseProgramIcon() {
    static bool done = false;
    if (done) return;
    done = true;
    QIcon builtIn;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/io.github.ampora.Ampora-%1.png").arg(size),
                        QSize(size, size));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.ampora.Ampora"), builtIn));
}

}  // namespace ampora

namespace {

void SetDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ampora.Ampora"));
    // Looking the icon up in the theme and decoding every size for the window's frame costs
    // some milliseconds that the first window (the splash) need not wait for; the windows
    // open by then take the icon over.
    ampora::AfterFirstExpose(ampora::UseProgramIcon);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(SetDesktopIdentity)
