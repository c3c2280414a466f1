// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc_form.h"
#include "forms/core/component_list.h"

class QLabel;
class QLineEdit;

namespace ampora {

// What sets one component-list form apart from the others.
struct ListForm {
    const char* name;          // the form's objectName
    const char* caption;       // its window title
    QSize client;              // its client area in twips
    const char* countCaption;  // "No. of Resistors:"
    const char* component;     // "Resistor": the rows read "Resistor # 1:" to "Resistor # 10:"
    bool combination;          // has the "Combination:" frame with "Series" and "Parallel"
    Twips answer;              // the answer box; "Answer:" stands above it
    Twips calculate;           // the "Calculate" button
};

// The base of the forms that take a list of up to ten component values: the count box
// `nc` with its "OK" (`Command1`), the rows `c0`..`c9` / `ct0`..`ct9`, the optional frame
// `Frame1` with `sc` "Series" and `pc` "Parallel", `Label2` "Answer:", the answer box
// `ans`, "Calculate" (`Command2`) and the hidden scratch box `d`.
//
// "OK" shows the rows the count covers and hides the others (their texts stay), so the
// screen always shows the rows that Calculate reads. Enter presses "OK" while the count
// is being edited and "Calculate" once it has been confirmed or left.
//
// A form adds its captions, its fixed boxes, its "Calculate" steps (Command2) and its
// "Reset", which empties its fixed boxes and clearRows() in its own order.
class ComponentListForm : public CalcForm {
    Q_OBJECT
public:
    explicit ComponentListForm(const ListForm& form, QWidget* parent = nullptr);

    // The count and the rows, as a calculation unit reads them.
    component_list::List list() const;
    // The selected combination; series on a form without the frame.
    component_list::Option selected() const;

    QLineEdit* row(int k) const;
    QLabel* rowLabel(int k) const;

    // Empties all ten rows, whatever the count holds; shows and hides nothing.
    void clearRows() const;

    // A combination unit: the form's boxes, the list and the selected combination in,
    // the boxes' new texts out.
    using Combination = Boxes (*)(Boxes, const component_list::List&, component_list::Option);
    // "Calculate" runs `unit` over `boxes` (in the unit's box order) and writes back the
    // boxes that changed.
    void onCalculate(std::initializer_list<const char*> boxes, Combination unit);
    // `button` empties the boxes `before`, then all ten rows, then the boxes `after`. It
    // never reads the count, so it cannot fault.
    void onReset(const char* button, std::initializer_list<const char*> before,
                 std::initializer_list<const char*> after = {});

private:
    void confirmCount();

    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> rows_;
};

}  // namespace ampora
