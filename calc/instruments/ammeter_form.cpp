// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ammeter_form.h"

#include "ammeter.h"
#include "ammeter_diagram.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace ampora {
namespace {

// `i`, `ig` and the "*" buttons sit on the form above the picture; `rg`, `rs` and the
// captions are the picture's own children, placed relative to it.
const Control kControls[] = {
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

const Title kTitle = {"Label6", "Label9", "GALVANOMETER TO AMMETER", {240, 240, 4860, 345}, 45, 14.25, true};

}  // namespace

AmmeterForm::AmmeterForm(QWidget* parent) : CalcForm("amm", QStringLiteral("Ammeter"), {5565, 5310}, parent) {
    addTitle(kTitle);
    build(kControls);
    label("Picture1")->setPixmap(QPixmap::fromImage(AmmeterDiagram()));
    setTabOrder(
        {"i", "rg", "ig", "rs", "Command1", "Command3", "Command4", "Command6", "Command7", "Command8"});
    setDefaultButton("Command1");
    // Two captions read "Current" and the shunt box has none: name the quantities plainly
    // for screen readers (the "*" buttons follow their boxes).
    box("i")->setAccessibleName(tr("Total current"));
    box("ig")->setAccessibleName(tr("Galvanometer current"));
    box("rg")->setAccessibleName(tr("Galvanometer resistance"));
    box("rs")->setAccessibleName(tr("Shunt resistance"));

    const BoxSet boxes = this->boxes({"i", "ig", "rg", "rs"});
    onClick("Command1", [boxes] { boxes.write(ammeter::Solve(boxes.read())); });
    clearButton("Command3", "i");
    clearButton("Command4", "rg");
    clearButton("Command6", "ig");
    clearButton("Command7", "rs");
    const BoxSet resetOrder = this->boxes({"ig", "rg", "i", "rs"});
    onClick("Command8", [resetOrder] { resetOrder.clear(); });
}

}  // namespace ampora
