// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colour_code.h"
#include "core/form_state.h"

namespace ampora::colour_code {
namespace {

// The entries of the three digit lists, in list order.
constexpr char kDigits[] =
    "0 - Black|1 - Brown|2 - Red|3 - Orange|4 - Yellow|5 - Green|6 - Blue|7 - Violet|8 - Grey|9 - White";

constexpr Control kControls[] = {
    {Kind::Label, "Label5", "First Colour", {480, 840, 975, 255}},
    {Kind::Label, "Label6", "Second Colour", {1680, 840, 1095, 255}},
    {Kind::Label, "Label7", "Third Colour", {3000, 840, 975, 255}},
    {Kind::Label, "Label8", "Last Colour", {4920, 840, 1215, 255}},
    {Kind::List, "unit", kDigits, {360, 1080, 1215, 315}},
    {Kind::List, "tens", kDigits, {1680, 1080, 1215, 315}},
    {Kind::List, "pten", kDigits, {3000, 1080, 1215, 315}},
    {Kind::List, "toller", "Gold 5%|Silver 10%", {4920, 1080, 1215, 315}},
    {Kind::Button, "Command1", "Calculate", {1440, 1680, 1575, 375}},
    {Kind::Button, "Command2", "Reset", {3000, 1680, 1575, 375}},
    {Kind::Label, "Label2", "Nominal Value:", {1320, 2400, 1095, 255}},
    {Kind::Box, "ans", "", {2520, 2400, 1455, 285}},
    {Kind::Label, "Label12", "Ohms", {4080, 2400, 495, 255}},
    {Kind::Label, "Label3", "Min: Value:", {1560, 2760, 855, 255}},
    {Kind::Box, "minv", "", {2520, 2760, 1455, 285}},
    {Kind::Label, "Label10", "Ohms", {4080, 2760, 495, 255}},
    {Kind::Label, "Label4", "Max: Value:", {1560, 3120, 855, 255}},
    {Kind::Box, "maxv", "", {2520, 3120, 1455, 285}},
    {Kind::Label, "Label11", "Ohms", {4080, 3120, 495, 255}},
};
static_assert(DeclaresBoxes(kControls, kBoxes));

constexpr Title kTitles[] = {{"Label1", "Label9", "RESISTORS COLOUR CODING", {480, 240, 5295, 375}, 30}};
constexpr const char* kTabOrder[] = {"unit", "tens", "pten", "toller",  "Command1",
                                     "ans",  "minv", "maxv", "Command2"};

Report Calculate(FormState& form, Steps* steps) {
    Bands bands;
    for (int band = 0; band < kBandCount; ++band) bands[band] = form.list(kBands.names[band]);
    Outcome outcome = Solve(bands, form.boxes(kBoxes), steps);
    form.setBoxes(kBoxes, std::move(outcome.boxes));
    return {std::move(outcome.fault), std::nullopt};
}

// The results are worked out afresh on every press.
constexpr Press kPresses[] = {{"Command1", Calculate, kBoxes.names, nullptr, kBoxes.rows}};
// The lists lose their choice first, then the results are emptied.
constexpr const char* kResetOrder[] = {"unit", "tens", "pten", "toller", "ans", "minv", "maxv"};
constexpr ResetButton kResets[] = {{"Command2", kResetOrder}};
constexpr Setting kExample[] = {
    {"unit", "4 - Yellow"}, {"tens", "7 - Violet"}, {"pten", "2 - Red"}, {"toller", "Gold 5%"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "rcc", .caption = "Resistors Colour Coding", .client = {6150, 3555}, .titles = kTitles,
    .controls = kControls, .tabOrder = kTabOrder, .defaultButton = "Command1", .presses = kPresses,
    .resets = kResets, .example = {kExample, "Command1"}};
// clang-format on

}  // namespace ampora::colour_code
