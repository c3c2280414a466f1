// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control_table.h"
#include "core/fault.h"
#include "core/form_behaviour.h"
#include "core/form_decl.h"
#include "core/form_state.h"
#include "default_button.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ampora {

class Working;

// The base of every form of the program: builds controls from a table, draws raised
// titles, owns the default-button mechanism and reports faults. A calculator's form is
// built whole from its declaration (core/form_decl.h): its controls and titles and its tab
// order; what its buttons do, what it shows and which button Enter presses follow the
// declaration's behaviour (core/form_behaviour.h), which this form only shows.
class CalcForm : public QWidget {
    Q_OBJECT
public:
    // A form built from its declaration.
    explicit CalcForm(const FormDecl& form, QWidget* parent = nullptr);
    // A form that builds its own controls with build() and addTitle(): `name` is its
    // objectName, `caption` its window title, `client` its fixed client area in twips.
    CalcForm(const char* name, const QString& caption, QSize client, QWidget* parent = nullptr);

    // The declaration the form was built from, or nullptr.
    const FormDecl* declaration() const { return declaration_; }

    // Builds controls and titles from tables whose texts outlive the form, as a
    // declaration's do: a form that declares no tab order reads them again when first shown.
    void build(std::span<const Control> controls);
    void addTitle(const Title& title);

    QWidget* control(std::string_view name) const;
    QLineEdit* box(std::string_view name) const;
    QPushButton* button(std::string_view name) const;
    QLabel* label(std::string_view name) const;
    QRadioButton* option(std::string_view name) const;
    QComboBox* list(std::string_view name) const;
    QGroupBox* frame(std::string_view name) const;

    // Clicking `button` runs `handler`.
    void onClick(std::string_view button, std::function<void()> handler);
    // A "*" button that empties one box.
    void clearButton(std::string_view button, std::string_view box);
    // Focus handlers (GotFocus / LostFocus).
    void onFocusIn(QWidget* control, std::function<void()> handler);
    void onFocusOut(QWidget* control, std::function<void()> handler);

    void setDefaultButton(QPushButton* button) { default_.set(button); }
    void setDefaultButton(std::string_view name) { default_.set(button(name)); }
    QPushButton* defaultButton() const { return default_.current(); }

    // What the declared form's controls hold now, as its presses read it.
    FormState state() const;
    // Writes back the boxes whose text differs from `state`, in table order, so that
    // untouched boxes raise no change. A result longer than its box shows its leading
    // digits.
    void writeBack(const FormState& state);
    // A declared form's button clicked: the controls read, the click worked out by the
    // form's behaviour, and what it left shown (the boxes and lists it changed, what it
    // shows and hides, the default button); after a press, what the press tells.
    void click(std::string_view button);
    // The work of the last press, step by step.
    const Steps& lastSteps() const { return steps_; }
    // How the form shows that work (ui/working.h): on a declared form with presses, else
    // nullptr.
    Working* working() const { return working_; }
    // A modal box telling which quantity failed and why; the form stays as it is.
    void reportFault(const Fault& fault);

    // The tab order, first to last. A form that declares none gets the reading order of
    // its layout (core/form_layout.h) when it is first shown.
    void setTabOrder(std::span<const std::string_view> names);
    // The names given to setTabOrder, or empty when the form declared no order.
    QStringList declaredTabOrder() const { return tabOrder_; }
    // The controls that Tab visits, first to last: the declared order, else, once the form
    // has been shown, the controls of its reading order that take the focus.
    QStringList tabOrder() const { return tabOrder_.isEmpty() ? readingOrder_ : tabOrder_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Before the form is first shown, with all its controls in place: grows controls
    // whose text the desktop's fonts would clip, names controls for assistive
    // technology and sets the reading order where no tab order was declared.
    bool event(QEvent* event) override;

private:
    QWidget* create(const Control& c);
    // Shows the view: the boxes and lists named in `first` in that order, then every
    // other box that differs, what is hidden and the default button.
    void showView(const FormView& view, const std::vector<std::string>& first = {});
    void finish();

    const FormDecl* declaration_ = nullptr;
    std::unique_ptr<const FormBehaviour> behaviour_;
    FormView view_;
    DefaultButton default_;
    bool finished_ = false;
    QStringList tabOrder_;
    QStringList readingOrder_;
    // What build() and addTitle() made on a form without a declaration.
    std::vector<Control> built_;
    std::vector<Title> titles_;
    // The declared form's boxes in table order, for reading and writing them back.
    std::vector<std::pair<std::string, QLineEdit*>> boxes_;
    Steps steps_;
    Working* working_ = nullptr;
    std::vector<std::pair<QPointer<QPushButton>, QPointer<QLineEdit>>> clearButtons_;
    std::vector<std::pair<QObject*, std::function<void()>>> focusIn_;
    std::vector<std::pair<QObject*, std::function<void()>>> focusOut_;
};

}  // namespace ampora
