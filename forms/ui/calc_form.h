// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control_table.h"
#include "default_button.h"
#include "forms/core/fault.h"
#include "forms/core/solve_pass.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ampora {

// Some of a form's boxes, in the order of a calculation unit's box indices.
class BoxSet {
public:
    explicit BoxSet(std::vector<QLineEdit*> boxes) : boxes_(std::move(boxes)) {}
    Boxes read() const;
    // Writes back only the boxes whose text changed, so untouched boxes raise no change.
    void write(const Boxes& texts) const;
    // Empties the boxes in this set's order.
    void clear() const;

private:
    std::vector<QLineEdit*> boxes_;
};

// The base of every calculator form: builds its controls from a table, draws raised
// titles, owns the default-button mechanism and reports faults of untrapped handlers.
class CalcForm : public QWidget {
    Q_OBJECT
public:
    // `name` is the form's objectName, `caption` its window title, `client` its fixed
    // client area in twips.
    CalcForm(const char* name, const QString& caption, QSize client, QWidget* parent = nullptr);

    void build(std::span<const Control> controls);
    void addTitle(const Title& title);

    QWidget* control(const char* name) const;
    QLineEdit* box(const char* name) const;
    QPushButton* button(const char* name) const;
    QLabel* label(const char* name) const;
    QRadioButton* option(const char* name) const;
    QComboBox* list(const char* name) const;
    QGroupBox* frame(const char* name) const;

    BoxSet boxes(std::initializer_list<const char*> names) const;

    // Clicking `button` runs `handler`.
    void onClick(const char* button, std::function<void()> handler);
    // A "*" button that empties one box.
    void clearButton(const char* button, const char* box);
    // Focus handlers (GotFocus / LostFocus).
    void onFocusIn(QWidget* control, std::function<void()> handler);
    void onFocusOut(QWidget* control, std::function<void()> handler);

    void setDefaultButton(QPushButton* button) { default_.set(button); }
    void setDefaultButton(const char* name) { default_.set(button(name)); }
    QPushButton* defaultButton() const { return default_.current(); }

    // A modal box telling which quantity failed and why; the form stays as it is.
    void reportFault(const Fault& fault);
    // Writes an untrapped handler's boxes back, then reports its fault, if any.
    void writeBack(const BoxSet& boxes, const Outcome& outcome);

    // The tab order, first to last. A form that declares none gets its controls in
    // reading order (top to bottom, left to right) when it is first shown.
    void setTabOrder(std::initializer_list<const char*> names);
    // The names given to setTabOrder, or empty when the form declared no order.
    QStringList declaredTabOrder() const { return tabOrder_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Before the form is first shown, with all its controls in place: grows controls
    // whose text the desktop's fonts would clip, names controls for assistive
    // technology and sets the reading order where no tab order was declared.
    bool event(QEvent* event) override;

private:
    QWidget* create(const Control& c);

    void finish();

    DefaultButton default_;
    bool finished_ = false;
    QStringList tabOrder_;
    std::vector<std::pair<QPointer<QPushButton>, QPointer<QLineEdit>>> clearButtons_;
    std::vector<std::pair<QObject*, std::function<void()>>> focusIn_;
    std::vector<std::pair<QObject*, std::function<void()>>> focusOut_;
};

}  // namespace ampora
