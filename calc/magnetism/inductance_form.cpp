// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/list_press.h"
#include "inductance.h"

namespace ampora::inductance {
namespace {

constexpr ListDecl kList = {
    "No. of Inductors:",    "Inductor", true, {5220, 2610, 1095, 285}, {3720, 3600, 1455, 495}, units::kHenry,
    component_list::kSeries};

constexpr Control kControls[] = {
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
static_assert(DeclaresBoxes(kControls, kBoxes, component_list::kAddedBoxes));

constexpr Title kTitles[] = {{"Label3", "Label6", "INDUCTANCE", {2400, 240, 2640, 375}, 20}};
constexpr const char* kTabOrder[] = {"ct9", "sc", "pc", "i", "ans", "e", "Command2", "Command7"};

constexpr Press kPresses[] = {component_list::CombinePress<kBoxes, Solve, kList>()};
constexpr ClearButton kClears[] = {{"Command3", "i"}, {"Command5", "ans"}, {"Command6", "e"}};
constexpr const char* kResetOrder[] = {"e", "ans", "i", component_list::kEveryRow};
constexpr ResetButton kResets[] = {{"Command7", kResetOrder}};
constexpr Setting kExample[] = {{"nc", "2"}, {"ct0", "0.1"}, {"ct1", "0.25"}, {"i", "2"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "ind", .caption = "Inductance Calculation", .client = {7440, 5130}, .titles = kTitles,
    .controls = kControls, .list = &kList, .tabOrder = kTabOrder, .defaultButton = component_list::kOk,
    .presses = kPresses, .clears = kClears, .resets = kResets,
    .example = {kExample, component_list::kCalculate}};
// clang-format on

}  // namespace ampora::inductance
