// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "component_list_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <deque>

namespace ampora {
namespace {

// A control array member's name: the array's name and the index.
QByteArray Indexed(const char* array, int k) { return QByteArray(array) + QByteArray::number(k); }

constexpr int kRowTop = 1320;
constexpr int kRowPitch = 360;

const Control kCount[] = {
    {Kind::Button, "Command1", "OK", {2700, 780, 615, 345}},
    {Kind::Box, "d", "", {0, 0, 0, 0}},
};

const Control kCombination[] = {
    {Kind::Frame, "Frame1", "Combination:", {3720, 720, 2295, 1035}},
    {Kind::Option, "sc", "Series", {240, 300, 1695, 255}, "Frame1"},
    {Kind::Option, "pc", "Parallel", {240, 630, 1695, 255}, "Frame1"},
};

}  // namespace

ComponentListForm::ComponentListForm(const ListForm& form, QWidget* parent)
    : CalcForm(form.name, QString::fromUtf8(form.caption), form.client, parent) {
    // Captions and names made here only need to live while build() copies them.
    std::deque<QByteArray> texts;
    std::vector<Control> controls = {
        {Kind::Label, "Label1", form.countCaption, {240, 840, 1635, 255}},
        {Kind::Box, "nc", "", {1920, 810, 675, 285}},
    };
    controls.insert(controls.end(), std::begin(kCount), std::end(kCount));
    for (int k = 0; k < component_list::kRows; ++k) {
        const int top = kRowTop + k * kRowPitch;
        const QByteArray& label = texts.emplace_back(Indexed("c", k));
        const QByteArray& caption =
            texts.emplace_back(QByteArray(form.component) + " # " + QByteArray::number(k + 1) + ":");
        const QByteArray& box = texts.emplace_back(Indexed("ct", k));
        controls.push_back({Kind::Label, label.constData(), caption.constData(), {240, top + 30, 1455, 255}});
        controls.push_back({Kind::Box, box.constData(), "", {1740, top, 1575, 285}});
    }
    if (form.combination) controls.insert(controls.end(), std::begin(kCombination), std::end(kCombination));
    const Twips& a = form.answer;
    controls.push_back({Kind::Label, "Label2", "Answer:", {a.left, a.top - 270, a.width, 255}});
    controls.push_back({Kind::Box, "ans", "", a});
    controls.push_back({Kind::Button, "Command2", "Calculate", form.calculate});
    build(controls);

    for (int k = 0; k < component_list::kRows; ++k) {
        labels_.push_back(label(Indexed("c", k).constData()));
        rows_.push_back(box(Indexed("ct", k).constData()));
        labels_.back()->hide();
        rows_.back()->hide();
    }
    if (form.combination) {
        frame("Frame1")->hide();
        option("sc")->setChecked(true);
    }
    label("Label2")->hide();
    box("d")->hide();

    QWidget* previous = box("nc");
    for (QWidget* next : std::initializer_list<QWidget*>{button("Command1"), rows_.front()}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    for (QLineEdit* next : rows_) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    QLineEdit* count = box("nc");
    setDefaultButton("Command1");
    connect(count, &QLineEdit::textChanged, this, [this] { setDefaultButton("Command1"); });
    onFocusIn(count, [this] { setDefaultButton("Command1"); });
    onFocusOut(count, [this] { setDefaultButton("Command2"); });
    onClick("Command1", [this] { confirmCount(); });
}

void ComponentListForm::confirmCount() {
    if (QGroupBox* combination = frame("Frame1")) combination->show();
    const int covered = component_list::RowsCovered(box("nc")->text().toStdString());
    for (int k = 0; k < component_list::kRows; ++k) {
        labels_[k]->setVisible(k < covered);
        rows_[k]->setVisible(k < covered);
    }
    box("ans")->show();
    label("Label2")->show();
    button("Command2")->show();
    setDefaultButton("Command2");
}

component_list::List ComponentListForm::list() const {
    component_list::List list;
    list.count = box("nc")->text().toStdString();
    for (int k = 0; k < component_list::kRows; ++k) list.rows[k] = rows_[k]->text().toStdString();
    return list;
}

component_list::Option ComponentListForm::selected() const {
    const QRadioButton* parallel = option("pc");
    return parallel && parallel->isChecked() ? component_list::Option::Parallel
                                             : component_list::Option::Series;
}

QLineEdit* ComponentListForm::row(int k) const { return rows_.at(static_cast<std::size_t>(k)); }
QLabel* ComponentListForm::rowLabel(int k) const { return labels_.at(static_cast<std::size_t>(k)); }

void ComponentListForm::clearRows() const {
    for (QLineEdit* row : rows_) row->setText(QString());
}

void ComponentListForm::onCalculate(std::initializer_list<const char*> names, Combination unit) {
    const BoxSet set = boxes(names);
    onClick("Command2", [this, set, unit] { set.write(unit(set.read(), list(), selected())); });
}

void ComponentListForm::onReset(const char* button, std::initializer_list<const char*> before,
                                std::initializer_list<const char*> after) {
    const BoxSet first = boxes(before);
    const BoxSet last = boxes(after);
    onClick(button, [this, first, last] {
        first.clear();
        clearRows();
        last.clear();
    });
}

}  // namespace ampora
