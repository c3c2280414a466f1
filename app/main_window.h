// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_table.h"
#include "help_viewer_loader.h"

#include <QMainWindow>

class QMdiArea;
class QMenu;

namespace ampora {

// `MDIForm1`: the frame of the program, with its menu tree and the MDI area that holds
// every other form. Its load opens the main panel; closing it ends the program.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(std::vector<FormEntry> forms = AllForms(), QWidget* parent = nullptr);

    FormTable& forms() { return *forms_; }
    QMdiArea* area() const { return area_; }

    // "Help Online": opens the help viewer (loading its plugin on first use) and shows
    // the help page; a second pick brings the viewer to the front and shows it again.
    void openHelp();
    // Where "Help Online" gets the help plugin from; the plugin beside the program unless
    // replaced.
    void setHelpLoader(std::function<HelpPlugin()> loader) { helpLoader_ = std::move(loader); }
    // Picks every enabled menu item that opens a calculator, as a user would; returns
    // how many it picked.
    int openEveryCalculator();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void bindStandardKeys();
    void fillRecent(QMenu* recent);

    QMdiArea* area_;
    FormTable* forms_;
    std::function<HelpPlugin()> helpLoader_ = [] { return LoadHelpPlugin(); };
};

}  // namespace ampora
