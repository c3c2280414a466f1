// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inductance_form.h"

#include "inductance.h"

namespace ampora {
namespace {

// clang-format off
const ListForm kList = {
    "ind", "Inductance Calculation", {7440, 5130}, "No. of Inductors:", "Inductor", true,
    {5220, 2610, 1095, 285}, {3720, 3600, 1455, 495}};
// clang-format on

const Control kControls[] = {
    {Kind::Label, "Label4", "Current:", {3720, 1950, 1455, 255}},
    {Kind::Box, "i", "", {5220, 1920, 1095, 285}},
    {Kind::Label, "Label8", "A", {6375, 1950, 615, 255}},
    {Kind::Button, "Command3", "*", {7020, 1920, 285, 285}},
    {Kind::Label, "Label5", "L =", {3720, 2640, 1455, 255}},
    {Kind::Label, "Label9", " H", {6375, 2640, 615, 255}},
    {Kind::Button, "Command5", "*", {7020, 2610, 285, 285}},
    {Kind::Label, "Label7", "Energy:", {3720, 3060, 1455, 255}},
    {Kind::Box, "e", "", {5220, 3030, 1095, 285}},
    {Kind::Label, "Label10", " J", {6375, 3060, 615, 255}},
    {Kind::Button, "Command6", "*", {7020, 3030, 285, 285}},
    {Kind::Button, "Command7", "Reset", {5340, 3600, 1095, 495}},
};

const Title kTitle = {"Label3", "Label6", "INDUCTANCE", {2400, 240, 2640, 375}, 20};

}  // namespace

InductanceForm::InductanceForm(QWidget* parent) : ComponentListForm(kList, parent) {
    addTitle(kTitle);
    build(kControls);
    setTabOrder({"ct9", "sc", "pc", "i", "ans", "e", "Command2", "Command7"});

    onCalculate({"i", "ans", "e", "d"}, inductance::Solve);
    onReset("Command7", {"e", "ans", "i"});
    clearButton("Command3", "i");
    clearButton("Command5", "ans");
    clearButton("Command6", "e");
}

}  // namespace ampora
