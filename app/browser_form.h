// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "help_browser.h"

#include <QWidget>

#include <functional>

class QToolBar;

namespace ampora {

// `frmBrowser`: the help viewer. A sizable child window with a four-button toolbar, an
// empty strip under it and the browser, whose size follows the window. Its caption shows
// "Working..." while a toolbar command loads a page and the page's name afterwards; it
// learns of loads from the browser's notifications.
class BrowserForm : public QWidget {
    Q_OBJECT
public:
    using MakeBrowser = std::function<HelpBrowser*(QWidget* parent)>;

    // `make` supplies the browser (the help plugin's, or a stand-in); without one the
    // window opens empty and every command is ignored.
    explicit BrowserForm(MakeBrowser make, QWidget* parent = nullptr);
    ~BrowserForm() override;

    HelpBrowser* browser() const { return browser_; }
    QToolBar* toolBar() const { return tbToolBar_; }

    // Shows `address`; the caption follows when the browser reports the page complete.
    void navigate(const QUrl& address);

    // The design client area, so the child window starts at that size.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // How far the last toolbar command has gone: given, or loading its page. Only such a
    // load shows "Working...".
    enum class Command { None, Given, Loading };

    QSize outerSize() const;
    void layOutBrowser();
    void runCommand(const QString& key);
    void loadStarted();
    void loadFinished();
    void moved();
    void showLocationName();

    QToolBar* tbToolBar_;
    QWidget* picAddress_;
    HelpBrowser* browser_ = nullptr;
    Command command_ = Command::None;
};

}  // namespace ampora
