// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control_list.h"
#include "form_decl.h"

#include <string_view>
#include <vector>

// How a form's controls group and in what order they read, found once from their declared
// rectangles for every front end. On a wide screen every control stands where its
// declaration puts it; on a narrow one the same groups flow in one column, in reading
// order. The groups:
// - a field: a box or a list with the caption before it, its "*" buttons and its unit, as
//   LabelsOf (box_labels.h) reads them;
// - a picture, with the controls on it, or a sketch (lines, circles and the labels around
//   them): a block, which keeps its drawing and its controls positioned inside, moved clear
//   of each other where they would overlap on a narrow screen;
// - a frame, whose own controls are grouped the same way;
// - a control on its own.
// The reading order comes from bands cut across the whitespace between the groups'
// rectangles (an XY cut): a cut across stacks its bands; a cut down gives columns, which
// stack too, unless every column is a single row, which then lie side by side as a line.
namespace ampora {

// A control as a block holds it: its rectangle relative to the block, and where it stands
// in the block on a narrow screen (a line's or a circle's is its `at`).
struct BlockControl {
    const Control* control;
    Twips at;
    Twips narrow;
};

struct LayoutNode {
    enum class Type {
        Stack,    // `children` one under another
        Line,     // `children` side by side, wrapping where the screen is narrow
        Field,    // `control`, a box or a list, with `caption`, `clears` and `unit`
        Frame,    // `control`, a frame, with its own controls laid out in `children`, one stack
        Picture,  // `control`, a picture, holding `held`
        Sketch,   // the lines, circles and labels in `held`
        Control,  // `control` on its own
    };
    Type type = Type::Stack;
    std::vector<LayoutNode> children;
    const Control* control = nullptr;
    // A field's caption and unit labels, or nullptr; its "*" buttons.
    const Control* caption = nullptr;
    const Control* unit = nullptr;
    std::vector<const Control*> clears;
    // A field's controls as drawn: the caption, then the rest from left to right.
    std::vector<const Control*> members;
    // A block's rectangle in its container, its controls and the height it needs on a
    // narrow screen.
    Twips at = {};
    std::vector<BlockControl> held;
    int narrowHeight = 0;
};

// The layout of the form's controls: a stack holding the groups in reading order and, last,
// the status bar. A control of no size (a scratch box) is left out. The nodes point into
// `controls`.
LayoutNode LayoutOf(const ControlList& controls);

// The names of every control in reading order: as the layout shows them, a frame or a
// picture before what it holds, then those it leaves out, in table order.
std::vector<std::string_view> ReadingOrder(const ControlList& controls);

}  // namespace ampora
