// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace ampora::web {

// Everything the web page needs to draw the main panel, the chooser and every calculator
// from the declarations the desktop program builds its windows from, as one JSON
// document:
//     {"version":"1.0.6","panel":[...],"chooser":[...],"calculators":[{"name":"pd",...},...]}
// Rectangles are {"left","top","width","height"} in twips, relative to the parent; a
// control's kind and a stroke's shape are words ("Box", "CentredText"); a colour is
// "#rrggbb", or null for the form's text colour; a name that is not set is null.
std::string FormsDocument(std::string_view version);

}  // namespace ampora::web
