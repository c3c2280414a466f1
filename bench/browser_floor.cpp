// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of the help benchmark: a bare program that shows one page in a QWebEngineView.
// The first "Help Online" is measured against the time this takes from exec to the page.
#include "app/bench_probe.h"

#include <QApplication>
#include <QDir>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qCritical("usage: %s <page file or address>", argv[0]);
        return 2;
    }
    QWebEngineView view;
    QObject::connect(&view, &QWebEngineView::loadFinished, [] { ampora::bench::Stamp("help-loaded"); });
    view.resize(436, 342);
    view.show();
    view.load(QUrl::fromUserInput(QString::fromLocal8Bit(argv[1]), QDir::currentPath()));
    return QApplication::exec();
}
