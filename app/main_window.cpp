// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "bench_probe.h"
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

// The menu tree: level, name, caption and the form a leaf opens. A level-N entry
// belongs to the nearest level-(N-1) entry above it.
struct MenuEntry {
    int level;
    const char* name;
    const char* caption;
    const char* opens = nullptr;
};

const MenuEntry kMenus[] = {
    {1, "mnufile", "File"},
    {2, "mnumain", "Show Main", "Form1"},
    {2, "mnurcnt", "Recent"},
    {2, "mnumin", "-"},
    {2, "mnuexit", "E&xit"},
    {1, "mnutools", "Tools"},
    {2, "mnuel", "Electrical"},
    {3, "mnube", "Basic Electricity", "pd"},
    {3, "mnucap", "Capacitance", "cap"},
    {3, "mnures", "Resistance", "res"},
    {3, "mnurcc", "Resistor Colour Coding", "rcc"},
    {3, "mnuac", "Alternating Current", "ac"},
    {3, "mnucond", "Conductance", "cond"},
    {3, "mnufuse", "Fuse Size", "fuse"},
    {2, "mnutt", "Testing Tools"},
    {3, "mnuosc", "Oscilloscope", "oscil"},
    {3, "mnuga", "Galvano to Ammeter", "amm"},
    {2, "mnumag", "Megnetism"},
    {3, "mnuem", "Electr-megnetism", "mag"},
    {3, "mnuind", "Inductance", "ind"},
    {3, "mnutrnf", "Transformer", "trans"},
    {2, "mnumath", "Mathematics"},
    {3, "mnutri", "Trigonometry"},
    {4, "mnuratri", "Right Angle Triangle", "ratri"},
    {4, "mnucir", "Circle", "cirtri"},
    {1, "mnuhlp", "Help"},
    {2, "mnuabt", "About", "frmAbout"},
    {2, "mnuonhlp", "Help Online", "frmBrowser"},
};

bool HasChildren(const MenuEntry* entry, const MenuEntry* end) {
    return entry + 1 != end && (entry + 1)->level > entry->level;
}

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
    // MDIForm_Load: the main panel is the first child window.
    forms_->OpenForm(kMainPanel);
    // The start-up benchmark measures the program once this window is up, and may ask for
    // every calculator or the help viewer to be opened; this runs after the window is shown.
    if (bench::Requested())
        QMetaObject::invokeMethod(this, &MainWindow::startBenchmark, Qt::QueuedConnection);
}

void MainWindow::startBenchmark() {
    bench::Stamp("ready", bench::OpenAllRequested() ? openEveryCalculator() : 0);
    if (!bench::OpenHelpRequested()) return;
    QAction* help = menuBar()->findChild<QAction*>(QStringLiteral("mnuonhlp"));
    if (!help || !help->isEnabled()) {
        bench::Stamp("help-unavailable");
        return;
    }
    bench::WatchHelpCaption();
    bench::Stamp("help-open");
    help->trigger();
}

int MainWindow::openEveryCalculator() {
    int picked = 0;
    for (const MenuEntry& e : kMenus) {
        if (!e.opens || !FindCalculator(e.opens)) continue;
        QAction* action = menuBar()->findChild<QAction*>(QString::fromLatin1(e.name));
        if (!action || !action->isEnabled()) continue;
        action->trigger();
        ++picked;
    }
    return picked;
}

void MainWindow::buildMenus() {
    std::vector<QMenu*> parents;  // parents[level - 1] is the open menu at that level
    const MenuEntry* end = std::end(kMenus);
    for (const MenuEntry* e = std::begin(kMenus); e != end; ++e) {
        const QString name = QString::fromLatin1(e->name);
        const QString caption = QString::fromLatin1(e->caption);
        parents.resize(static_cast<std::size_t>(e->level - 1));
        QMenu* parentMenu = parents.empty() ? nullptr : parents.back();
        if (HasChildren(e, end)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            parents.push_back(menu);
            continue;
        }
        if (caption == QLatin1String("-")) {
            parentMenu->addSeparator()->setObjectName(name);
            continue;
        }
        if (name == QLatin1String("mnurcnt")) {
            // "Recent" lists the open child windows and activates the one picked.
            QMenu* recent = parentMenu->addMenu(caption);
            recent->setObjectName(name);
            recent->menuAction()->setObjectName(name);
            connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecent(recent); });
            fillRecent(recent);
            continue;
        }
        QAction* action = parentMenu->addAction(caption);
        action->setObjectName(name);
        if (name == QLatin1String("mnuexit")) {
            connect(action, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);
        } else if (name == QLatin1String("mnuonhlp")) {
            action->setEnabled(forms_->available(kHelpViewer));
            connect(action, &QAction::triggered, this, &MainWindow::HelpOnline);
        } else if (e->opens) {
            const std::string_view form = e->opens;
            action->setEnabled(forms_->available(form));
            connect(action, &QAction::triggered, this, [this, form] { forms_->OpenForm(form); });
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

void MainWindow::HelpOnline() {
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
    if (auto* viewer = qobject_cast<BrowserForm*>(forms_->OpenForm(kHelpViewer)))
        viewer->navigate(HelpPageUrl());
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
    // MDIForm_Unload: the program ends at once; nothing is asked or saved.
    event->accept();
    QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
}

}  // namespace ampora
