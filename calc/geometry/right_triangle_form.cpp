// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/form_state.h"
#include "right_triangle.h"

namespace ampora::right_triangle {
namespace {

constexpr Control kControls[] = {
    {Kind::Label, "Label6", "Base(b):", {120, 360, 735, 255}},
    {Kind::Box, "b", "", {1440, 360, 1575, 285}},
    {Kind::Label, "Label7", "Perpendicular(p):", {120, 720, 1215, 255}},
    {Kind::Box, "p", "", {1440, 720, 1575, 285}},
    {Kind::Label, "Label8", "Hypotenues(h):", {120, 1080, 1095, 255}},
    {Kind::Box, "h", "", {1440, 1080, 1575, 285}},
    {Kind::Label, "Label9", "Angle A:", {120, 1440, 735, 255}},
    {Kind::Box, "A", "", {1440, 1440, 1575, 285}},
    {Kind::Label, "Label10", "Angle C:", {120, 1800, 1215, 255}},
    {Kind::Box, "C", "", {1440, 1800, 1575, 285}},
    {Kind::Button, "Command1", "Calculate", {960, 2400, 2175, 495}},
    // The sketch: the right angle at the lower right, A at the lower left, C at the top.
    {Kind::Line, "Line1", "", LineFrom(4800, 240, 4800, 1800)},
    {Kind::Line, "Line2", "", LineFrom(3480, 1800, 4800, 1800)},
    {Kind::Line, "Line3", "", LineFrom(4800, 240, 3480, 1800)},
    {Kind::Label, "Label1", "b", {4080, 1800, 375, 255}},
    {Kind::Label, "Label3", "p", {4920, 960, 255, 255}},
    {Kind::Label, "Label2", "h", {3960, 840, 255, 255}},
    {Kind::Label, "Label4", "A", {3720, 1560, 255, 255}},
    {Kind::Label, "Label5", "C", {4600, 480, 255, 255}},
    {Kind::Label, "Label11", "90", {4560, 1560, 255, 255}},
};
static_assert(DeclaresBoxes(kControls, kBoxes));

constexpr const char* kTabOrder[] = {"Command1", "b", "p", "h", "A", "C"};
constexpr Press kPresses[] = {PassPress<kBoxes, Rules>("Command1")};
constexpr Setting kExample[] = {{"b", "3"}, {"p", "4"}, {"A", "36.87"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "ratri", .caption = "Right Angle Triangle", .client = {5220, 3405}, .controls = kControls,
    .tabOrder = kTabOrder, .defaultButton = "Command1", .presses = kPresses,
    .example = {kExample, "Command1"}};
// clang-format on

}  // namespace ampora::right_triangle
