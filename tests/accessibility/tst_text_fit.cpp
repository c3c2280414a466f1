// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "every_form.h"
#include "support/test_registry.h"
#include "ui/form_accessibility.h"
#include "ui/wrap_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

using namespace ampora;

namespace {

// What `w` lacks to show its text, measured plainly from its font: empty when it fits.
QString Clipped(const QWidget* w) {
    const QFontMetrics fm(w->font());
    auto report = [w](QSize need, QSize room) {
        if (need.width() <= room.width() && need.height() <= room.height()) return QString();
        return QStringLiteral("%1 needs %2x%3 in %4x%5")
            .arg(w->objectName())
            .arg(need.width())
            .arg(need.height())
            .arg(room.width())
            .arg(room.height());
    };
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText) return {};
        return report(fm.size(Qt::TextShowMnemonic, label->text()), label->contentsRect().size());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        if (button->text().isEmpty()) return {};
        // The bevel takes at least two pixels on either side. A button two lines high wraps
        // its caption at word boundaries.
        const QSize need = WrapButton::wraps(button)
                               ? fm.boundingRect(QRect(0, 0, button->width() - 4, 1 << 16),
                                                 WrapButton::kTextFlags, button->text())
                                     .size()
                               : fm.size(Qt::TextShowMnemonic, button->text());
        return report(need + QSize(4, 0), button->size());
    }
    if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w)) {
        const auto* option = static_cast<const QAbstractButton*>(w);
        const bool radio = qobject_cast<const QRadioButton*>(w);
        const int indicator = w->style()->pixelMetric(
            radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, w);
        return report(fm.size(Qt::TextShowMnemonic, option->text()) + QSize(indicator, 0), option->size());
    }
    if (const auto* list = qobject_cast<const QComboBox*>(w)) {
        // Every entry shows whole in the field beside the arrow.
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field =
            w->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, w);
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, fm.horizontalAdvance(list->itemText(i)));
        return report({widest, fm.height()}, field.size());
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
        if (frame->title().isEmpty()) return {};
        return report({fm.horizontalAdvance(frame->title()), 0}, frame->size());
    }
    return {};
}

double Luma(const QColor& c) { return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF(); }

}  // namespace

// Run once per scale factor (the test set runs it with QT_SCALE_FACTOR 1, 1.5 and 2):
// every caption and list entry of every form is shown whole with the fonts the desktop has, and the
// controls that grew for it stay inside their frame and form.
class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void runsAtTheRequestedScale();
    void everyTextFits_data() { test::EveryForm::addRows(); }
    void everyTextFits();
    void controlsStayInsideTheirContainer_data() { test::EveryForm::addRows(); }
    void controlsStayInsideTheirContainer();
    void titleCopiesStandOut_data() { test::EveryForm::addRows(); }
    void titleCopiesStandOut();
};

void TestTextFit::runsAtTheRequestedScale() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    QWidget probe;
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    const double expected = factor.isEmpty() ? 1.0 : factor.toDouble();
    QCOMPARE(probe.devicePixelRatioF(), expected);
}

void TestTextFit::everyTextFits() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index);
    QVERIFY(form);
    QStringList clipped;
    // Hidden controls too: rows that appear later must fit as well.
    for (const QWidget* w : form->findChildren<QWidget*>()) {
        if (w->isWindow() || (w->parentWidget() && w->parentWidget()->layout())) continue;
        const QString problem = Clipped(w);
        if (!problem.isEmpty()) clipped << problem;
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String("; "))));
}

void TestTextFit::controlsStayInsideTheirContainer() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index);
    QVERIFY(form);
    QStringList outside;
    for (const QWidget* w : form->findChildren<QWidget*>()) {
        const QWidget* container = w->parentWidget();
        if (w->isWindow() || !container || container->layout() || w->property(kDecorative).toBool()) continue;
        // A scratch box kept hidden off the form is nobody's concern.
        if (!w->isVisibleTo(form.get()) && !container->rect().intersects(w->geometry())) continue;
        if (!container->rect().contains(w->geometry()))
            outside << QStringLiteral("%1 in %2").arg(w->objectName(), container->objectName());
    }
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QLatin1String(", "))));
}

void TestTextFit::titleCopiesStandOut() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index);
    QVERIFY(form);
    for (const QLabel* copy : form->findChildren<QLabel*>()) {
        if (!copy->property(kDecorative).toBool()) continue;
        const QWidget* behind = copy->parentWidget();
        const QColor ground = behind->palette().color(behind->backgroundRole());
        const QColor text = copy->palette().color(copy->foregroundRole());
        QVERIFY2(std::abs(Luma(text) - Luma(ground)) > 0.1,
                 qPrintable(copy->objectName() + QLatin1String(" on ") + ground.name()));
    }
}

AMPORA_TEST(TestTextFit)
#include "tst_text_fit.moc"
