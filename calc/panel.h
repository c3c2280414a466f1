// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form_decl.h"

#include <span>
#include <string_view>

// The main panel, which offers the calculators by topic, and the trigonometry chooser
// behind its "Trigonometry" button, as data: the desktop's panel is built from them, and
// the command line and the web page name the calculators with their captions.
namespace ampora {

// A control of the panel (a frame, or a button), and for a button the form it opens.
struct PanelRow {
    Control control;
    const char* opens = nullptr;
};

// The main panel `Form1`: its frames, and the buttons in them, in the panel's order, which
// is also the order Tab visits the buttons in (frame by frame, then "About").
std::span<const PanelRow> MainPanelRows();
// The chooser `trigono`: its two buttons, in the order Tab visits them.
std::span<const PanelRow> ChooserRows();

// The caption of the button that opens `form`, on the main panel or, for a calculator the
// panel reaches through the chooser, on the chooser; nullptr when none opens it.
const char* PanelCaption(std::string_view form);

}  // namespace ampora
