// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ammeter.h"
#include "core/form_state.h"

namespace ampora::ammeter {
namespace {

// `i`, `ig` and the "*" buttons sit on the form above the picture; `rg`, `rs` and the
// captions are the picture's own children, placed relative to it.
constexpr Control kControls[] = {
    {Kind::Picture, "Picture1", "", {600, 960, 3735, 3375}},
    {Kind::Box, "i", "", {1320, 1560, 735, 285}},
    {Kind::Button, "Command3", "*", {2040, 1560, 135, 195}},
    {Kind::Label, "Label3", "Current", {720, 840, 735, 255}, "Picture1"},
    {Kind::Label, "Label8", "Galvanometer", {1320, 1200, 1095, 255}, "Picture1"},
    {Kind::Box, "rg", "", {600, 1800, 735, 285}, "Picture1"},
    {Kind::Button, "Command4", "*", {1800, 2880, 135, 195}},
    {Kind::Label, "Label7", "Resistance:", {600, 2055, 855, 255}, "Picture1"},
    {Kind::Box, "ig", "", {2520, 2760, 735, 285}},
    {Kind::Button, "Command6", "*", {3240, 2760, 135, 195}},
    {Kind::Label, "Label5", "Current", {1920, 2040, 615, 255}, "Picture1"},
    {Kind::Box, "rs", "", {1320, 2520, 855, 285}, "Picture1"},
    {Kind::Button, "Command7", "*", {2760, 3480, 135, 195}},
    {Kind::Button, "Command1", "Calculate", {480, 4560, 1575, 375}},
    {Kind::Button, "Command8", "Reset", {2040, 4560, 1575, 375}},
};
static_assert(DeclaresBoxes(kControls, kBoxes));

// The circuit behind the boxes, in pixels: the cell across the top, the galvanometer in
// the middle branch and the shunt at the bottom, between two vertical buses.
constexpr int kLeft = 14, kRight = 228;                 // the two buses
constexpr int kTop = 18, kMiddle = 105, kBottom = 200;  // the three branches
constexpr int kCell = 114;                              // the cell's long, positive plate
constexpr int kShuntFrom = 92, kShuntTo = 146;          // the shunt's zigzag, six peaks
constexpr int Peak(int k) { return kShuntFrom + (2 * k + 1) * (kShuntTo - kShuntFrom) / 12; }
constexpr Stroke kStrokes[] = {
    {Stroke::Line, kLeft, kTop, kLeft, kBottom},
    {Stroke::Line, kRight, kTop, kRight, kBottom},
    // The cell: a long plate, a short thick one, and its label.
    {Stroke::Line, kLeft, kTop, kCell, kTop},
    {Stroke::Line, kCell, kTop - 12, kCell, kTop + 12},
    {Stroke::Fill, kCell + 8, kTop - 6, 3, 13},
    {Stroke::Line, kCell + 11, kTop, kRight, kTop},
    {Stroke::Text, kCell + 18, kTop + 4, 60, 14, "Input"},
    // The galvanometer: a box marked G.
    {Stroke::Line, kLeft, kMiddle, 62, kMiddle},
    {Stroke::Rectangle, 62, kMiddle - 8, 116, 16},
    {Stroke::CentredText, 62, kMiddle - 8, 116, 16, "G"},
    {Stroke::Line, 178, kMiddle, kRight, kMiddle},
    // The shunt: a zigzag resistor and its label.
    {Stroke::Line, kLeft, kBottom, kShuntFrom, kBottom},
    {Stroke::Line, kShuntFrom, kBottom, Peak(0), kBottom - 5},
    {Stroke::Line, Peak(0), kBottom - 5, Peak(1), kBottom + 5},
    {Stroke::Line, Peak(1), kBottom + 5, Peak(2), kBottom - 5},
    {Stroke::Line, Peak(2), kBottom - 5, Peak(3), kBottom + 5},
    {Stroke::Line, Peak(3), kBottom + 5, Peak(4), kBottom - 5},
    {Stroke::Line, Peak(4), kBottom - 5, Peak(5), kBottom + 5},
    {Stroke::Line, Peak(5), kBottom + 5, kShuntTo, kBottom},
    {Stroke::Line, kShuntTo, kBottom, kRight, kBottom},
    {Stroke::Text, 160, kBottom - 20, 60, 14, "Shunt"},
    // The junctions of the middle branch.
    {Stroke::Dot, kLeft, kMiddle, 3, 0},
    {Stroke::Dot, kRight, kMiddle, 3, 0},
};
constexpr Drawing kDrawings[] = {{"Picture1", 242, 219, kStrokes}};

constexpr Title kTitles[] = {
    {"Label6", "Label9", "GALVANOMETER TO AMMETER", {240, 240, 4860, 345}, 45, 14.25, true}};
constexpr const char* kTabOrder[] = {"i",        "rg",       "ig",       "rs",       "Command1",
                                     "Command3", "Command4", "Command6", "Command7", "Command8"};
// Two captions read "Current" and the shunt box has none.
constexpr SpokenName kSpokenNames[] = {{"i", "Total current"},
                                       {"ig", "Galvanometer current"},
                                       {"rg", "Galvanometer resistance"},
                                       {"rs", "Shunt resistance"}};
constexpr Press kPresses[] = {PassPress<kBoxes, Rules>("Command1")};
constexpr ClearButton kClears[] = {
    {"Command3", "i"}, {"Command4", "rg"}, {"Command6", "ig"}, {"Command7", "rs"}};
constexpr const char* kResetOrder[] = {"ig", "rg", "i", "rs"};
constexpr ResetButton kResets[] = {{"Command8", kResetOrder}};
constexpr Setting kExample[] = {{"i", "1"}, {"ig", "0.001"}, {"rg", "50"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "amm", .caption = "Ammeter", .client = {5565, 5310}, .titles = kTitles, .controls = kControls,
    .tabOrder = kTabOrder, .defaultButton = "Command1", .presses = kPresses, .clears = kClears,
    .resets = kResets, .spokenNames = kSpokenNames, .drawings = kDrawings,
    .example = {kExample, "Command1"}};
// clang-format on

}  // namespace ampora::ammeter
