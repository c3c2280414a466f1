// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// Work that waits until the program is on screen.
namespace ampora {

// Calls `then` once, on the turn of the event loop after the first window has been
// exposed (it paints and flushes while it handles that event). Call once the application
// object exists.
void AfterFirstExpose(std::function<void()> then);

}  // namespace ampora
