// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QLineEdit;
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
// what the last one said.
class MessageBoxCatcher : public QObject {
    Q_OBJECT
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher() override;
    int count() const { return count_; }
    QString title() const { return title_; }
    QString text() const { return text_; }

private:
    QTimer timer_;
    int count_ = 0;
    QString title_, text_;
};

// Empties the box and types `text` into it with real key events.
void TypeInto(QLineEdit* box, const QString& text);
// Presses Enter in `control` with a real key event.
void PressEnter(QWidget* control);

}  // namespace ampora::test
