// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_fit.h"

#include "wrap_button.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace ampora {
namespace {

// The room a push button's bevel takes on each side, at least.
constexpr int kBevel = 2;
// The room a frame's title keeps from the frame's left and right corners.
constexpr int kTitleInset = 8;
// Design positions are rounded from twips: a neighbour that starts up to this many
// pixels before a control's end still counts as coming after it.
constexpr int kRounding = 3;

QSize TextSize(const QWidget* w, const QString& text, int flags) {
    return QFontMetrics(w->font()).size(flags, text);
}

QSize LabelOverflow(const QLabel* label) {
    if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText) return {};
    const QSize need = TextSize(label, label->text(), Qt::TextShowMnemonic | Qt::TextExpandTabs);
    const int margin = 2 * label->margin() + (label->indent() > 0 ? label->indent() : 0);
    const QSize room = label->contentsRect().size() - QSize(margin, margin);
    return need - room;
}

QSize ButtonOverflow(const QPushButton* button) {
    if (button->text().isEmpty()) return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int chrome = std::max(2 * kBevel, button->width() - contents.width());
    const QSize need = WrapButton::wraps(button)
                           ? QFontMetrics(button->font())
                                 .boundingRect(QRect(0, 0, button->width() - chrome, 1 << 16),
                                               WrapButton::kTextFlags, button->text())
                                 .size()
                           : TextSize(button, button->text(), Qt::TextShowMnemonic);
    // The text may run over the thin bevel at top and bottom, never over the sides.
    return {need.width() + chrome - button->width(), need.height() - button->height()};
}

QSize IndicatorOverflow(const QAbstractButton* button, QStyle::PixelMetric indicator,
                        QStyle::PixelMetric spacing) {
    if (button->text().isEmpty()) return {};
    const QStyle* style = button->style();
    const QSize need = TextSize(button, button->text(), Qt::TextShowMnemonic);
    const int width = style->pixelMetric(indicator, nullptr, button) +
                      style->pixelMetric(spacing, nullptr, button) + need.width();
    return {width - button->width(), need.height() - button->height()};
}

// A list is wide enough when its longest entry shows whole beside the arrow.
QSize ListOverflow(const QComboBox* list) {
    const QFontMetrics fm(list->font());
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, fm.horizontalAdvance(list->itemText(i)));
    if (widest == 0) return {};
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    const QSize need =
        list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, fm.height()), list);
    return {need.width() - list->width(), 0};
}

QSize FrameOverflow(const QGroupBox* frame) {
    if (frame->title().isEmpty()) return {};
    const QSize need = TextSize(frame, frame->title(), Qt::TextShowMnemonic);
    return {need.width() + 2 * kTitleInset - frame->width(), 0};
}

// A container whose children sit at design positions: the form itself or a frame. Other
// containers (pictures with a drawing behind their children) keep their children where
// they are.
bool Stretchable(const QWidget* container, const QWidget* form) {
    return container == form || qobject_cast<const QGroupBox*>(container);
}

// Inserts `delta` pixels at `at` (exclusive end of the control that needs them) across
// `container`: children starting at or beyond it move, children reaching it grow; then
// the container itself grows, which inserts the same room in its own container.
void Stretch(QWidget* container, QWidget* form, Qt::Orientation axis, int at, int delta, QSize& grown) {
    const bool across = axis == Qt::Horizontal;
    for (QObject* object : container->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow()) continue;
        QRect r = child->geometry();
        const int start = across ? r.left() : r.top();
        const int end = across ? r.left() + r.width() : r.top() + r.height();
        if (start >= at - kRounding) {
            r.translate(across ? delta : 0, across ? 0 : delta);
        } else if (end >= at) {
            if (across)
                r.setWidth(r.width() + delta);
            else
                r.setHeight(r.height() + delta);
        } else {
            continue;
        }
        child->setGeometry(r);
    }
    if (container == form) {
        const QSize more = across ? QSize(delta, 0) : QSize(0, delta);
        form->setFixedSize(form->size() + more);
        grown += more;
        return;
    }
    QWidget* outer = container->parentWidget();
    const QRect r = container->geometry();
    const int end = across ? r.left() + r.width() : r.top() + r.height();
    Stretch(outer, form, axis, end, delta, grown);
}

