// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// The web browser of the help viewer, as the viewer sees it. The real one lives in the
// help plugin, a separate library, so that the program itself never loads the web engine
// until help is asked for. This header is all the plugin and the program share: it has no
// meta-object, so both sides can include it without linking each other.
namespace ampora {

class HelpBrowser {
public:
    // What the browser tells its viewer, each on the user-interface thread. A move within
    // the page shown (to an anchor) starts no load: only the address changes.
    struct Notifications {
        std::function<void()> loadStarted;                  // a page has started loading
        std::function<void()> downloadComplete;             // a page has finished loading
        std::function<void(const QUrl&)> navigateComplete;  // the browser moved to an address
    };

    virtual ~HelpBrowser() = default;

    // The browser's widget; its parent owns it and, through it, this object.
    virtual QWidget* widget() = 0;
    virtual void setNotifications(Notifications notifications) = 0;

    virtual void navigate(const QUrl& address) = 0;
    // Each returns whether it set the browser going; one it cannot carry out (back with no
    // history) does nothing and returns false.
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;
    virtual bool refresh() = 0;
    virtual void stop() = 0;

    // The viewer is closing: the browser may stay with the program, hidden, for the next
    // viewer to take over instead of being destroyed with this one.
    virtual void recycle() {}

    // The title of the page shown, or its address when it has none.
    virtual QString locationName() const = 0;
};

// The plugin's one entry point: a browser whose widget is a child of `parent`, either new
// or the one a closed viewer recycled, with its history cleared.
using CreateHelpBrowser = HelpBrowser* (*)(QWidget* parent);
inline constexpr char kCreateHelpBrowserSymbol[] = "ampora_create_help_browser";

}  // namespace ampora
