// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "every_form.h"
#include "support/test_registry.h"
#include "ui/calc_form.h"
#include "ui/form_accessibility.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <functional>

using namespace ampora;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(QRgb rgb) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kAA = 4.5;

const char* RoleName(int role) { return QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(role); }

// A dark desktop as Qt receives it from a dark theme: light text on dark grounds.
QPalette Dark() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
                            QPalette::ToolTipText, QPalette::HighlightedText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x26, 0x26, 0x26));
    dark.setColor(QPalette::ToolTipBase, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::Highlight, QColor(0x2f, 0x65, 0xca));
    dark.setColor(QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x6e, 0x6e, 0x6e));
    return dark;
}

// Every colour of every widget of `form`, one line each, to compare between palettes.
QStringList Colours(const QWidget* form) {
    QStringList lines;
    QList<const QWidget*> widgets{form};
    for (const QWidget* w : form->findChildren<QWidget*>()) widgets << w;
    for (const QWidget* w : widgets)
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                if (role == QPalette::NoRole) continue;
                lines << QStringLiteral("%1 %2 in group %3: %4")
                             .arg(w->objectName(), QLatin1String(RoleName(role)))
                             .arg(int(group))
                             .arg(w->palette().color(group, QPalette::ColorRole(role)).name(QColor::HexArgb));
            }
    return lines;
}

// How far `w`'s text stands out from what is drawn behind it: the form is rendered where
// `w` is with its text and without, and each pixel the text covers is compared with the
// same pixel without it. 0 when no text shows at all.
double TextContrast(QWidget* form, QWidget* w, const std::function<void(bool shown)>& text) {
    const QRect area(w->mapTo(form, QPoint()), w->size());
    const QImage with = form->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    text(false);
    const QImage without = form->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    text(true);
    double best = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                best = std::max(best, Contrast(with.pixel(x, y), without.pixel(x, y)));
    return best;
}

// How `w` shows its text and hides it again; empty for a widget without text.
std::function<void(bool)> TextSwitch(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->property(kDecorative).toBool() || label->text().trimmed().isEmpty()) return {};
        return [label, text = label->text()](bool shown) { label->setText(shown ? text : QString()); };
    }
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        if (qobject_cast<QComboBox*>(box->parentWidget())) return {};
        return [box](bool shown) { box->setText(shown ? QStringLiteral("0.125") : QString()); };
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text().isEmpty()) return {};
        return [button, text = button->text()](bool shown) { button->setText(shown ? text : QString()); };
    }
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        if (list->count() == 0) return {};
        return [list](bool shown) { list->setCurrentIndex(shown ? 0 : -1); };
    }
    if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        if (frame->title().isEmpty()) return {};
        return [frame, text = frame->title()](bool shown) { frame->setTitle(shown ? text : QString()); };
    }
    return {};
}

}  // namespace

// Under a dark desktop palette every form keeps its classic colours and each text on it
// stays readable: at least 4.5 : 1 against what is behind it (WCAG AA), measured on the
// rendered pixels. The main window, menus and help viewer follow the desktop instead.
class TestContrast : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { saved_ = QApplication::palette(); }
    void cleanupTestCase() { QApplication::setPalette(saved_); }
    void colourDoesNotFollowTheDesktop_data() { test::EveryForm::addRows(); }
    void colourDoesNotFollowTheDesktop();
    void textStandsOutUnderADarkDesktop_data() { test::EveryForm::addRows(); }
    void textStandsOutUnderADarkDesktop();

private:
    QPalette saved_;
};

void TestContrast::colourDoesNotFollowTheDesktop() {
    QFETCH(int, index);
    test::EveryForm forms;
    QApplication::setPalette(saved_);
    const auto light = forms.show(index);
    QVERIFY(light);
    if (!qobject_cast<CalcForm*>(light.get())) QSKIP("not a calculator form: it follows the desktop");
    const QStringList expected = Colours(light.get());
    QApplication::setPalette(Dark());
    const auto dark = forms.show(index);
    QVERIFY(dark);
    const QStringList colours = Colours(dark.get());
    QStringList changed;
    for (qsizetype i = 0; i < colours.size() && i < expected.size(); ++i)
        if (colours[i] != expected[i]) changed << expected[i] + QLatin1String(" became ") + colours[i];
    QVERIFY2(changed.isEmpty(), qPrintable(changed.mid(0, 10).join(QLatin1String("; "))));
    QCOMPARE(colours.size(), expected.size());
}

void TestContrast::textStandsOutUnderADarkDesktop() {
    QFETCH(int, index);
    test::EveryForm forms;
    QApplication::setPalette(Dark());
    const auto form = forms.show(index);
    QVERIFY(form);
    if (!qobject_cast<CalcForm*>(form.get())) QSKIP("not a calculator form: it follows the desktop");
    // The focused box's text cursor is not its text.
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    QStringList faint;
    int measured = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(form.get())) continue;
        const auto text = TextSwitch(w);
        if (!text) continue;
        text(true);
        const double contrast = TextContrast(form.get(), w, text);
        ++measured;
        if (contrast < kAA) faint << QStringLiteral("%1 %2:1").arg(w->objectName()).arg(contrast, 0, 'f', 2);
    }
    QVERIFY(measured > 0);
    // What a still picture does not show: selected text, tool tips and hints in empty boxes.
    const QPalette& p = form->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
            {QPalette::HighlightedText, QPalette::Highlight},
            {QPalette::ToolTipText, QPalette::ToolTipBase},
            {QPalette::PlaceholderText, QPalette::Base},
        };
        for (const auto& [text, ground] : pairs) {
            const double contrast = Contrast(p.color(group, text).rgb(), p.color(group, ground).rgb());
            if (contrast < kAA)
                faint << QStringLiteral("%1 on %2 %3:1")
                             .arg(QLatin1String(RoleName(text)), QLatin1String(RoleName(ground)))
                             .arg(contrast, 0, 'f', 2);
        }
    }
    // A list's pop-up, drawn with its entries and without.
    for (QComboBox* list : form->findChildren<QComboBox*>()) {
        list->showPopup();
        QAbstractItemView* view = list->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
        const auto text = [list, entries](bool shown) {
            for (int i = 0; i < list->count(); ++i) list->setItemText(i, shown ? entries[i] : QString());
        };
        const double contrast = TextContrast(view, view->viewport(), text);
        if (contrast < kAA)
            faint << QStringLiteral("%1's pop-up %2:1").arg(list->objectName()).arg(contrast, 0, 'f', 2);
        list->hidePopup();
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QLatin1String(", "))));
}

AMPORA_TEST(TestContrast)
#include "tst_contrast.moc"
