// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control_list.h"
#include "form_state.h"
#include "preferred_values.h"
#include "si_unit.h"

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// What a declared form does when its user clicks a button, moves the focus or types, the
// same for every front end: the desktop's widgets and the web page each show the view that
// comes back, and do nothing of their own to the controls' values, to what is shown or to
// the default button.
namespace ampora {

// A form as its user sees it: what its controls hold, which of them are hidden, and
// which button Enter presses.
struct FormView {
    FormState state;
    std::set<std::string, std::less<>> hidden;
    std::string defaultButton;  // "" when Enter presses nothing
    // Prefixed input asked for: a press reads "4k7" in a box of ohms as 4700.
    bool prefixed = false;

    bool isHidden(std::string_view control) const { return hidden.contains(control); }
};

// A box's value as a person reads it, and the standard parts that fit it.
struct BoxRead {
    std::string_view box;
    std::string reading;  // "434.783 mA"; "" for none
    PartsFit parts;
    const SiUnit* unit;
};

// A box's reading and its parts as lines of text: "i ≈ 434.783 mA", and for a part
// "r: E6 470 Ω (−11.2 %) …" (PartsLine).
std::vector<std::string> ReadLines(const BoxRead& read);

// What a click did to the view.
struct Clicked {
    enum What {
        Nothing,  // the button does nothing the form declares
        Pressed,  // one of the form's presses ran: `report` tells what it told
        Reset,    // a "Reset" emptied its boxes and lists
        Cleared,  // a "*" emptied its box
        Counted,  // a component list's "OK" showed the rows its count covers
    };
    What what = Nothing;
    Report report;
    // What a "Reset" or a "*" emptied, in the order it emptied them (a press writes its
    // boxes all at once).
    std::vector<std::string> changed;
};

class FormBehaviour {
public:
    explicit FormBehaviour(const FormDecl& form);
    FormBehaviour(const FormBehaviour&) = delete;
    FormBehaviour& operator=(const FormBehaviour&) = delete;

    const FormDecl& form() const { return controls_.form(); }
    const ControlList& controls() const { return controls_; }
    // The boxes a user reads, in the form's order (ControlList::visibleBoxes).
    const std::vector<std::string_view>& boxes() const { return boxes_; }

    // The view the form opens with: its controls as declared (every box with its initial
    // text, the options chosen at start, no list entry chosen), a component list's rows,
    // combination, answer caption and scratch box hidden, the declared default button.
    const FormView& opening() const { return opening_; }

    // The press `name` stands for: a button's object name ("Command2"), or what the press
    // does where the form has more than one ("frequency"); nullptr for none.
    const Press* press(std::string_view name) const;

    // `button` clicked. A press reads and writes the view's state (with `steps`, it
    // records its work there) and says what to tell the user; a "Reset" empties the boxes
    // and lists it names, in its order; a "*" empties its box; a component list's "OK"
    // shows the combination, the answer and the rows the count covers, hides the rows
    // beyond it, and makes "Calculate" the default.
    Clicked click(FormView& view, std::string_view button, Steps* steps = nullptr) const;

    // The focus entered or left `control`, or its user changed its text: Enter may now
    // press another button. A component list's count box makes its "OK" the default while
    // it has the focus or is typed in, and "Calculate" once it loses the focus; a box with
    // a focus default makes that button the default.
    void focusIn(FormView& view, std::string_view control) const;
    void focusOut(FormView& view, std::string_view control) const;
    void edited(FormView& view, std::string_view control) const;

    // What "OK" does, also when a setting gives the count.
    void confirmCount(FormView& view) const;

    // The unit of the quantity in `box` (a plain number where the form declares none), and
    // how the form reads the box with its controls as `state` holds them.
    const SiUnit& unitOf(std::string_view box) const;
    Reading readingOf(std::string_view box, const FormState& state) const;
    // `box` as the view shows it: its reading (core/reading.h) and the standard parts that
    // fit its value, its prefixed input read where the view asks for it.
    BoxRead read(const FormView& view, std::string_view box) const;
    // Every box a user reads that has a reading or parts that fit, in the form's order.
    std::vector<BoxRead> readings(const FormView& view) const;

private:
    struct BoxUnit {
        std::string_view box;
        SiUnit unit;
        Reading read;
    };
    const BoxUnit* unitRow(std::string_view box) const;
    // With prefixed input, the press runs over the boxes' prefixed numbers as if typed, and
    // each box keeps the text typed where the press writes nothing into it.
    Report pressPrefixed(const Press& press, FormView& view, Steps* steps) const;

    ControlList controls_;
    std::vector<std::string_view> boxes_;
    std::vector<BoxUnit> units_;
    FormView opening_;
};

}  // namespace ampora
