// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_accessibility.h"

#include "calc_form.h"
#include "forms/core/unit_words.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>
#include <vector>

namespace ampora {
namespace {

bool Decorative(const QObject* object) { return object->property(kDecorative).toBool(); }

QString Cleaned(QString text) {
    // "&&" is a literal ampersand, a single "&" marks a mnemonic.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    text = text.simplified();
    // "Resistance:" and "R =" introduce their box; the name is what comes before.
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('=')))
        text = text.chopped(1).trimmed();
    return text;
}

struct Candidate {
    const QLabel* label = nullptr;
    int distance = std::numeric_limits<int>::max();
};

int Overlap(int a0, int a1, int b0, int b1) { return std::min(a1, b1) - std::max(a0, b0); }

// A few pixels of slack: design positions are rounded from twips.
constexpr int kSlack = 3;

// A label that the user reads as the control's caption, in the form's coordinates.
const QLabel* CaptionLabel(const QWidget* control, const QWidget* form) {
    const QRect c(control->mapTo(form, QPoint()), control->size());
    Candidate left, above, below;
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (Decorative(label) || label->text().trimmed().isEmpty() || !label->pixmap().isNull()) continue;
        if (label->window() != control->window()) continue;
        const QRect l(label->mapTo(form, QPoint()), label->size());
        const int across = Overlap(l.left(), l.right(), c.left(), c.right());
        const int down = Overlap(l.top(), l.bottom(), c.top(), c.bottom());
        const int halfWidth = std::min(l.width(), c.width()) / 2;
        if (down >= std::min(l.height(), c.height()) / 2 && l.right() <= c.left() + kSlack) {
            const int d = c.left() - l.right();
            if (d < left.distance) left = {label, d};
        } else if (across >= halfWidth && l.bottom() <= c.top() + kSlack) {
            const int d = c.top() - l.bottom();
            if (d <= 2 * c.height() && d < above.distance) above = {label, d};
        } else if (across >= halfWidth && l.top() >= c.bottom() - kSlack) {
            const int d = l.top() - c.bottom();
            if (d <= c.height() && d < below.distance) below = {label, d};
        }
    }
    if (left.label) return left.label;
    if (above.label) return above.label;
    return below.label;
}

// The unit label of a box as the form shows it: the label just right of the box on its
// row, past a "*" button that sits there. A label further off (a sketch's letter, a caption
// of another column) is not the box's unit.
const QLabel* UnitLabel(const QWidget* box, const QWidget* form) {
    const QRect c(box->mapTo(form, QPoint()), box->size());
    const int gap = c.height();
    const auto onRow = [&c](const QRect& r) {
        return Overlap(r.top(), r.bottom(), c.top(), c.bottom()) >= std::min(r.height(), c.height()) / 2;
    };
    int edge = c.right();
    for (const QPushButton* button : form->findChildren<QPushButton*>()) {
        const QRect b(button->mapTo(form, QPoint()), button->size());
        if (onRow(b) && b.left() > c.center().x() && b.left() <= edge + gap) edge = std::max(edge, b.right());
    }
    const QLabel* unit = nullptr;
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (Decorative(label) || label->text().trimmed().isEmpty() || !label->pixmap().isNull()) continue;
        const QRect l(label->mapTo(form, QPoint()), label->size());
        if (!onRow(l) || l.left() < c.right() - kSlack || l.left() > edge + gap) continue;
        if (!unit || l.left() < unit->mapTo(form, QPoint()).x()) unit = label;
    }
    return unit;
}

// A widget's node in the accessibility tree without its decorative children: a form, or
// a frame that holds the white copy of a title (the splash's).
class WithoutDecoration : public QAccessibleWidget {
public:
    WithoutDecoration(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto list = children();
        if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
        return QAccessible::queryAccessibleInterface(list[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        const auto list = children();
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == child->object()) return static_cast<int>(i);
        return -1;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto* frame = qobject_cast<const QGroupBox*>(widget())) return Cleaned(frame->title());
            if (role() == QAccessible::Form) return widget()->windowTitle();
        }
        return QAccessibleWidget::text(t);
    }

private:
    std::vector<QWidget*> children() const {
        std::vector<QWidget*> list;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !Decorative(w)) list.push_back(w);
        }
        return list;
    }
};

bool HoldsDecoration(const QWidget* widget) {
    for (const QObject* child : widget->children())
        if (child->isWidgetType() && Decorative(child)) return true;
    return false;
}

QAccessibleInterface* FormFactory(const QString&, QObject* object) {
    // Titles sit on forms and on frames (the splash's). Only the meta-object system is asked
    // what `object` is: the help viewer's web engine asks about objects of its own classes,
    // which must not be called into from here.
    if (auto* form = qobject_cast<CalcForm*>(object)) return new WithoutDecoration(form, QAccessible::Form);
    auto* frame = qobject_cast<QGroupBox*>(object);
    if (frame && HoldsDecoration(frame)) return new WithoutDecoration(frame, QAccessible::Grouping);
    return nullptr;
}

}  // namespace

void NameFromCaptions(QWidget* form) {
    for (QWidget* control : form->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QComboBox*>(control)) continue;
        // A combo box's own line edit is named through the combo box.
        if (qobject_cast<QComboBox*>(control->parentWidget())) continue;
        if (qobject_cast<QLineEdit*>(control) && control->accessibleDescription().isEmpty()) {
            if (const QLabel* unit = UnitLabel(control, form)) {
                const std::string label = unit->text().toStdString();
                const std::string_view words = UnitInWords(label);
                // A unit the table does not know yet is better read as written than not at all.
                control->setAccessibleDescription(
                    words.empty() ? unit->text().trimmed()
                                  : QString::fromUtf8(words.data(), qsizetype(words.size())));
            }
        }
        if (!control->accessibleName().isEmpty()) continue;
        const QLabel* label = CaptionLabel(control, form);
        if (!label) continue;
        control->setAccessibleName(Cleaned(label->text()));
        if (!label->buddy() && !label->text().contains(QLatin1Char('&')))
            const_cast<QLabel*>(label)->setBuddy(control);
    }
}

void InstallFormAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(FormFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace ampora
