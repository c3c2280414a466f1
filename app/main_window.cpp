// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "browser_form.h"
#include "calc/registry.h"
#include "ui/control_table.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>

namespace ampora {
namespace {

// What a menu row does when picked.
enum class Does {
    Submenu,    // holds the rows below it, one level deeper
    Open,       // opens its form
    Recent,     // lists the open child windows and activates the one picked
    Separator,  // a line between items
    Exit,       // ends the program at once
    Help,       // opens the help viewer on the help page
};

// The menu tree: level, name, caption, what the row does and the form it opens. A level-N
// row belongs to the nearest submenu of level N-1 above it.
struct MenuEntry {
    int level;
    const char* name;
    const char* caption;
    Does does;
    const char* opens = nullptr;
};

const MenuEntry kMenus[] = {
    {1, "mnufile", "File", Does::Submenu},
    {2, "mnumain", "Show Main", Does::Open, "Form1"},
    {2, "mnurcnt", "Recent", Does::Recent},
    {2, "mnumin", "-", Does::Separator},
    {2, "mnuexit", "E&xit", Does::Exit},
    {1, "mnutools", "Tools", Does::Submenu},
    {2, "mnuel", "Electrical", Does::Submenu},
    {3, "mnube", "Basic Electricity", Does::Open, "pd"},
    {3, "mnucap", "Capacitance", Does::Open, "cap"},
    {3, "mnures", "Resistance", Does::Open, "res"},
    {3, "mnurcc", "Resistor Colour Coding", Does::Open, "rcc"},
    {3, "mnuac", "Alternating Current", Does::Open, "ac"},
    {3, "mnucond", "Conductance", Does::Open, "cond"},
    {3, "mnufuse", "Fuse Size", Does::Open, "fuse"},
    {2, "mnutt", "Testing Tools", Does::Submenu},
    {3, "mnuosc", "Oscilloscope", Does::Open, "oscil"},
    {3, "mnuga", "Galvano to Ammeter", Does::Open, "amm"},
    {2, "mnumag", "Megnetism", Does::Submenu},
    {3, "mnuem", "Electr-megnetism", Does::Open, "mag"},
    {3, "mnuind", "Inductance", Does::Open, "ind"},
    {3, "mnutrnf", "Transformer", Does::Open, "trans"},
    {2, "mnumath", "Mathematics", Does::Submenu},
    {3, "mnutri", "Trigonometry", Does::Submenu},
    {4, "mnuratri", "Right Angle Triangle", Does::Open, "ratri"},
    {4, "mnucir", "Circle", Does::Open, "cirtri"},
    {1, "mnuhlp", "Help", Does::Submenu},
    {2, "mnuabt", "About", Does::Open, "frmAbout"},
    {2, "mnuonhlp", "Help Online", Does::Help},
};

}  // namespace

MainWindow::MainWindow(std::vector<FormEntry> forms, QWidget* parent)
    : QMainWindow(parent), area_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Ampora"));
    area_->setObjectName(QStringLiteral("area"));
    setCentralWidget(area_);
    forms_ = new FormTable(area_, std::move(forms), this);
    buildMenus();
    bindStandardKeys();
    resize(Px(11670), Px(8025) + menuBar()->sizeHint().height());
    // The main panel is the first child window.
    forms_->open(kMainPanel);
}

int MainWindow::openEveryCalculator() {
    int picked = 0;
    for (const MenuEntry& e : kMenus) {
        if (e.does != Does::Open || !FindCalculator(e.opens)) continue;
        QAction* action = menuBar()->findChild<QAction*>(QString::fromLatin1(e.name));
        if (!action || !action->isEnabled()) continue;
        action->trigger();
        ++picked;
    }
    return picked;
}

