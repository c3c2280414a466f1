// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reliability_support.h"

#include "app/main_window.h"
#include "support/widget_helpers.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace ampora::test {
namespace {

// Every test of this executable runs with HOME and the XDG folders inside one fresh,
// empty folder, set before main() so that even the application object's start-up is
// covered; the no-files test then finds anything the program wrote there.
class Home {
public:
    Home() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ampora-home-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        root_ = pattern;
        const std::filesystem::path root(root_);
        // Qt insists on a runtime folder that exists and only its owner may enter.
        std::filesystem::create_directory(root / "runtime");
        std::filesystem::permissions(root / "runtime", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        setenv("HOME", root_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        setenv("XDG_CACHE_HOME", (root / "cache").c_str(), 1);
        setenv("XDG_STATE_HOME", (root / "state").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
    }
    ~Home() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    const std::string& root() const { return root_; }

private:
    std::string root_;
};

const Home kHome;

}  // namespace

QString FreshHome() { return QString::fromStdString(kHome.root()); }

QStringList FreshHomeSkeleton() { return {FreshHome() + QStringLiteral("/runtime")}; }

QList<QAction*> FormActions(const MainWindow& window) {
    QList<QAction*> found;
    const auto actions = window.menuBar()->findChildren<QAction*>();
    for (QAction* action : actions) {
        const QString name = action->objectName();
        if (!name.startsWith(QLatin1String("mnu")) || name == QLatin1String("mnuexit")) continue;
        if (action->menu() || action->isSeparator() || !action->isEnabled()) continue;
        found.append(action);
    }
    return found;
}

bool HostsWebView(const QWidget* form) {
    if (form->inherits("QWebEngineView")) return true;
    const auto children = form->findChildren<QWidget*>();
    for (const QWidget* child : children)
        if (child->inherits("QWebEngineView")) return true;
    return false;
}

void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CloseAll(const MainWindow& window) {
    for (QMdiSubWindow* w : OpenWindows(window.area())) w->close();
    Settle();
}

std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

QString MiB(std::size_t bytes) { return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 2) + " MiB"; }

}  // namespace ampora::test
