// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel.h"

namespace ampora {
namespace {

// clang-format off
constexpr PanelRow kMainPanel[] = {
    {{Kind::Frame, "Frame1", "Electrical", {120, 1080, 1815, 3135}}},
    {{Kind::Button, "Command1", "Basic Electricity", {120, 240, 1575, 375}, "Frame1"}, "pd"},
    {{Kind::Button, "Command5", "Capacitance", {120, 600, 1575, 375}, "Frame1"}, "cap"},
    {{Kind::Button, "Command6", "Resistance", {120, 960, 1575, 375}, "Frame1"}, "res"},
    {{Kind::Button, "Command7", "Resistors Colour Coding", {120, 1320, 1575, 495}, "Frame1"}, "rcc"},
    {{Kind::Button, "Command9", "AC", {120, 1800, 1575, 375}, "Frame1"}, "ac"},
    {{Kind::Button, "Command13", "Conductance", {120, 2160, 1575, 375}, "Frame1"}, "cond"},
    {{Kind::Button, "Command14", "Fuse Size", {120, 2520, 1575, 375}, "Frame1"}, "fuse"},
    {{Kind::Frame, "Frame3", "Testing tools", {2040, 1080, 1935, 1455}}},
    {{Kind::Button, "Command11", "Oscilloscope", {120, 240, 1695, 375}, "Frame3"}, "oscil"},
    {{Kind::Button, "Command10", "Ammeter", {120, 600, 1695, 375}, "Frame3"}, "amm"},
    {{Kind::Frame, "Frame2", "Magnetism", {4080, 1080, 1935, 1455}}},
    {{Kind::Button, "Command2", "Electro-Magnetism", {120, 240, 1695, 375}, "Frame2"}, "mag"},
    {{Kind::Button, "Command3", "Inductance", {120, 600, 1695, 375}, "Frame2"}, "ind"},
    {{Kind::Button, "Command8", "Transformer", {120, 960, 1695, 375}, "Frame2"}, "trans"},
    {{Kind::Frame, "Frame4", "Mathematics", {2040, 2640, 1935, 1455}}},
    {{Kind::Button, "Command12", "Trigonometry", {120, 240, 1695, 375}, "Frame4"}, "trigono"},
    {{Kind::Button, "Command4", "About", {4200, 2640, 1695, 375}}, "frmAbout"},
};

constexpr PanelRow kChooser[] = {
    {{Kind::Button, "Command1", "Right Angle Triangle", {360, 360, 1935, 495}}, "ratri"},
    {{Kind::Button, "Command2", "Circle", {360, 840, 1935, 495}}, "cirtri"},
};
// clang-format on

const char* CaptionIn(std::span<const PanelRow> rows, std::string_view form) {
    for (const PanelRow& row : rows)
        if (row.opens && row.opens == form) return row.control.caption;
    return nullptr;
}

}  // namespace

std::span<const PanelRow> MainPanelRows() { return kMainPanel; }
std::span<const PanelRow> ChooserRows() { return kChooser; }

const char* PanelCaption(std::string_view form) {
    if (const char* caption = CaptionIn(kMainPanel, form)) return caption;
    return CaptionIn(kChooser, form);
}

}  // namespace ampora
