// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ampora {

// Sets the program's icon on its windows now rather than after the first window shows.
void UseProgramIcon();

}  // namespace ampora
