// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace ampora {

// A modal message box with the title, the text, one "OK" button and no icon, read by a
// screen reader under its title with the text as its description. Returns once it is
// dismissed. `objectName` names the box for tests; `details` adds a "Show Details..."
// part when not empty.
void ShowMessage(QWidget* parent, const QString& title, const QString& text, const QString& objectName = {},
                 const QString& details = {});

}  // namespace ampora
