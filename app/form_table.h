// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace ampora {

enum class FormKind {
    Form1,
    trigono,
    frmAbout,
    frmBrowser,
    pd,
    cap,
    res,
    rcc,
    ac,
    cond,
    fuse,
    oscil,
    amm,
    mag,
    ind,
    trans,
    ratri,
    cirtri,
};

// The calculators: every kind but the shell's own forms.
constexpr bool IsCalculator(FormKind kind) {
    return kind != FormKind::Form1 && kind != FormKind::trigono && kind != FormKind::frmAbout &&
           kind != FormKind::frmBrowser;
}

class FormTable;

struct FormEntry {
    FormKind kind;
    std::function<QWidget*(FormTable&)> create;
    bool sizable = false;  // fixed-size child windows unless set
};

// One slot per form kind. Opening a kind creates its form when the slot is empty (or
// its window was closed), shows it as a child window and brings it to the front; an
// open form keeps its boxes. A closed form's window is deleted, so it reopens afresh.
class FormTable : public QObject {
    Q_OBJECT
public:
    FormTable(QMdiArea* area, std::vector<FormEntry> entries, QObject* parent = nullptr);

    // Returns the form, or nullptr when this kind is not part of the program.
    QWidget* OpenForm(FormKind kind);
    bool available(FormKind kind) const;
    // The open form of this kind, or nullptr.
    QWidget* form(FormKind kind) const;
    QMdiArea* area() const { return area_; }

signals:
    void opened(FormKind kind, QWidget* form);

private:
    struct Slot {
        FormEntry entry;
        QPointer<QMdiSubWindow> window;
    };
    Slot* slot(FormKind kind);
    const Slot* slot(FormKind kind) const;

    QMdiArea* area_;
    // One icon shared by every child window. Left to itself each new window takes a fresh
    // copy of the style's icon, and the scaled pixmap drawn in its title bar is cached
    // anew under that copy's key, so opening and closing forms kept adding to the cache.
    QIcon windowIcon_;
    std::vector<Slot> slots_;
};

// Every form of the program, with how to create it.
std::vector<FormEntry> AllForms();

}  // namespace ampora
