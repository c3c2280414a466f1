// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading_order.h"

#include <QWidget>

#include <algorithm>

namespace ampora {
namespace {

bool TakesTab(const QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus; }

}  // namespace

std::vector<QWidget*> ReadingOrder(const QWidget* container) {
    std::vector<QWidget*> children;
    for (QObject* o : container->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow()) children.push_back(w);
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    // A control belongs to the current row while its top lies within half a row of the
    // row's first control (a design row is 24 pixels; frames are taller than a row).
    constexpr int kHalfRow = 12;
    std::vector<QWidget*> ordered;
    for (std::size_t first = 0; first < children.size();) {
        const int rowEnd = children[first]->y() + std::clamp(children[first]->height() / 2, 1, kHalfRow);
        std::size_t last = first;
        while (last < children.size() && children[last]->y() < rowEnd) ++last;
        std::stable_sort(children.begin() + static_cast<std::ptrdiff_t>(first),
                         children.begin() + static_cast<std::ptrdiff_t>(last),
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        first = last;
    }
    for (QWidget* w : children) {
        if (TakesTab(w)) {
            ordered.push_back(w);
        } else {
            const auto inner = ReadingOrder(w);
            ordered.insert(ordered.end(), inner.begin(), inner.end());
        }
    }
    return ordered;
}

}  // namespace ampora
