// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form_decl.h"

#include <QRect>

// A form's controls are declared in twips (core/form_decl.h); widgets are placed in
// device-independent pixels.
namespace ampora {

// The nearest whole device-independent pixel.
constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline QRect Px(const Twips& at) { return {Px(at.left), Px(at.top), Px(at.width), Px(at.height)}; }

}  // namespace ampora
