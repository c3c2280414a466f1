// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circle_form.h"

#include "circle.h"

#include <QLabel>

namespace ampora {
namespace {

const Control kControls[] = {
    {Kind::Label, "Label2", "Radius:", {120, 600, 615, 255}},
    {Kind::Box, "r", "", {960, 600, 1215, 285}},
    {Kind::Button, "Command2", "*", {2160, 600, 135, 195}},
    {Kind::Label, "Label3", "Area:", {120, 960, 735, 255}},
    {Kind::Box, "a", "", {960, 960, 1215, 285}},
    {Kind::Button, "Command3", "*", {2160, 960, 135, 195}},
    {Kind::Label, "Label4", "Perimeter:", {120, 1320, 855, 255}},
    {Kind::Box, "p", "", {960, 1320, 1215, 285}},
    {Kind::Button, "Command4", "*", {2160, 1320, 135, 195}},
    {Kind::Button, "Command1", "Calculate", {960, 2040, 1335, 375}},
    {Kind::Circle, "Shape1", "", {3000, 480, 1455, 1215}},
    {Kind::Line, "Line1", "", LineFrom(3720, 1080, 4320, 1080)},
    {Kind::Label, "Label1", "r", {3960, 720, 135, 255}},
};

}  // namespace

CircleForm::CircleForm(QWidget* parent) : CalcForm("cirtri", QStringLiteral("Circle"), {4680, 3195}, parent) {
    build(kControls);
    QFont small(QStringLiteral("MS Sans Serif"));
    small.setPointSize(12);
    label("Label1")->setFont(small);
    setTabOrder({"r", "a", "p", "Command1", "Command2", "Command3", "Command4"});
    setDefaultButton("Command1");

    const BoxSet boxes = this->boxes({"r", "a", "p"});
    onClick("Command1", [boxes] { boxes.write(circle::Solve(boxes.read())); });
    clearButton("Command2", "r");
    clearButton("Command3", "a");
    clearButton("Command4", "p");
}

}  // namespace ampora
