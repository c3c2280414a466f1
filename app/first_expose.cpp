// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "first_expose.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace ampora {
namespace {

class FirstExposeWatcher : public QObject {
public:
    explicit FirstExposeWatcher(std::function<void()> then) : then_(std::move(then)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    then_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

void AfterFirstExpose(std::function<void()> then) {
    QCoreApplication* app = QCoreApplication::instance();
    auto* watcher = new FirstExposeWatcher(std::move(then));
    watcher->setParent(app);
    app->installEventFilter(watcher);
}

}  // namespace ampora
