// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_accessibility.h"

#include "core/box_labels.h"
#include "core/control_list.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <vector>

namespace ampora {
namespace {

bool Decorative(const QObject* object) { return object->property(kDecorative).toBool(); }

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
            if (const auto* frame = qobject_cast<const QGroupBox*>(widget()))
                return QString::fromStdString(CaptionAsName(frame->title().toStdString()));
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
    if (object->property(kAccessibleForm).toBool())
        return new WithoutDecoration(static_cast<QWidget*>(object), QAccessible::Form);
    auto* frame = qobject_cast<QGroupBox*>(object);
    if (frame && HoldsDecoration(frame)) return new WithoutDecoration(frame, QAccessible::Grouping);
    return nullptr;
}

}  // namespace

void NameFromCaptions(QWidget* form, const FormDecl& declaration) {
    const ControlList controls(declaration);
    for (const Spoken& s : SpokenOf(controls)) {
        auto* control = form->findChild<QWidget*>(QString::fromStdString(s.control));
        if (!control) continue;
        if (!s.description.empty() && control->accessibleDescription().isEmpty())
            control->setAccessibleDescription(QString::fromStdString(s.description));
        if (s.name.empty() || !control->accessibleName().isEmpty()) continue;
        control->setAccessibleName(QString::fromStdString(s.name));
        // A caption names its box for the keyboard too.
        const BoxLabels labels = LabelsOf(controls, s.control);
        if (labels.captionLabel.empty()) continue;
        auto* caption = form->findChild<QLabel*>(QString::fromStdString(labels.captionLabel));
        if (caption && !caption->buddy() && !caption->text().contains(QLatin1Char('&')))
            caption->setBuddy(control);
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