// A right-aligned caption grows to its left when nothing is in the way there.
bool GrowLeftward(QLabel* label, int lack) {
    if (!(label->alignment() & Qt::AlignRight)) return false;
    const QRect wanted = label->geometry().adjusted(-lack, 0, 0, 0);
    if (wanted.left() < 0) return false;
    for (QObject* object : label->parentWidget()->children()) {
        const auto* other = qobject_cast<QWidget*>(object);
        if (!other || other == label || other->isWindow()) continue;
        if (other->geometry().intersects(wanted) && !other->geometry().intersects(label->geometry()))
            return false;
    }
    label->setGeometry(wanted);
    return true;
}

// Grows `control` by up to `missing` pixels into the empty room after it (up to the next
// control on its row or column, or its container's edge); returns how much it grew.
int GrowIntoFreeRoom(QWidget* control, Qt::Orientation axis, int missing) {
    const bool across = axis == Qt::Horizontal;
    const QRect r = control->geometry();
    const int end = across ? r.left() + r.width() : r.top() + r.height();
    const QWidget* container = control->parentWidget();
    int limit = across ? container->width() : container->height();
    for (QObject* object : container->children()) {
        const auto* other = qobject_cast<QWidget*>(object);
        if (!other || other == control || other->isWindow()) continue;
        const QRect o = other->geometry();
        const bool inLine = across ? (o.top() <= r.bottom() && o.bottom() >= r.top())
                                   : (o.left() <= r.right() && o.right() >= r.left());
        const int start = across ? o.left() : o.top();
        // Whatever starts before the control's end by more than rounding lies behind or
        // around it by design (a picture, a long title), not in its way.
        if (inLine && start >= end - kRounding) limit = std::min(limit, std::max(start, end));
    }
    const int grow = std::clamp(limit - end, 0, missing);
    if (grow > 0) control->resize(r.size() + (across ? QSize(grow, 0) : QSize(0, grow)));
    return grow;
}

}  // namespace

QSize TextOverflow(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return LabelOverflow(label);
    if (const auto* button = qobject_cast<const QPushButton*>(control)) return ButtonOverflow(button);
    if (const auto* option = qobject_cast<const QRadioButton*>(control))
        return IndicatorOverflow(option, QStyle::PM_ExclusiveIndicatorWidth,
                                 QStyle::PM_RadioButtonLabelSpacing);
    if (const auto* check = qobject_cast<const QCheckBox*>(control))
        return IndicatorOverflow(check, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing);
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return FrameOverflow(frame);
    if (const auto* list = qobject_cast<const QComboBox*>(control)) return ListOverflow(list);
    return {};
}

QSize GrowToFitText(QWidget* form) {
    QSize grown;
    // Each round mends one control; a form has far fewer controls than this.
    for (int round = 0; round < 1000; ++round) {
        bool mended = false;
        const auto controls = form->findChildren<QWidget*>();
        for (QWidget* control : controls) {
            QWidget* container = control->parentWidget();
            if (control->isWindow() || !container || container->layout()) continue;
            const QSize lack = TextOverflow(control);
            if (lack.width() <= 0 && lack.height() <= 0) continue;
            auto* label = qobject_cast<QLabel*>(control);
            if (lack.width() > 0 && label && GrowLeftward(label, lack.width())) {
                // grown in place
            } else if (!Stretchable(container, form)) {
                control->resize(control->size() + lack.expandedTo({0, 0}));
            } else {
                const Qt::Orientation axis = lack.width() > 0 ? Qt::Horizontal : Qt::Vertical;
                const int missing = axis == Qt::Horizontal ? lack.width() : lack.height();
                const int rest = missing - GrowIntoFreeRoom(control, axis, missing);
                const QRect r = control->geometry();
                const int end = axis == Qt::Horizontal ? r.left() + r.width() : r.top() + r.height();
                if (rest > 0) Stretch(container, form, axis, end, rest, grown);
            }
            mended = true;
            break;
        }
        if (!mended) break;
    }
    return grown;
}

}  // namespace ampora
