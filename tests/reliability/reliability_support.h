// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

#include <cstddef>

class QAction;
class QWidget;

namespace ampora {
class MainWindow;
}

// What the reliability tests share: the forms the main window can open, found from its
// menus and table rather than listed, and measurements of the process.
namespace ampora::test {

// True when built with AddressSanitizer, whose quarantine holds on to freed memory.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

// The enabled menu items that open a form (every leaf but "Exit" and the "Recent" picks).
QList<QAction*> FormActions(const MainWindow& window);
// Whether a form hosts a web view (the help viewer), whose engine runs in other processes.
bool HostsWebView(const QWidget* form);
// Closes every child window and lets Qt delete what was closed.
void CloseAll(const MainWindow& window);
// Delivers pending events, then deletes the widgets that were closed.
void Settle();

// The resident memory of this process, in bytes.
std::size_t ResidentBytes();
QString MiB(std::size_t bytes);

// The folder that HOME and the XDG folders of this test executable point into; it is
// made fresh and empty before main() and removed at exit.
QString FreshHome();
// The folders FreshHome() holds from the start (the runtime folder must exist).
QStringList FreshHomeSkeleton();

}  // namespace ampora::test
