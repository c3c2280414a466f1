// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// What a screen reader hears on a calculator form. Boxes and lists are named after their
// caption label, "*" buttons after the box they clear, and decorative widgets (the white
// copy of a raised title) are left out of the tree on every window, so a title is read
// once.
namespace ampora {

// The property that marks a purely decorative widget (a title's white copy).
inline constexpr char kDecorative[] = "amporaDecorative";

// The caption of `control` as a name: the text of the label on its row to its left,
// else of the label just above it, else just below it; without mnemonics, line breaks
// and a trailing colon or equals sign. Empty when no label is near.
QString CaptionFor(const QWidget* control, const QWidget* form);

// Names every box and list of `form` that has no accessible name yet after its caption,
// and ties the caption label to it as its buddy.
void NameFromCaptions(QWidget* form);

// Installs, once per process, the accessibility factory that hides decorative widgets
// from the tree of their parent.
void InstallFormAccessibility();

}  // namespace ampora
