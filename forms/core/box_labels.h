// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control_list.h"

#include <string>
#include <string_view>

// What a user reads around a box or a list on its form, found from the declared layout:
// its caption, and the unit written after it. The command-line program describes a
// calculator's names with these; they follow the same placement rules as the names a
// screen reader gives the desktop's boxes.
namespace ampora {

struct BoxLabels {
    // The label on the control's row to its left, else the one just above it, else the
    // one just below it; without "&" marks, runs of blanks and a trailing ":" or "=".
    // A declared spoken name wins. Empty when no label is near.
    std::string caption;
    // The label that follows the control on its row, past any "*" button, as the form
    // shows it ("W", "Ohms"), trimmed; empty when none follows.
    std::string unit;
};

BoxLabels LabelsOf(const ControlList& controls, std::string_view control);

}  // namespace ampora
