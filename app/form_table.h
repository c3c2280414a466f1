// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>

#include <functional>
#include <string_view>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace ampora {

class FormTable;

// A form of the program by its name ("Form1", "cond"), with how to create it.
struct FormEntry {
    std::string_view name;
    std::function<QWidget*(FormTable&)> create;
    bool sizable = false;  // fixed-size child windows unless set
};

// One slot per form. Opening a form creates it when its slot is empty (or its window
// was closed), shows it as a child window and brings it to the front; an open form keeps
// its boxes. A closed form's window is deleted, so it reopens afresh.
class FormTable : public QObject {
    Q_OBJECT
public:
    FormTable(QMdiArea* area, std::vector<FormEntry> entries, QObject* parent = nullptr);

    // Returns the form, or nullptr when no form of this name is part of the program.
    QWidget* open(std::string_view name);
    bool available(std::string_view name) const;
    // The open form of this name, or nullptr.
    QWidget* form(std::string_view name) const;
    QMdiArea* area() const { return area_; }

private:
    struct Slot {
        FormEntry entry;
        QPointer<QMdiSubWindow> window;
    };
    Slot* slot(std::string_view name);
    const Slot* slot(std::string_view name) const;

    QMdiArea* area_;
    // One icon shared by every child window. Left to itself each new window takes a fresh
    // copy of the style's icon, and the scaled pixmap drawn in its title bar is cached
    // anew under that copy's key, so opening and closing forms kept adding to the cache.
    QIcon windowIcon_;
    std::vector<Slot> slots_;
};

// Every form of the program, with how to create it: the shell's own forms and every
// calculator of the registry (calc/registry.h).
std::vector<FormEntry> AllForms();

// The shell's own forms.
inline constexpr std::string_view kMainPanel = "Form1";
inline constexpr std::string_view kChooser = "trigono";
inline constexpr std::string_view kAboutBox = "frmAbout";
inline constexpr std::string_view kHelpViewer = "frmBrowser";

}  // namespace ampora
