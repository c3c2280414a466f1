// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form_decl.h"

class QWidget;

// What a screen reader hears on a calculator form. Boxes and lists are named after their
// caption label, boxes are described by their unit in words, "*" buttons are named after
// the box they clear, and decorative widgets (the white copy of a raised title) are left
// out of the tree on every window, so a title is read once.
namespace ampora {

// The property that marks a purely decorative widget (a title's white copy).
inline constexpr char kDecorative[] = "amporaDecorative";
// The property that marks a window of the program's forms, read as a form.
inline constexpr char kAccessibleForm[] = "amporaForm";

// Names every box and list of a declared form that has no accessible name yet after its
// caption, and ties the caption label to it as its buddy. Describes every box that has no
// description yet by the unit label beside it ("W" as "watts"); a box without a unit
// label gets no description. Both labels are found in the declared layout
// (core/box_labels.h), as the command-line program finds them.
void NameFromCaptions(QWidget* form, const FormDecl& declaration);

// Installs, once per process, the accessibility factory that reads a widget marked with
// kAccessibleForm as a form and hides decorative widgets from the tree of their parent.
void InstallFormAccessibility();

}  // namespace ampora
