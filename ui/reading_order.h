// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

class QWidget;

namespace ampora {

// The controls of `container` that Tab can reach, in reading order: row by row from top
// to bottom, left to right within a row; a frame's controls in their frame's place, in
// the frame's own reading order. Hidden and disabled controls are included, so the order
// holds when they appear.
std::vector<QWidget*> ReadingOrder(const QWidget* container);

}  // namespace ampora
