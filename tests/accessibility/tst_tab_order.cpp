// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "every_form.h"
#include "support/test_registry.h"
#include "ui/calc_form.h"

#include <QApplication>

using namespace ampora;

namespace {

bool Reachable(const QWidget* w, const QWidget* form) {
    return w->isVisibleTo(form) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

QStringList Names(const std::vector<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* w : widgets) names << w->objectName();
    return names;
}

}  // namespace

// Tabs through every form with real key presses. A form is visited in the order it
// declares, or else in the reading order of its layout (core/form_layout.h); a window that
// is no form of the program's (the help viewer) in the order it made its controls. Every
// control that can take the focus is reached exactly once per round.
class TestTabOrder : public QObject {
    Q_OBJECT
private slots:
    void tabVisitsEveryControlInOrder_data() { test::EveryForm::addRows(); }
    void tabVisitsEveryControlInOrder();
    void shiftTabGoesBack_data() { test::EveryForm::addRows(); }
    void shiftTabGoesBack();

private:
    static std::vector<QWidget*> Expected(const QWidget* form);
    static QStringList Round(QWidget* first, int presses, Qt::KeyboardModifiers modifiers);
};

std::vector<QWidget*> TestTabOrder::Expected(const QWidget* form) {
    std::vector<QWidget*> order;
    if (const auto* calc = qobject_cast<const CalcForm*>(form)) {
        for (const QString& name : calc->tabOrder()) {
            QWidget* w = form->findChild<QWidget*>(name);
            if (w && Reachable(w, form)) order.push_back(w);
        }
        return order;
    }
    for (QWidget* w : form->findChildren<QWidget*>())
        if (Reachable(w, form)) order.push_back(w);
    return order;
}

QStringList TestTabOrder::Round(QWidget* first, int presses, Qt::KeyboardModifiers modifiers) {
    first->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < presses; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) break;
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab, modifiers);
    }
    if (QApplication::focusWidget()) visited << QApplication::focusWidget()->objectName();
    return visited;
}

void TestTabOrder::tabVisitsEveryControlInOrder() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index, true);
    QVERIFY(form);
    const std::vector<QWidget*> expected = Expected(form.get());
    if (expected.empty()) QSKIP("no control takes the focus");

    std::vector<QWidget*> all;
    for (QWidget* w : form->findChildren<QWidget*>())
        if (Reachable(w, form.get())) all.push_back(w);

    const QStringList visited = Round(expected.front(), static_cast<int>(all.size()), Qt::NoModifier);
    // The declared (or reading) order first, then the round closes where it began.
    QCOMPARE(visited.mid(0, static_cast<int>(expected.size())), Names(expected));
    QCOMPARE(visited.last(), expected.front()->objectName());
    QStringList round = visited.mid(0, static_cast<int>(all.size()));
    QStringList everyone = Names(all);
    round.sort();
    everyone.sort();
    QCOMPARE(round, everyone);
}

void TestTabOrder::shiftTabGoesBack() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index, true);
    QVERIFY(form);
    const std::vector<QWidget*> expected = Expected(form.get());
    if (expected.size() < 2) QSKIP("fewer than two controls take the focus");
    const QStringList back = Round(expected.back(), static_cast<int>(expected.size()) - 1, Qt::ShiftModifier);
    QStringList forward = Names(expected);
    std::reverse(forward.begin(), forward.end());
    QCOMPARE(back, forward);
}

AMPORA_TEST(TestTabOrder)
#include "tst_tab_order.moc"
