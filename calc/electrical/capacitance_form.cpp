// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "capacitance.h"
#include "core/list_press.h"

namespace ampora::capacitance {
namespace {

constexpr ListDecl kList = {"No. of Capacitors:",
                            "Capacitor",
                            true,
                            {5220, 3030, 1095, 285},
                            {3720, 4020, 1455, 495},
                            units::kFarad,
                            component_list::kParallel};

constexpr Control kControls[] = {
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
static_assert(DeclaresBoxes(kControls, kBoxes, component_list::kAddedBoxes));

constexpr Title kTitles[] = {{"Label3", "Label8", "CAPACITANCE CALCULATOR", {840, 240, 5520, 375}, 30}};
constexpr const char* kTabOrder[] = {"ct9", "sc", "pc", "v", "qc", "ans", "e", "Command2", "Command7"};

constexpr Press kPresses[] = {component_list::CombinePress<kBoxes, Solve, kList>()};
constexpr ClearButton kClears[] = {
    {"Command3", "v"}, {"Command4", "qc"}, {"Command5", "ans"}, {"Command6", "e"}};
// The rows first, unlike the other list forms.
constexpr const char* kResetOrder[] = {component_list::kEveryRow, "ans", "qc", "e", "v"};
constexpr ResetButton kResets[] = {{"Command7", kResetOrder}};
constexpr Setting kExample[] = {
    {"nc", "2"}, {"ct0", "0.000047"}, {"ct1", "0.000022"}, {"pc", "1"}, {"v", "12"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "cap", .caption = "Capacitance Calculation", .client = {6960, 5130}, .titles = kTitles,
    .controls = kControls, .list = &kList, .tabOrder = kTabOrder, .defaultButton = component_list::kOk,
    .presses = kPresses, .clears = kClears, .resets = kResets,
    .example = {kExample, component_list::kCalculate}};
// clang-format on

}  // namespace ampora::capacitance
