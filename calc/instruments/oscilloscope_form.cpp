// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/form_state.h"
#include "oscilloscope.h"

namespace ampora::oscilloscope {
namespace {

constexpr Control kControls[] = {
    {Kind::Frame, "Frame1", "DC Voltage:", {360, 960, 2895, 2655}},
    {Kind::Label, "Label1", "Vertical Selectivity:", {120, 360, 1335, 255}, "Frame1"},
    {Kind::Box, "vs", "", {1560, 360, 1215, 285}, "Frame1"},
    {Kind::Label, "Label2", "Vertical Deflection:", {120, 720, 1335, 255}, "Frame1"},
    {Kind::Box, "vd", "", {1560, 720, 1215, 285}, "Frame1"},
    {Kind::Label, "Label3", "D.C Voltage:", {120, 1080, 1335, 255}, "Frame1"},
    {Kind::Box, "v", "", {1560, 1080, 1215, 285}, "Frame1"},
    {Kind::Button, "Command1", "Calculate", {240, 1560, 1215, 375}, "Frame1"},
    {Kind::Button, "Command3", "Reset", {1440, 1560, 1215, 375}, "Frame1"},
    {Kind::Label, "Label4", "Leave one Field Empty to calculate.", {120, 2280, 2655, 255}, "Frame1"},
    {Kind::Frame, "Frame2", "Frequency:", {3360, 960, 2895, 3375}},
    {Kind::Label, "Label9", "Horizontal Selectivity:", {120, 360, 1575, 255}, "Frame2"},
    {Kind::Box, "hs", "", {1680, 360, 1095, 285}, "Frame2"},
    {Kind::Label, "Label8", "Horizontal Deflection:", {120, 720, 1575, 255}, "Frame2"},
    {Kind::Box, "hd", "", {1680, 720, 1095, 285}, "Frame2"},
    {Kind::Label, "Label7", "Time Period:", {720, 1080, 975, 255}, "Frame2"},
    {Kind::Box, "t", "", {1680, 1080, 1095, 285}, "Frame2"},
    {Kind::Label, "Label10", "Frequency:", {840, 1440, 855, 255}, "Frame2"},
    {Kind::Box, "f", "", {1680, 1440, 1095, 285}, "Frame2"},
    {Kind::Label, "Label11", "Wave Length:", {600, 1800, 1095, 255}, "Frame2"},
    {Kind::Box, "w", "", {1680, 1800, 1095, 285}, "Frame2"},
    {Kind::Button, "Command2", "Calculate", {240, 2400, 1215, 375}, "Frame2"},
    {Kind::Button, "Command4", "Reset", {1440, 2400, 1215, 375}, "Frame2"},
    {Kind::Label, "Label5", "Leave one Field Empty to calculate.", {120, 3000, 2655, 255}, "Frame2"},
};
static_assert(DeclaresBoxes(kControls, kVoltageBoxes));
static_assert(DeclaresBoxes(kControls, kFrequencyBoxes));

constexpr Title kTitles[] = {{"Label6", "Label12", "OSCILLOSCOPE", {1680, 240, 2895, 375}, 30, 15.75, true}};
constexpr const char* kTabOrder[] = {"vs", "vd", "v", "Command1", "Command2", "t",
                                     "hd", "hs", "f", "w",        "Command3", "Command4"};

Report Voltage(FormState& form, Steps* steps) {
    VoltageOutcome outcome = SolveVoltage(form.boxes(kVoltageBoxes), steps);
    form.setBoxes(kVoltageBoxes, std::move(outcome.boxes));
    if (!outcome.message) return {};
    return {std::nullopt, Message{"Error!", *outcome.message}};
}

// The voltage panel first, as the panels stand on the form.
constexpr Press kPresses[] = {
    {"Command1", Voltage, {}, "voltage", kVoltageBoxes.rows},
    PassPress<kFrequencyBoxes, FrequencyRules>("Command2", "frequency"),
};

// Enter presses the "Calculate" of the panel being typed in.
constexpr FocusDefault kFocusDefaults[] = {{"v", "Command1"}, {"vd", "Command1"}, {"vs", "Command1"},
                                           {"f", "Command2"}, {"hd", "Command2"}, {"hs", "Command2"},
                                           {"t", "Command2"}, {"w", "Command2"}};

constexpr const char* kVoltageReset[] = {"vs", "vd", "v"};
constexpr const char* kFrequencyReset[] = {"hs", "hd", "f", "t", "w"};
constexpr ResetButton kResets[] = {{"Command3", kVoltageReset}, {"Command4", kFrequencyReset}};
constexpr Setting kExample[] = {{"hs", "0.005"}, {"hd", "4"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "oscil", .caption = "Oscilloscope", .client = {6360, 4530}, .titles = kTitles,
    .controls = kControls, .tabOrder = kTabOrder, .defaultButton = "Command2", .presses = kPresses,
    .resets = kResets, .focusDefaults = kFocusDefaults,
    // The form opens ready for the first voltage reading, and so with Command1 as default.
    .focus = "vs",
    .example = {kExample, "Command2"}};
// clang-format on

}  // namespace ampora::oscilloscope
