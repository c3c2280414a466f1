// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ampora {

// Sets up the application object, opens the first window and runs the event loop.
int RunAmpora(int argc, char** argv);

}  // namespace ampora
