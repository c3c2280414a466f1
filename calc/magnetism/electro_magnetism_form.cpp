// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/form_state.h"
#include "electro_magnetism.h"

namespace ampora::electro_magnetism {
namespace {

// Sixteen rows, 360 twips apart from 480 down: caption ending just left of the box, the
// box, a small "*" over its right end, the unit. The degree mark sits 120 twips high.
constexpr Control kControls[] = {
    {Kind::Label, "Label1", "Reluctance:", {0, 495, 2355, 255}},
    {Kind::Box, "s", "", {2400, 480, 1815, 285}},
    {Kind::Button, "Command30", "*", {4200, 525, 135, 195}},
    {Kind::Label, "Label9", "A.turn/weber ", {4440, 495, 1335, 255}},

    {Kind::Label, "Label2", "Magneto Motive Force(mmf):", {0, 855, 2355, 255}},
    {Kind::Box, "mmf", "", {2400, 840, 1815, 285}},
    {Kind::Button, "Command31", "*", {4200, 885, 135, 195}},
    {Kind::Label, "Label10", "A-turns", {4440, 855, 1335, 255}},

    {Kind::Label, "Label3", "Length of Conductor:", {0, 1215, 2355, 255}},
    {Kind::Box, "l", "", {2400, 1200, 1815, 285}},
    {Kind::Button, "Command32", "*", {4200, 1245, 135, 195}},
    {Kind::Label, "Label11", "m", {4440, 1215, 1335, 255}},

    {Kind::Label, "Label4", "Magnetic Flux:", {0, 1575, 2355, 255}},
    {Kind::Box, "flux", "", {2400, 1560, 1815, 285}},
    {Kind::Button, "Command33", "*", {4200, 1605, 135, 195}},
    {Kind::Label, "Label12", "A.m.turns", {4440, 1575, 1335, 255}},

    {Kind::Label, "Label30", "Relative Permiability:", {0, 1935, 2355, 255}},
    {Kind::Box, "rp", "", {2400, 1920, 1815, 285}},
    {Kind::Button, "Command34", "*", {4200, 1965, 135, 195}},

    {Kind::Label, "Label5", "Area of Conductor:", {0, 2295, 2355, 255}},
    {Kind::Box, "A", "", {2400, 2280, 1815, 285}},
    {Kind::Button, "Command35", "*", {4200, 2325, 135, 195}},
    {Kind::Label, "Label13", "m2", {4440, 2295, 1335, 255}},

    {Kind::Label, "Label7", "Magnetic Field Strength:", {0, 2655, 2355, 255}},
    {Kind::Box, "H", "", {2400, 2640, 1815, 285}},
    {Kind::Button, "Command36", "*", {4200, 2685, 135, 195}},
    {Kind::Label, "Label14", "A-turns/m", {4440, 2655, 1335, 255}},

    {Kind::Label, "Label8", "Current:", {0, 3015, 2355, 255}},
    {Kind::Box, "i", "", {2400, 3000, 1815, 285}},
    {Kind::Button, "Command37", "*", {4200, 3045, 135, 195}},
    {Kind::Label, "Label15", "A", {4440, 3015, 1335, 255}},

    {Kind::Label, "Label16", "Number of turns:", {0, 3375, 2355, 255}},
    {Kind::Box, "n", "", {2400, 3360, 1815, 285}},
    {Kind::Button, "Command38", "*", {4200, 3405, 135, 195}},
    {Kind::Label, "Label17", "turns", {4440, 3375, 1335, 255}},

    {Kind::Label, "Label18", "Magnetic Flux Density:", {0, 3735, 2355, 255}},
    {Kind::Box, "B", "", {2400, 3720, 1815, 285}},
    {Kind::Button, "Command39", "*", {4200, 3765, 135, 195}},
    {Kind::Label, "Label19", "webers", {4440, 3735, 1335, 255}},

    {Kind::Label, "Label20", "Induced emf:", {0, 4095, 2355, 255}},
    {Kind::Box, "e", "", {2400, 4080, 1815, 285}},
    {Kind::Button, "Command40", "*", {4200, 4125, 135, 195}},
    {Kind::Label, "Label21", "volts", {4440, 4095, 1335, 255}},

    {Kind::Label, "Label22", "Velocity of Conductor:", {0, 4455, 2355, 255}},
    {Kind::Box, "v", "", {2400, 4440, 1815, 285}},
    {Kind::Button, "Command41", "*", {4200, 4485, 135, 195}},
    {Kind::Label, "Label23", "rpm", {4440, 4455, 1335, 255}},

    {Kind::Label, "Label24", "Angle (theeta):", {0, 4815, 2355, 255}},
    {Kind::Box, "ang", "", {2400, 4800, 1815, 285}},
    {Kind::Button, "Command42", "*", {4200, 4845, 135, 195}},
    {Kind::Label, "Label25", "o", {4440, 4695, 1335, 255}},

    {Kind::Label, "Label26", "Force on Conductor:", {0, 5175, 2355, 255}},
    {Kind::Box, "F", "", {2400, 5160, 1815, 285}},
    {Kind::Button, "Command43", "*", {4200, 5205, 135, 195}},
    {Kind::Label, "Label27", "N", {4440, 5175, 1335, 255}},

    {Kind::Label, "Label28", "Inductance(L):", {0, 5535, 2355, 255}},
    {Kind::Box, "ind", "", {2400, 5520, 1815, 285}},
    {Kind::Button, "Command44", "*", {4200, 5565, 135, 195}},
    {Kind::Label, "Label29", "H", {4440, 5535, 1335, 255}},

    {Kind::Label, "Label32", "Time(t):", {0, 5895, 2355, 255}},
    {Kind::Box, "t", "", {2400, 5880, 1815, 285}},
    {Kind::Button, "Command2", "*", {4200, 5925, 135, 195}},
    {Kind::Label, "Label33", "sec", {4440, 5895, 1335, 255}},

    {Kind::Button, "calc", "Calculate", {720, 6240, 1695, 495}},
    {Kind::Button, "Command1", "Reset", {2520, 6240, 1695, 495}},
    {Kind::StatusBar, "sb", "Leave The Options Empty to Let It Find", {0, 0, 0, 315}},
};
static_assert(DeclaresBoxes(kControls, kBoxes));

constexpr Title kTitles[] = {
    {"Label34", "Label31", "ELECTRO - MAGNETISM", {1080, 60, 4455, 375}, 30, 14.25, false, 0x400040}};

// The captions end flush against their boxes. A caption wider than the room left of its
// box grows like any other (leftwards while there is room, else the row moves over); its
// text keeps the form's size.
constexpr const char* kCaptions[] = {"Label1",  "Label2",  "Label3",  "Label4",  "Label30", "Label5",
                                     "Label7",  "Label8",  "Label16", "Label18", "Label20", "Label22",
                                     "Label24", "Label26", "Label28", "Label32"};

// clang-format off
constexpr const char* kTabOrder[] = {
    "s", "mmf", "l", "flux", "rp", "A", "H", "i", "n", "B", "e", "v", "ang", "F", "ind", "t",
    "calc", "Command1",
    "Command30", "Command31", "Command32", "Command33", "Command34", "Command35", "Command36",
    "Command37", "Command38", "Command39", "Command40", "Command41", "Command42", "Command43",
    "Command44", "Command2"};
// clang-format on

// The defaults of the angle and the relative permeability go only into empty boxes, so a
// typed angle or permeability survives the press like any other box.
constexpr Press kPresses[] = {SolvePress<kBoxes, Solve>("calc")};

constexpr ClearButton kClears[] = {
    {"Command30", "s"},   {"Command31", "mmf"}, {"Command32", "l"},   {"Command33", "flux"},
    {"Command34", "rp"},  {"Command35", "A"},   {"Command36", "H"},   {"Command37", "i"},
    {"Command38", "n"},   {"Command39", "B"},   {"Command40", "e"},   {"Command41", "v"},
    {"Command42", "ang"}, {"Command43", "F"},   {"Command44", "ind"}, {"Command2", "t"}};

// Reset empties the boxes in the unit's order.
constexpr ResetButton kResets[] = {{"Command1", kBoxes.names}};
constexpr Setting kExample[] = {{"B", "0.5"}, {"i", "2"}, {"l", "3"}};

}  // namespace

// clang-format off
constexpr FormDecl kForm = {
    .name = "mag", .caption = "Magnetism", .client = {6000, 7230}, .titles = kTitles, .controls = kControls,
    .tabOrder = kTabOrder, .defaultButton = "calc", .presses = kPresses, .clears = kClears,
    .resets = kResets, .rightAligned = kCaptions, .example = {kExample, "calc"}};
// clang-format on

}  // namespace ampora::electro_magnetism
