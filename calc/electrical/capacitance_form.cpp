// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "capacitance_form.h"

#include "capacitance.h"

namespace ampora {
namespace {

// clang-format off
const ListForm kList = {
    "cap", "Capacitance Calculation", {6960, 5130}, "No. of Capacitors:", "Capacitor", true,
    {5220, 3030, 1095, 285}, {3720, 4020, 1455, 495}};
// clang-format on

const Control kControls[] = {
    {Kind::Label, "Label4", "Voltage Applied:", {3720, 1950, 1455, 255}},
    {Kind::Box, "v", "", {5220, 1920, 1095, 285}},
    {Kind::Button, "Command3", "*", {6435, 1920, 285, 285}},
    {Kind::Label, "Label6", "Or Charges:", {3720, 2370, 1455, 255}},
    {Kind::Box, "qc", "", {5220, 2340, 1095, 285}},
    {Kind::Button, "Command4", "*", {6435, 2340, 285, 285}},
    {Kind::Label, "Label5", "C =", {3720, 3060, 1455, 255}},
    {Kind::Button, "Command5", "*", {6435, 3030, 285, 285}},
    {Kind::Label, "Label7", "Energy:", {3720, 3480, 1455, 255}},
    {Kind::Box, "e", "", {5220, 3450, 1095, 285}},
    {Kind::Button, "Command6", "*", {6435, 3450, 285, 285}},
    {Kind::Button, "Command7", "Reset", {5340, 4020, 1095, 495}},
};

const Title kTitle = {"Label3", "Label8", "CAPACITANCE CALCULATOR", {840, 240, 5520, 375}, 30};

}  // namespace

CapacitanceForm::CapacitanceForm(QWidget* parent) : ComponentListForm(kList, parent) {
    addTitle(kTitle);
    build(kControls);
    setTabOrder({"ct9", "sc", "pc", "v", "qc", "ans", "e", "Command2", "Command7"});

    onCalculate({"v", "qc", "ans", "e", "d"}, capacitance::Solve);
    onReset("Command7", {}, {"ans", "qc", "e", "v"});  // the rows first, unlike the other list forms
    clearButton("Command3", "v");
    clearButton("Command4", "qc");
    clearButton("Command5", "ans");
    clearButton("Command6", "e");
}

}  // namespace ampora
