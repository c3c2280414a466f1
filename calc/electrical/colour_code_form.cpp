// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colour_code_form.h"

#include "colour_code.h"

#include <QComboBox>

namespace ampora {
namespace {

// The entries of the three digit lists, in list order.
constexpr char kDigits[] =
    "0 - Black|1 - Brown|2 - Red|3 - Orange|4 - Yellow|5 - Green|6 - Blue|7 - Violet|8 - Grey|9 - White";

const Control kControls[] = {
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

const Title kTitle = {"Label1", "Label9", "RESISTORS COLOUR CODING", {480, 240, 5295, 375}, 30};

}  // namespace

ColourCodeForm::ColourCodeForm(QWidget* parent)
    : CalcForm("rcc", QStringLiteral("Resistors Colour Coding"), {6150, 3555}, parent) {
    addTitle(kTitle);
    build(kControls);
    setTabOrder({"unit", "tens", "pten", "toller", "Command1", "ans", "minv", "maxv", "Command2"});
    setDefaultButton("Command1");

    const std::array<QComboBox*, colour_code::kBands> lists = {list("unit"), list("tens"), list("pten"),
                                                               list("toller")};
    const BoxSet results = boxes({"ans", "minv", "maxv"});
    onClick("Command1", [this, lists, results] {
        colour_code::Bands bands;
        for (std::size_t i = 0; i < lists.size(); ++i) bands[i] = lists[i]->currentText().toStdString();
        writeBack(results, colour_code::Solve(bands, results.read()));
    });
    // The lists lose their choice first, then the results are emptied.
    onClick("Command2", [lists, results] {
        for (QComboBox* list : lists) list->setCurrentIndex(-1);
        results.clear();
    });
}

}  // namespace ampora
