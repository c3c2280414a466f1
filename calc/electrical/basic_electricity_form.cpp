// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "basic_electricity.h"
#include "core/form_state.h"

namespace ampora::basic_electricity {
namespace {

// Seven rows, 360 twips apart: caption, box, "*" beside the box, unit.
constexpr Control kControls[] = {
    {Kind::Label, "Label1", "Power:", {120, 780, 1215, 255}},
    {Kind::Box, "p", "", {1440, 720, 1815, 285}},
    {Kind::Button, "Command30", "*", {3300, 720, 255, 285}},
    {Kind::Label, "Label9", "W", {3660, 780, 735, 255}},

    {Kind::Label, "Label2", "Current:", {120, 1140, 1215, 255}},
    {Kind::Box, "i", "", {1440, 1080, 1815, 285}},
    {Kind::Button, "Command31", "*", {3300, 1080, 255, 285}},
    {Kind::Label, "Label10", "A", {3660, 1140, 735, 255}},

    {Kind::Label, "Label3", "Voltage:", {120, 1500, 1215, 255}},
    {Kind::Box, "v", "", {1440, 1440, 1815, 285}},
    {Kind::Button, "Command32", "*", {3300, 1440, 255, 285}},
    {Kind::Label, "Label11", "V", {3660, 1500, 735, 255}},

    {Kind::Label, "Label4", "Resistance:", {120, 1860, 1215, 255}},
    {Kind::Box, "r", "", {1440, 1800, 1815, 285}},
    {Kind::Button, "Command33", "*", {3300, 1800, 255, 285}},
    {Kind::Label, "Label12", "Ohms", {3660, 1860, 735, 255}},

    {Kind::Label, "Label5", "Work done:", {120, 2220, 1215, 255}},
    {Kind::Box, "w", "", {1440, 2160, 1815, 285}},
    {Kind::Button, "Command34", "*", {3300, 2160, 255, 285}},
    {Kind::Label, "Label13", "J", {3660, 2220, 735, 255}},

    {Kind::Label, "Label7", "Charge(q):", {120, 2580, 1215, 255}},
    {Kind::Box, "q", "", {1440, 2520, 1815, 285}},
    {Kind::Button, "Command35", "*", {3300, 2520, 255, 285}},
    {Kind::Label, "Label14", "C", {3660, 2580, 735, 255}},

    {Kind::Label, "Label8", "Time:", {120, 2940, 1215, 255}},
    {Kind::Box, "t", "", {1440, 2880, 1815, 285}},
    {Kind::Button, "Command36", "*", {3300, 2880, 255, 285}},
    {Kind::Label, "Label15", "Sec", {3660, 2940, 735, 255}},

    {Kind::Button, "calc", "Calculate", {720, 3420, 1455, 495}},
    {Kind::Button, "Command1", "Reset", {2400, 3420, 1455, 495}},
    {Kind::StatusBar, "sb", "Leave The Options Empty to Let It Find", {0, 0, 0, 315}},
};
static_assert(DeclaresBoxes(kControls, kBoxes));

constexpr Title kTitles[] = {{"Label6", "Label16", "BASIC ELECTRICITY", {480, 180, 3615, 405}, 30}};

constexpr const char* kTabOrder[] = {
    "p",        "i",         "v",         "r",         "w",         "q",         "t",         "calc",
    "Command1", "Command30", "Command31", "Command32", "Command33", "Command34", "Command35", "Command36"};

constexpr Press kPresses[] = {SolvePress<kBoxes, Solve>("calc")};

constexpr ClearButton kClears[] = {{"Command30", "p"}, {"Command31", "i"}, {"Command32", "v"},
                                   {"Command33", "r"}, {"Command34", "w"}, {"Command35", "q"},
                                   {"Command36", "t"}};

constexpr const char* kResetOrder[] = {"p", "i", "v", "w", "t", "r", "q"};
constexpr ResetButton kResets[] = {{"Command1", kResetOrder}};

constexpr Setting kExample[] = {{"v", "12"}, {"r", "4"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "pd", .caption = "Basic Electricity", .client = {4560, 4440}, .titles = kTitles,
    .controls = kControls, .tabOrder = kTabOrder, .defaultButton = "calc", .presses = kPresses,
    .clears = kClears, .resets = kResets, .example = {kExample, "calc"}};
// clang-format on

}  // namespace ampora::basic_electricity
