// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/list_press.h"
#include "fuse_size.h"

namespace ampora::fuse_size {
namespace {

constexpr ListDecl kList = {"No. of Loads:",         "Load",        false, {5220, 1560, 1095, 285},
                            {3720, 2160, 1455, 495}, units::kAmpere};

constexpr Control kControls[] = {
    {Kind::Label, "Label5", "Fuse Size(A):", {3720, 1590, 1455, 255}},
    {Kind::Button, "Command5", "*", {6375, 1560, 285, 285}},
    {Kind::Button, "Command7", "Reset", {5340, 2160, 1095, 495}},
};

constexpr Title kTitles[] = {{"Label3", "Label6", "FUSE SIZE", {2280, 240, 2280, 375}, 15}};
constexpr const char* kTabOrder[] = {"ct9", "ans", "Command2", "Command7"};

Report Calculate(FormState& form, Steps* steps) {
    form.setBox(component_list::kAnswerBox, Solve(component_list::ListOf(form, kList), steps));
    return {};
}

// The answer, the only box of its own, is worked out afresh on every press.
constexpr const char* kRewrites[] = {component_list::kAnswerBox};
constexpr BoxRow kAnswer[] = {{0, component_list::kAnswerBox, "Fuse size", units::kFuseCurrent}};
constexpr Press kPresses[] = {{component_list::kCalculate, Calculate, kRewrites, nullptr, kAnswer}};
constexpr ClearButton kClears[] = {{"Command5", "ans"}};
constexpr const char* kResetOrder[] = {"ans", component_list::kEveryRow};
constexpr ResetButton kResets[] = {{"Command7", kResetOrder}};
constexpr Setting kExample[] = {{"nc", "3"}, {"ct0", "5"}, {"ct1", "2.5"}, {"ct2", "1.5"}};

}  // namespace

// The window caption is the inductance form's; only the title says what this form does.
// clang-format off
constexpr FormDecl kForm = {
    .name = "fuse", .caption = "Inductance Calculation", .client = {6840, 5130}, .titles = kTitles,
    .controls = kControls, .list = &kList, .tabOrder = kTabOrder, .defaultButton = component_list::kOk,
    .presses = kPresses, .clears = kClears, .resets = kResets,
    .example = {kExample, component_list::kCalculate}};
// clang-format on

}  // namespace ampora::fuse_size
