// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "alternating_current.h"
#include "core/form_state.h"

namespace ampora::alternating_current {
namespace {

constexpr Control kControls[] = {
    {Kind::Label, "Label1", "Average value:", {720, 840, 1095, 255}},
    {Kind::Box, "avg", "", {1920, 840, 1575, 285}},
    {Kind::Button, "Command2", "*", {3480, 840, 135, 255}},
    {Kind::Label, "Label2", "Peak Value:", {840, 1200, 975, 255}},
    {Kind::Box, "peak", "", {1920, 1200, 1575, 285}},
    {Kind::Button, "Command3", "*", {3480, 1200, 135, 255}},
    {Kind::Label, "Label3", "Peak-Peak Value:", {480, 1560, 1335, 255}},
    {Kind::Box, "p2p", "", {1920, 1560, 1575, 285}},
    {Kind::Button, "Command4", "*", {3480, 1560, 135, 255}},
    {Kind::Label, "Label4", "rms Value:", {1080, 1920, 855, 255}},
    {Kind::Box, "rms", "", {1920, 1920, 1575, 285}},
    {Kind::Button, "Command5", "*", {3480, 1920, 135, 255}},
    {Kind::Button, "Command1", "Calculate", {1320, 2400, 1575, 375}},
    {Kind::Button, "Command6", "Reset", {2880, 2400, 1575, 375}},
    {Kind::Label, "Label5", "Note: Conversion factors are for sinewaves only", {0, 3120, 5295, 255}},
};
static_assert(DeclaresBoxes(kControls, kBoxes));

constexpr Title kTitles[] = {
    {"Label6", "Label7", "ALTERNATING CURRENT", {720, 240, 3915, 345}, 40, 14.25, false, 0x000000}};
constexpr const char* kTabOrder[] = {"avg",      "peak",     "p2p",      "rms",      "Command1",
                                     "Command2", "Command3", "Command4", "Command5", "Command6"};
constexpr Press kPresses[] = {PassPress<kBoxes, Rules>("Command1")};
constexpr ClearButton kClears[] = {
    {"Command2", "avg"}, {"Command3", "peak"}, {"Command4", "p2p"}, {"Command5", "rms"}};
constexpr const char* kResetOrder[] = {"avg", "peak", "p2p", "rms"};
constexpr ResetButton kResets[] = {{"Command6", kResetOrder}};
constexpr Setting kExample[] = {{"peak", "325"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "ac", .caption = "Alternating Current and Voltage", .client = {5370, 3435}, .titles = kTitles,
    .controls = kControls, .tabOrder = kTabOrder, .defaultButton = "Command1", .presses = kPresses,
    .clears = kClears, .resets = kResets, .example = {kExample, "Command1"}};
// clang-format on

}  // namespace ampora::alternating_current
