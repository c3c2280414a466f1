// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>

// Enter in any control of a form presses the form's current default button; Enter on a
// focused button presses that button. Child windows of an MDI area are not dialogs, so
// QPushButton's own default handling does not apply there.
namespace ampora {

class DefaultButton : public QObject {
    Q_OBJECT
public:
    explicit DefaultButton(QWidget* form);

    // Watches `control` (and is idempotent): call for every focusable child.
    void watch(QWidget* control);
    void set(QPushButton* button);
    QPushButton* current() const { return button_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QPushButton> button_;
};

}  // namespace ampora
