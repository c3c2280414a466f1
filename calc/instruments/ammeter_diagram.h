// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace ampora {

// The circuit behind the ammeter form's boxes: a cell ("Input"), the galvanometer ("G")
// and the shunt resistor ("Shunt") on three parallel branches between two junction
// dots, black on white, 242 x 219 pixels. Coordinates match the boxes laid over it.
QImage AmmeterDiagram();

}  // namespace ampora
