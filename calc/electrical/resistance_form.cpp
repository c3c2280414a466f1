// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resistance_form.h"

#include "resistance.h"

namespace ampora {
namespace {

// clang-format off
const ListForm kList = {
    "res", "Resistance Calculation", {7440, 5130}, "No. of Resistors:", "Resistor", true,
    {5220, 3030, 1095, 285}, {3720, 3600, 1455, 495}};
// clang-format on

const Control kControls[] = {
    {Kind::Label, "Label4", "Voltage Applied:", {3720, 1950, 1455, 255}},
    {Kind::Box, "v", "", {5220, 1920, 1095, 285}},
    {Kind::Label, "Label8", "Volts", {6375, 1950, 615, 255}},
    {Kind::Button, "Command3", "*", {7020, 1920, 285, 285}},
    {Kind::Label, "Label6", "Or Current:", {3720, 2370, 1455, 255}},
    {Kind::Box, "qc", "", {5220, 2340, 1095, 285}},
    {Kind::Label, "Label9", "A", {6375, 2370, 615, 255}},
    {Kind::Button, "Command4", "*", {7020, 2340, 285, 285}},
    {Kind::Label, "Label5", "R =", {3720, 3060, 1455, 255}},
    {Kind::Label, "Label10", "Ohms", {6375, 3060, 615, 255}},
    {Kind::Button, "Command5", "*", {7020, 3030, 285, 285}},
    {Kind::Button, "Command6", "Reset", {5340, 3600, 1095, 495}},
};

const Title kTitle = {"Label3", "Label7", "RESISTANCE CALCULATOR", {1080, 240, 5280, 375}, 30};

}  // namespace

ResistanceForm::ResistanceForm(QWidget* parent) : ComponentListForm(kList, parent) {
    addTitle(kTitle);
    build(kControls);
    setTabOrder({"ct9", "sc", "pc", "v", "qc", "ans", "Command2", "Command6"});

    onCalculate({"v", "qc", "ans", "d"}, resistance::Solve);
    onReset("Command6", {"v", "qc", "ans"});
    clearButton("Command3", "v");
    clearButton("Command4", "qc");
    clearButton("Command5", "ans");
}

}  // namespace ampora
