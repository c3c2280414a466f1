// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace ampora::web {

// Everything the web page needs to draw the main panel, the chooser and every calculator
// from the declarations the desktop program builds its windows from, as one JSON
// document:
//     {"version":"1.0.6","twipsPerPixel":15,"twoLineHeight":450,"panel":[...],"chooser":[...],
//      "calculators":[{"name":"pd",...,"layout":{"type":"stack","children":[...]},...},...]}
// "twipsPerPixel" scales every rectangle to the page's pixels; a button at least
// "twoLineHeight" twips high wraps its caption over two lines.
// Rectangles are {"left","top","width","height"} in twips, relative to the parent; a
// control's kind and a stroke's shape are words ("Box", "CentredText"); a colour is
// "#rrggbb", or null for the form's text colour; a name that is not set is null.
// A calculator's layout (core/form_layout.h) names its controls; its nodes are
//     {"type":"stack"|"line","children":[node,...]}
//     {"type":"field","box":NAME,"caption":NAME,"clears":[NAME,...],"unit":NAME,
//      "controls":[NAME,...]}  (as drawn: the caption, then left to right)
//     {"type":"frame","control":NAME,"content":node}
//     {"type":"picture","control":NAME,"at":RECT,"narrowHeight":TWIPS,"children":[held,...]}
//     {"type":"sketch","at":RECT,"narrowHeight":TWIPS,"children":[held,...]}
//     {"type":"control","control":NAME}
// where a block's control is {"control":NAME,"at":RECT,"narrow":RECT}, its rectangle in
// the block on a wide and on a narrow screen (a line or a circle has no "narrow").
std::string FormsDocument(std::string_view version);

}  // namespace ampora::web
