// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of the start-up benchmark: the least a Qt Widgets program with this shape
// can do (a main window, an MDI area, one child window). Ampora is measured against it.
#include "app/bench_probe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ampora::bench::WatchFirstExpose();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* area = new QMdiArea(&window);
    window.setCentralWidget(area);
    auto* child = new QLabel(QStringLiteral("One child window"));
    area->addSubWindow(child)->resize(300, 200);
    window.resize(778, 555);
    window.show();
    QMetaObject::invokeMethod(
        &window, [] { ampora::bench::Stamp("ready"); }, Qt::QueuedConnection);
    return QApplication::exec();
}
