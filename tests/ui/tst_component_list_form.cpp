// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/capacitance.h"
#include "calc/electrical/fuse_size.h"
#include "calc/electrical/resistance.h"
#include "calc/magnetism/inductance.h"
#include "core/list_press.h"
#include "support/test_registry.h"
#include "support/widget_helpers.h"
#include "ui/component_list_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace ampora;
using test::PressEnter;
using test::TypeInto;

namespace {

constexpr ListDecl kParts = {"No. of Parts:", "Part", true, {5220, 3030, 1095, 285}, {3720, 3600, 1455, 495}};
constexpr FormDecl kWithFrame = {.name = "parts",
                                 .caption = "Parts",
                                 .client = {7440, 5130},
                                 .list = &kParts,
                                 .defaultButton = "Command1"};

// A shown, active form, so that focus changes raise their events.
struct Shown {
    explicit Shown(const FormDecl& list) : form(list) {
        form.show();
        form.activateWindow();
        ready = QTest::qWaitForWindowActive(&form);
    }
    ComponentListForm form;
    bool ready = false;
};

int VisibleRows(const ComponentListForm& form) {
    int visible = 0;
    for (int k = 0; k < component_list::kRows; ++k) {
        const bool row = form.row(k)->isVisible();
        if (row != form.rowLabel(k)->isVisible()) return -1;  // a row's label and box go together
        if (row && visible != k) return -1;                   // only rows 1..N, never a gap
        visible += row ? 1 : 0;
    }
    return visible;
}

std::unique_ptr<ComponentListForm> Make(const QString& name) {
    if (name == QLatin1String("res")) return std::make_unique<ComponentListForm>(resistance::kForm);
    if (name == QLatin1String("cap")) return std::make_unique<ComponentListForm>(capacitance::kForm);
    if (name == QLatin1String("ind")) return std::make_unique<ComponentListForm>(inductance::kForm);
    return std::make_unique<ComponentListForm>(fuse_size::kForm);
}

QStringList Rows() {
    QStringList rows;
    for (int k = 0; k < component_list::kRows; ++k) rows << QStringLiteral("ct%1").arg(k);
    return rows;
}

void Confirm(ComponentListForm& form, const QString& count) {
    form.box("nc")->setText(count);
    QTest::mouseClick(form.button("Command1"), Qt::LeftButton);
}

}  // namespace

class TestComponentListForm : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void okShowsTheCoveredRows_data();
    void okShowsTheCoveredRows();
    void rowsFollowTheCount();
    void defaultButtonFollowsTheCountBox();
    void enterPressesOkThenCalculate();
    void resetEmptiesFixedBoxesAndAllRows_data();
    void resetEmptiesFixedBoxesAndAllRows();
};

void TestComponentListForm::startState() {
    Shown shown(kWithFrame);
    QVERIFY(shown.ready);
    const ComponentListForm& form = shown.form;
    for (const char* name : {"Label1", "nc", "Command1", "ans", "Command2"})
        QVERIFY2(form.control(name)->isVisible(), name);
    for (const char* name : {"Frame1", "Label2", "d"}) QVERIFY2(!form.control(name)->isVisible(), name);
    QCOMPARE(VisibleRows(form), 0);
    QCOMPARE(form.defaultButton(), form.button("Command1"));
    QVERIFY(form.option("sc")->isChecked());
    QVERIFY(!form.option("pc")->isChecked());
    QCOMPARE(form.label("Label2")->text(), QStringLiteral("Answer:"));
    QVERIFY(form.label("Label2")->geometry().bottom() < form.box("ans")->geometry().top());
    QCOMPARE(component_list::SelectedOf(form.state()), component_list::Option::Series);
    for (int k = 0; k < component_list::kRows; ++k) {
        QCOMPARE(form.row(k)->objectName(), QStringLiteral("ct%1").arg(k));
        QCOMPARE(form.rowLabel(k)->objectName(), QStringLiteral("c%1").arg(k));
        QCOMPARE(form.rowLabel(k)->text(), QStringLiteral("Part # %1:").arg(k + 1));
        if (k > 0) QCOMPARE(form.row(k)->y() - form.row(k - 1)->y(), Px(360));
    }
}

void TestComponentListForm::okShowsTheCoveredRows_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("rows");
    QTest::newRow("three") << "3" << 3;
    QTest::newRow("2.5") << "2.5" << 3;
    QTest::newRow("twelve shows ten") << "12" << 10;
    QTest::newRow("negative") << "-2" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("count - 1 beyond 16 bits") << "1E9" << 0;
}

void TestComponentListForm::okShowsTheCoveredRows() {
    QFETCH(QString, count);
    QFETCH(int, rows);
    Shown shown(kWithFrame);
    Confirm(shown.form, count);
    QCOMPARE(VisibleRows(shown.form), rows);
    // The rest of OK runs whatever the count holds.
    QVERIFY(shown.form.frame("Frame1")->isVisible());
    QVERIFY(shown.form.label("Label2")->isVisible());
    QVERIFY(shown.form.box("ans")->isVisible());
    QVERIFY(!shown.form.box("d")->isVisible());
    QCOMPARE(shown.form.defaultButton(), shown.form.button("Command2"));
    QCOMPARE(shown.form.box("nc")->text(), count);
}

