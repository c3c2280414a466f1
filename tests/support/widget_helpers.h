// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace ampora::test {

// Closes any modal window that no MessageBoxCatcher is waiting for, and counts it.
class ModalGuard : public QObject {
    Q_OBJECT
public:
    ModalGuard();
    int unexpected() const { return unexpected_; }

private:
    QTimer timer_;
    int unexpected_ = 0;
};

// While alive, answers every modal message box with its default button and records
// what the last one said and how it looked.
class MessageBoxCatcher : public QObject {
    Q_OBJECT
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher() override;
    int count() const { return count_; }
    QString title() const { return title_; }
    QString text() const { return text_; }
    QMessageBox::Icon icon() const { return icon_; }
    qsizetype buttons() const { return buttons_; }

private:
    QTimer timer_;
    int count_ = 0;
    QString title_, text_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
    qsizetype buttons_ = 0;
};

// Empties the box and types `text` into it with real key events.
void TypeInto(QLineEdit* box, const QString& text);
// Presses Enter in `control` with a real key event.
void PressEnter(QWidget* control);

// The child windows of `area` that are open, in creation order; only those showing the
// form named `form` when one is given.
QList<QMdiSubWindow*> OpenWindows(const QMdiArea* area, const QString& form = {});
// The name of the form in the active child window of `area`, or empty when none is.
QString ActiveForm(const QMdiArea* area);

// The timers registered on `root` and every object below it, each as its owner's class
// and name and its interval.
QStringList RunningTimers(const QObject* root);

}  // namespace ampora::test
