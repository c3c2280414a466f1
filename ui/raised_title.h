// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control_table.h"

class QLabel;
class QWidget;

namespace ampora {

// Draws `title` on `parent`, a form or a frame: its white copy, then the bold label over
// it. The copy is only a shade, hidden from assistive technology, so a screen reader reads
// the title once. Returns the label.
QLabel* AddRaisedTitle(const Title& title, QWidget* parent);

}  // namespace ampora