void TestComponentListForm::rowsFollowTheCount() {
    Shown shown(kWithFrame);
    ComponentListForm& form = shown.form;
    Confirm(form, QStringLiteral("5"));
    for (int k = 0; k < 5; ++k) form.row(k)->setText(QString::number(k + 1));
    Confirm(form, QStringLiteral("3"));
    QCOMPARE(VisibleRows(form), 3);
    QCOMPARE(form.row(4)->text(), QStringLiteral("5"));  // hidden, not emptied
    Confirm(form, QStringLiteral("5"));
    QCOMPARE(VisibleRows(form), 5);
    QCOMPARE(form.row(3)->text(), QStringLiteral("4"));
    QCOMPARE(form.row(4)->text(), QStringLiteral("5"));
    Confirm(form, QStringLiteral("abc"));
    QCOMPARE(VisibleRows(form), 0);
}

void TestComponentListForm::defaultButtonFollowsTheCountBox() {
    Shown shown(kWithFrame);
    QVERIFY(shown.ready);
    ComponentListForm& form = shown.form;
    QPushButton* ok = form.button("Command1");
    QPushButton* calculate = form.button("Command2");
    Confirm(form, QStringLiteral("2"));
    QCOMPARE(form.defaultButton(), calculate);

    form.box("nc")->setFocus();
    QCOMPARE(form.defaultButton(), ok);  // entering the count box
    form.row(0)->setFocus();
    QCOMPARE(form.defaultButton(), calculate);  // leaving it
    form.box("nc")->setText(QStringLiteral("3"));
    QCOMPARE(form.defaultButton(), ok);  // any change of the count, even from elsewhere
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(form.defaultButton(), calculate);
    QVERIFY(ok->isDefault() != calculate->isDefault());
}

void TestComponentListForm::enterPressesOkThenCalculate() {
    Shown shown(kWithFrame);
    QVERIFY(shown.ready);
    ComponentListForm& form = shown.form;
    QSignalSpy ok(form.button("Command1"), &QPushButton::clicked);
    QSignalSpy calculate(form.button("Command2"), &QPushButton::clicked);

    TypeInto(form.box("nc"), QStringLiteral("2"));
    PressEnter(form.box("nc"));
    QCOMPARE(ok.count(), 1);
    QCOMPARE(calculate.count(), 0);
    QCOMPARE(VisibleRows(form), 2);

    PressEnter(form.box("nc"));  // the count is confirmed: Enter now calculates
    QCOMPARE(ok.count(), 1);
    QCOMPARE(calculate.count(), 1);

    TypeInto(form.row(1), QStringLiteral("4"));
    PressEnter(form.row(1));
    QCOMPARE(calculate.count(), 2);

    TypeInto(form.box("nc"), QStringLiteral("3"));  // editing the count again
    PressEnter(form.box("nc"));
    QCOMPARE(ok.count(), 2);
    QCOMPARE(VisibleRows(form), 3);
}

void TestComponentListForm::resetEmptiesFixedBoxesAndAllRows_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("order");  // the boxes in the order Reset empties them
    const struct {
        const char* form;
        QStringList order;
    } forms[] = {
        {"res", QStringList{"v", "qc", "ans"} + Rows()},
        {"cap", Rows() + QStringList{"ans", "qc", "e", "v"}},
        {"ind", QStringList{"e", "ans", "i"} + Rows()},
        {"fuse", QStringList{"ans"} + Rows()},
    };
    for (const auto& f : forms) {
        for (const char* count : {"3", "", "abc", "12", "1E9"})
            QTest::addRow("%s, count \"%s\"", f.form, count) << f.form << count << f.order;
    }
}

void TestComponentListForm::resetEmptiesFixedBoxesAndAllRows() {
    QFETCH(QString, form);
    QFETCH(QString, count);
    QFETCH(QStringList, order);
    const std::unique_ptr<ComponentListForm> f = Make(form);
    f->show();
    Confirm(*f, QStringLiteral("2"));
    if (QRadioButton* parallel = f->option("pc")) QTest::mouseClick(parallel, Qt::LeftButton);
    f->box("nc")->setText(count);
    QStringList emptied;
    for (QLineEdit* box : f->findChildren<QLineEdit*>()) {
        if (box->objectName() == QLatin1String("nc")) continue;
        box->setText(QStringLiteral("1"));
        connect(box, &QLineEdit::textChanged, f.get(), [&emptied, box](const QString& text) {
            if (text.isEmpty()) emptied << box->objectName();
        });
    }
    const int visible = VisibleRows(*f);
    const component_list::Option option = component_list::SelectedOf(f->state());

    test::MessageBoxCatcher catcher;
    QTest::mouseClick(f->button(form == QLatin1String("res") ? "Command6" : "Command7"), Qt::LeftButton);
    QCOMPARE(catcher.count(), 0);
    QCOMPARE(emptied, order);
    QCOMPARE(f->box("nc")->text(), count);
    QCOMPARE(VisibleRows(*f), visible);
    QCOMPARE(component_list::SelectedOf(f->state()), option);
}

AMPORA_TEST(TestComponentListForm)
#include "tst_component_list_form.moc"
