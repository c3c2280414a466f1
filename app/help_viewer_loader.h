// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "help_browser.h"

#include <QStringList>

namespace ampora {

// The help manual, served from the help plugin's own resources: no network needed.
QUrl HelpPageUrl();

// Where the help plugin is looked for: next to the executable first, then where the
// build put it.
QStringList HelpPluginDirs();

struct HelpPlugin {
    CreateHelpBrowser create = nullptr;  // null when the plugin could not be loaded
    QString error;                       // why, in plain words
};

// Loads the help plugin (once per run; later calls find it loaded) and its entry point.
HelpPlugin LoadHelpPlugin(const QStringList& dirs = HelpPluginDirs());

// What the web engine needs from the process before it starts: its sandbox cannot run
// as root, so when running as root the documented switch turns it off. Harmless to call
// more than once; it never loads the web engine.
void PrepareWebEngineEnvironment();

}  // namespace ampora
