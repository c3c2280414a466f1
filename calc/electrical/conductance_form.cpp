// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conductance_form.h"

#include "conductance.h"

namespace ampora {
namespace {

const Control kControls[] = {
    {Kind::Label, "Label1", "Resistance:", {120, 960, 975, 255}},
    {Kind::Box, "r", "", {1200, 960, 1695, 285}},
    {Kind::Label, "Label4", "Ohms", {3000, 960, 615, 255}},
    {Kind::Label, "Label2", "Conductance:", {120, 1320, 975, 255}},
    {Kind::Box, "c", "", {1200, 1320, 1695, 285}},
    {Kind::Label, "Label5", "mhos", {3000, 1320, 615, 255}},
    {Kind::Button, "Command1", "Calculate", {720, 1800, 1455, 495}},
    {Kind::Button, "Command7", "Reset", {2160, 1800, 1095, 495}},
};

const Title kTitle = {"Label3", "Label8", "CONDUCTANCE", {750, 270, 2775, 375}, 30};

}  // namespace

ConductanceForm::ConductanceForm(QWidget* parent)
    : CalcForm("cond", QStringLiteral("Conductance"), {3930, 2610}, parent) {
    addTitle(kTitle);
    build(kControls);
    setTabOrder({"r", "c", "Command1", "Command7"});
    setDefaultButton("Command1");

    const BoxSet boxes = this->boxes({"r", "c"});
    onClick("Command1", [boxes] { boxes.write(conductance::Solve(boxes.read())); });
    onClick("Command7", [boxes] { boxes.clear(); });
}

}  // namespace ampora
