// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form_decl.h"

#include <QImage>

namespace ampora {

// A picture's drawing as an image: crisp black strokes and small text on white, like a
// printed diagram.
QImage DrawingImage(const Drawing& drawing);

}  // namespace ampora
