// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ampora {

// QtWebEngine draws through an OpenGL context shared with the application's and crashes
// without one. Qt::AA_ShareOpenGLContexts would create that context at start-up, which
// loads the OpenGL driver (with Mesa: LLVM, some 60 MB and a few hundred ms) into every
// run although most runs never open help. So opening the help viewer calls this, before
// its library that links QtWebEngine is loaded (FormTable::open); later calls do
// nothing.
void ShareOpenGLContexts();

}  // namespace ampora
