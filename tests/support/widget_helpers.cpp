// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widget_helpers.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace ampora::test {
namespace {

int gCatchers = 0;

}  // namespace

ModalGuard::ModalGuard() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (gCatchers > 0) return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            qWarning("Unexpected modal window: %s", qPrintable(modal->windowTitle()));
            ++unexpected_;
            modal->close();
        }
    });
    timer_.start();
}

MessageBoxCatcher::MessageBoxCatcher() {
    ++gCatchers;
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        ++count_;
        title_ = box->windowTitle();
        text_ = box->text();
        icon_ = box->icon();
        buttons_ = box->buttons().size();
        if (QAbstractButton* ok = box->defaultButton())
            ok->click();
        else
            box->accept();
    });
    timer_.start();
}

MessageBoxCatcher::~MessageBoxCatcher() { --gCatchers; }

void TypeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    box->clear();
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80 && ch.isPrint())
            QTest::keyClick(box, ch.toLatin1());
        else  // QTest has no key codes beyond ASCII: send the character's text itself
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void PressEnter(QWidget* control) { QTest::keyClick(control, Qt::Key_Return); }

QList<QMdiSubWindow*> OpenWindows(const QMdiArea* area, const QString& form) {
    QList<QMdiSubWindow*> open;
    for (QMdiSubWindow* w : area->subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && w->widget() && (form.isEmpty() || w->widget()->objectName() == form))
            open.append(w);
    return open;
}

QString ActiveForm(const QMdiArea* area) {
    const QMdiSubWindow* w = area->activeSubWindow();
    return w && w->widget() ? w->widget()->objectName() : QString();
}

QStringList RunningTimers(const QObject* root) {
    QStringList running;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    QObjectList objects = root->findChildren<QObject*>();
    objects.prepend(const_cast<QObject*>(root));
    for (QObject* o : objects) {
        for (const auto& timer : dispatcher->registeredTimers(o))
            running << QStringLiteral("%1 \"%2\" every %3 ms")
                           .arg(QString::fromLatin1(o->metaObject()->className()), o->objectName())
                           .arg(timer.interval);
    }
    return running;
}

}  // namespace ampora::test
