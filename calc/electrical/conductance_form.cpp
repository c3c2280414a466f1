// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conductance.h"
#include "core/form_state.h"

namespace ampora::conductance {
namespace {

constexpr Control kControls[] = {
    {Kind::Label, "Label1", "Resistance:", {120, 960, 975, 255}},
    {Kind::Box, "r", "", {1200, 960, 1695, 285}},
    {Kind::Label, "Label4", "Ohms", {3000, 960, 615, 255}},
    {Kind::Label, "Label2", "Conductance:", {120, 1320, 975, 255}},
    {Kind::Box, "c", "", {1200, 1320, 1695, 285}},
    {Kind::Label, "Label5", "mhos", {3000, 1320, 615, 255}},
    {Kind::Button, "Command1", "Calculate", {720, 1800, 1455, 495}},
    {Kind::Button, "Command7", "Reset", {2160, 1800, 1095, 495}},
};
static_assert(DeclaresBoxes(kControls, kBoxes));

constexpr Title kTitles[] = {{"Label3", "Label8", "CONDUCTANCE", {750, 270, 2775, 375}, 30}};
constexpr const char* kTabOrder[] = {"r", "c", "Command1", "Command7"};
constexpr Press kPresses[] = {PassPress<kBoxes, Rules>("Command1")};
constexpr const char* kResetOrder[] = {"r", "c"};
constexpr ResetButton kResets[] = {{"Command7", kResetOrder}};
constexpr Setting kExample[] = {{"r", "4"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "cond", .caption = "Conductance", .client = {3930, 2610}, .titles = kTitles,
    .controls = kControls, .tabOrder = kTabOrder, .defaultButton = "Command1", .presses = kPresses,
    .resets = kResets, .example = {kExample, "Command1"}};
// clang-format on

}  // namespace ampora::conductance
