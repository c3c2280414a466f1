// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "default_button.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>

namespace ampora {

DefaultButton::DefaultButton(QWidget* form) : QObject(form) {}

void DefaultButton::watch(QWidget* control) {
    control->removeEventFilter(this);
    control->installEventFilter(this);
}

void DefaultButton::set(QPushButton* button) {
    if (button_ == button) return;
    if (button_) button_->setDefault(false);
    button_ = button;
    if (button_) button_->setDefault(true);  // the default frame, as users expect to see it
}

bool DefaultButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->view()->isVisible()) return false;
    QPushButton* target = qobject_cast<QPushButton*>(watched);
    if (!target) target = button_;
    if (!target || !target->isVisible() || !target->isEnabled()) return true;
    target->click();
    return true;
}

}  // namespace ampora