void MainWindow::buildMenus() {
    std::vector<QMenu*> parents;  // parents[level - 1] is the open submenu at that level
    for (const MenuEntry& e : kMenus) {
        const QString name = QString::fromLatin1(e.name);
        const QString caption = QString::fromLatin1(e.caption);
        parents.resize(static_cast<std::size_t>(e.level - 1));
        QMenu* parentMenu = parents.empty() ? nullptr : parents.back();
        const auto addMenu = [&] {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            return menu;
        };
        const auto addItem = [&] {
            QAction* action = parentMenu->addAction(caption);
            action->setObjectName(name);
            return action;
        };
        switch (e.does) {
            case Does::Submenu:
                parents.push_back(addMenu());
                break;
            case Does::Open: {
                QAction* action = addItem();
                const std::string_view form = e.opens;
                action->setEnabled(forms_->available(form));
                connect(action, &QAction::triggered, this, [this, form] { forms_->open(form); });
                break;
            }
            case Does::Recent: {
                QMenu* recent = addMenu();
                connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecent(recent); });
                fillRecent(recent);
                break;
            }
            case Does::Separator:
                parentMenu->addSeparator()->setObjectName(name);
                break;
            case Does::Exit:
                connect(addItem(), &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);
                break;
            case Does::Help: {
                QAction* action = addItem();
                action->setEnabled(forms_->available(kHelpViewer));
                connect(action, &QAction::triggered, this, &MainWindow::openHelp);
                break;
            }
        }
    }
}

namespace {

// The desktop's keys for `standard`, and `usual` where its keyboard scheme lacks it, so that
// the key the manual names works on every desktop.
QList<QKeySequence> KeysOf(QKeySequence::StandardKey standard, const QKeySequence& usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    if (!keys.contains(usual)) keys << usual;
    return keys;
}

}  // namespace

void MainWindow::bindStandardKeys() {
    // The menu items keep no shortcut of their own: these keys work from every child window
    // and pick the item.
    const std::pair<QList<QKeySequence>, const char*> items[] = {
        {KeysOf(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q), "mnuexit"},
        {KeysOf(QKeySequence::HelpContents, Qt::Key_F1), "mnuonhlp"}};
    for (const auto& [keys, item] : items) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, findChild<QAction*>(QString::fromLatin1(item)),
                &QAction::trigger);
    }
    // A child window closes with the desktop's Close key (Ctrl+W on Linux desktops); Ctrl+F4
    // closes it too where that is not already one of them.
    const QKeySequence closeChild(Qt::CTRL | Qt::Key_F4);
    if (!QKeySequence::keyBindings(QKeySequence::Close).contains(closeChild))
        connect(new QShortcut(closeChild, this), &QShortcut::activated, area_,
                &QMdiArea::closeActiveSubWindow);
}

void MainWindow::openHelp() {
    if (!forms_->available(kHelpViewer)) return;
    if (!forms_->form(kHelpViewer)) {
        // The viewer's browser lives in a plugin: without it there is no viewer to open.
        const HelpPlugin plugin = helpLoader_();
        if (!plugin.create) {
            ShowMessage(this, QStringLiteral("Ampora"),
                        tr("The help viewer could not be loaded, so help cannot be shown."),
                        QStringLiteral("helpMissing"), plugin.error);
            return;
        }
    }
    if (auto* viewer = qobject_cast<BrowserForm*>(forms_->open(kHelpViewer))) viewer->navigate(HelpPageUrl());
}

void MainWindow::fillRecent(QMenu* recent) {
    recent->clear();
    const auto windows = area_->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* window : windows) {
        if (!window->isVisible()) continue;
        QAction* pick = recent->addAction(window->windowTitle());
        connect(pick, &QAction::triggered, this, [this, w = QPointer<QMdiSubWindow>(window)] {
            if (!w) return;
            w->show();
            area_->setActiveSubWindow(w);
        });
    }
    if (recent->isEmpty()) recent->addAction(tr("(no open windows)"))->setEnabled(false);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The program ends at once; nothing is asked or saved.
    event->accept();
    QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
}

}  // namespace ampora
