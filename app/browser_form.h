// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "help_browser.h"

#include <QWidget>

#include <functional>

class QTimer;
class QToolBar;

namespace ampora {

// `frmBrowser`: the help viewer. A sizable child window with a four-button toolbar, an
// empty strip under it and the browser, whose size follows the window. Its caption shows
// "Working..." while a toolbar command loads a page and the page's name afterwards.
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
    QTimer* timer() const { return timTimer_; }

    // Shows `address`; the caption follows when the browser reports the page complete.
    void navigate(const QUrl& address);

    // The handlers of the window, its toolbar and its busy poll.
    void Form_Resize();
    void tbToolBar_ButtonClick(const QString& key);
    void timTimer_Timer();

    // The design client area, so the child window starts at that size.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize outerSize() const;
    void showLocationName();

    QToolBar* tbToolBar_;
    QWidget* picAddress_;
    QTimer* timTimer_;
    HelpBrowser* browser_ = nullptr;
};

}  // namespace ampora
