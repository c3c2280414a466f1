// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/list_press.h"
#include "resistance.h"

namespace ampora::resistance {
namespace {

constexpr ListDecl kList = {
    "No. of Resistors:",    "Resistor", true, {5220, 3030, 1095, 285}, {3720, 3600, 1455, 495}, units::kOhm,
    component_list::kSeries};

constexpr Control kControls[] = {
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
static_assert(DeclaresBoxes(kControls, kBoxes, component_list::kAddedBoxes));

constexpr Title kTitles[] = {{"Label3", "Label7", "RESISTANCE CALCULATOR", {1080, 240, 5280, 375}, 30}};
constexpr const char* kTabOrder[] = {"ct9", "sc", "pc", "v", "qc", "ans", "Command2", "Command6"};

constexpr Press kPresses[] = {component_list::CombinePress<kBoxes, Solve, kList>()};
constexpr ClearButton kClears[] = {{"Command3", "v"}, {"Command4", "qc"}, {"Command5", "ans"}};
constexpr const char* kResetOrder[] = {"v", "qc", "ans", component_list::kEveryRow};
constexpr ResetButton kResets[] = {{"Command6", kResetOrder}};
constexpr Setting kExample[] = {{"nc", "3"}, {"ct0", "100"}, {"ct1", "220"}, {"ct2", "470"}, {"v", "12"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "res", .caption = "Resistance Calculation", .client = {7440, 5130}, .titles = kTitles,
    .controls = kControls, .list = &kList, .tabOrder = kTabOrder, .defaultButton = component_list::kOk,
    .presses = kPresses, .clears = kClears, .resets = kResets,
    .example = {kExample, component_list::kCalculate}};
// clang-format on

}  // namespace ampora::resistance
