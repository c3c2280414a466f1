// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control_list.h"

#include <string>
#include <string_view>
#include <vector>

// What a user reads around a box or a list on its form, found from the declared layout:
// its caption, and the unit written after it. The desktop program names its boxes and
// lists for screen readers with these, and the command-line program describes a
// calculator's names with them.
namespace ampora {

struct BoxLabels {
    // The label on the control's row to its left, else the one just above it, else the
    // one just below it; without "&" marks, runs of blanks and a trailing ":" or "=".
    // A declared spoken name wins. Empty when no label is near.
    std::string caption;
    // The label that follows the control on its row, past any "*" button, as the form
    // shows it ("W", "Ohms"), trimmed; empty when none follows.
    std::string unit;
    // The names of those two labels (a title's, for a caption read from a title); empty
    // where there is none, or where a spoken name stands for the caption.
    std::string captionLabel;
    std::string unitLabel;
};

BoxLabels LabelsOf(const ControlList& controls, std::string_view control);

// What a screen reader says of a control, where the form gives it words of its own.
struct Spoken {
    std::string control;
    std::string name;
    std::string description;  // "" for none
};

// Every box and list, named by its caption (a declared spoken name wins) and described by
// its unit in words (as written where the words are not known), and any other control the
// form gives a spoken name, in the form's control order; then every "*" button, "Clear "
// and its box's name (the box's own name where it has none).
std::vector<Spoken> SpokenOf(const ControlList& controls);

// A caption's text as the name of what it introduces: without "&" marks ("&&" is a
// literal ampersand), with runs of blanks made one, and without a trailing ":" or "="
// ("Resistance:" and "R =" name "Resistance" and "R").
std::string CaptionAsName(std::string_view caption);

}  // namespace ampora
