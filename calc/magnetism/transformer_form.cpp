// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/form_state.h"
#include "transformer.h"

namespace ampora::transformer {
namespace {

constexpr Control kControls[] = {
    {Kind::Label, "Label6", "Enter Exact Number of turns or Ratio to calculate:", {240, 1080, 4095, 255}},
    {Kind::Label, "Label1", "No. of Turns of Primary:", {360, 1440, 1695, 255}},
    {Kind::Box, "np", "", {2280, 1440, 1815, 285}},
    {Kind::Label, "Label2", "No. of Turns of Secondary:", {240, 1800, 1935, 255}},
    {Kind::Box, "ns", "", {2280, 1800, 1815, 285}},
    {Kind::Label, "Label4", "Voltage Input(Primary):", {480, 2160, 1695, 255}},
    {Kind::Box, "vp", "", {2280, 2160, 1815, 285}},
    {Kind::Label, "Label5", "Voltage Output(Secondary):", {240, 2520, 2055, 255}},
    {Kind::Box, "vs", "", {2280, 2520, 1815, 285}},
    {Kind::Label, "Label8", "Efficiency:", {1440, 2880, 855, 255}},
    {Kind::Box, "e", "", {2280, 2880, 1815, 285}},
    {Kind::Button, "Command1", "Calculate", {600, 3360, 1575, 495}},
    {Kind::Button, "Command2", "Reset", {2160, 3360, 1575, 495}},
};
static_assert(DeclaresBoxes(kControls, kBoxes));

constexpr Title kTitles[] = {{"Label3", "Label7", "TRANSFORMER", {840, 360, 2775, 375}, 20, 15.75, true}};
constexpr const char* kTabOrder[] = {"np", "ns", "vp", "vs", "Command1", "Command2", "e"};
constexpr Press kPresses[] = {PassPress<kBoxes, Rules>("Command1")};
constexpr const char* kResetOrder[] = {"np", "ns", "vs", "vp", "e"};
constexpr ResetButton kResets[] = {{"Command2", kResetOrder}};
constexpr Setting kExample[] = {{"np", "1000"}, {"ns", "50"}, {"vp", "230"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "trans", .caption = "Transformer", .client = {4680, 4455}, .titles = kTitles,
    .controls = kControls, .tabOrder = kTabOrder, .defaultButton = "Command1", .presses = kPresses,
    .resets = kResets, .example = {kExample, "Command1"}};
// clang-format on

}  // namespace ampora::transformer
