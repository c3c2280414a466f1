// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circle.h"
#include "core/form_state.h"

namespace ampora::circle {
namespace {

constexpr Control kControls[] = {
    {Kind::Label, "Label2", "Radius:", {120, 600, 615, 255}},
    {Kind::Box, "r", "", {960, 600, 1215, 285}},
    {Kind::Button, "Command2", "*", {2160, 600, 135, 195}},
    {Kind::Label, "Label3", "Area:", {120, 960, 735, 255}},
    {Kind::Box, "a", "", {960, 960, 1215, 285}},
    {Kind::Button, "Command3", "*", {2160, 960, 135, 195}},
    {Kind::Label, "Label4", "Perimeter:", {120, 1320, 855, 255}},
    {Kind::Box, "p", "", {960, 1320, 1215, 285}},
    {Kind::Button, "Command4", "*", {2160, 1320, 135, 195}},
    {Kind::Button, "Command1", "Calculate", {960, 2040, 1335, 375}},
    {Kind::Circle, "Shape1", "", {3000, 480, 1455, 1215}},
    {Kind::Line, "Line1", "", LineFrom(3720, 1080, 4320, 1080)},
    {Kind::Label, "Label1", "r", {3960, 720, 135, 255}},
};
static_assert(DeclaresBoxes(kControls, kBoxes));

constexpr LabelFont kFonts[] = {{"Label1", "MS Sans Serif", 12}};
constexpr const char* kTabOrder[] = {"r", "a", "p", "Command1", "Command2", "Command3", "Command4"};
constexpr Press kPresses[] = {PassPress<kBoxes, Rules>("Command1")};
constexpr ClearButton kClears[] = {{"Command2", "r"}, {"Command3", "a"}, {"Command4", "p"}};
constexpr Setting kExample[] = {{"r", "2"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "cirtri", .caption = "Circle", .client = {4680, 3195}, .controls = kControls,
    .tabOrder = kTabOrder, .defaultButton = "Command1", .presses = kPresses, .clears = kClears,
    .fonts = kFonts, .example = {kExample, "Command1"}};
// clang-format on

}  // namespace ampora::circle
