// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_table.h"

#include "gl_share.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

namespace ampora {

FormTable::FormTable(QMdiArea* area, std::vector<FormEntry> entries, QObject* parent)
    : QObject(parent), area_(area), windowIcon_(area->style()->standardIcon(QStyle::SP_TitleBarMenuButton)) {
    for (auto& e : entries) slots_.push_back({std::move(e), {}});
}

FormTable::Slot* FormTable::slot(std::string_view name) {
    for (auto& s : slots_)
        if (s.entry.name == name) return &s;
    return nullptr;
}

const FormTable::Slot* FormTable::slot(std::string_view name) const {
    return const_cast<FormTable*>(this)->slot(name);
}

bool FormTable::available(std::string_view name) const { return slot(name) != nullptr; }

QWidget* FormTable::form(std::string_view name) const {
    const Slot* s = slot(name);
    if (!s || !s->window || !s->window->isVisible()) return nullptr;
    return s->window->widget();
}

QWidget* FormTable::open(std::string_view name) {
    Slot* s = slot(name);
    if (!s) return nullptr;
    // A window the user closed is on its way to deletion: load the form afresh.
    if (s->window && !s->window->isVisible()) s->window = nullptr;
    if (!s->window) {
        // The help viewer's library links QtWebEngine, which needs the shared OpenGL
        // context from the moment it is loaded.
        if (name == kHelpViewer) ShareOpenGLContexts();
        QWidget* form = s->entry.create(*this);
        form->setAttribute(Qt::WA_DeleteOnClose);
        Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (s->entry.sizable) flags |= Qt::WindowMinMaxButtonsHint;
        QMdiSubWindow* window = area_->addSubWindow(form, flags);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // The program's icon once it has one, else the style's; one icon for every window.
        const QIcon programIcon = QGuiApplication::windowIcon();
        window->setWindowIcon(programIcon.isNull() ? windowIcon_ : programIcon);
        window->setObjectName(form->objectName() + QStringLiteral("Window"));
        if (!s->entry.sizable) {
            window->adjustSize();
            window->setFixedSize(window->size());
        }
        s->window = window;
    }
    QMdiSubWindow* window = s->window;
    window->show();
    window->raise();
    area_->setActiveSubWindow(window);
    return window->widget();
}

}  // namespace ampora
