// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_panel.h"

#include "form_table.h"

#include <QLabel>
#include <QPushButton>

namespace ampora {
namespace {

struct Opener {
    const char* button;
    std::string_view form;
};

const Control kPanel[] = {
    {Kind::Frame, "Frame1", "Electrical", {120, 1080, 1815, 3135}},
    {Kind::Button, "Command1", "Basic Electricity", {120, 240, 1575, 375}, "Frame1"},
    {Kind::Button, "Command5", "Capacitance", {120, 600, 1575, 375}, "Frame1"},
    {Kind::Button, "Command6", "Resistance", {120, 960, 1575, 375}, "Frame1"},
    {Kind::Button, "Command7", "Resistors Colour Coding", {120, 1320, 1575, 495}, "Frame1"},
    {Kind::Button, "Command9", "AC", {120, 1800, 1575, 375}, "Frame1"},
    {Kind::Button, "Command13", "Conductance", {120, 2160, 1575, 375}, "Frame1"},
    {Kind::Button, "Command14", "Fuse Size", {120, 2520, 1575, 375}, "Frame1"},
    {Kind::Frame, "Frame3", "Testing tools", {2040, 1080, 1935, 1455}},
    {Kind::Button, "Command11", "Oscilloscope", {120, 240, 1695, 375}, "Frame3"},
    {Kind::Button, "Command10", "Ammeter", {120, 600, 1695, 375}, "Frame3"},
    {Kind::Frame, "Frame2", "Magnetism", {4080, 1080, 1935, 1455}},
    {Kind::Button, "Command2", "Electro-Magnetism", {120, 240, 1695, 375}, "Frame2"},
    {Kind::Button, "Command3", "Inductance", {120, 600, 1695, 375}, "Frame2"},
    {Kind::Button, "Command8", "Transformer", {120, 960, 1695, 375}, "Frame2"},
    {Kind::Frame, "Frame4", "Mathematics", {2040, 2640, 1935, 1455}},
    {Kind::Button, "Command12", "Trigonometry", {120, 240, 1695, 375}, "Frame4"},
    {Kind::Button, "Command4", "About", {4200, 2640, 1695, 375}},
};

const Opener kPanelOpeners[] = {
    {"Command1", "pd"},       {"Command5", "cap"},      {"Command6", "res"},   {"Command7", "rcc"},
    {"Command9", "ac"},       {"Command13", "cond"},    {"Command14", "fuse"}, {"Command11", "oscil"},
    {"Command10", "amm"},     {"Command2", "mag"},      {"Command3", "ind"},   {"Command8", "trans"},
    {"Command12", "trigono"}, {"Command4", "frmAbout"},
};

const Title kPanelTitle = {"Label2", "Label7", "AMPORA", {470, 350, 5655, 615}, 30, 27.75};

const Control kChooserButtons[] = {
    {Kind::Button, "Command1", "Right Angle Triangle", {360, 360, 1935, 495}},
    {Kind::Button, "Command2", "Circle", {360, 840, 1935, 495}},
};

const Opener kChooserOpeners[] = {{"Command1", "ratri"}, {"Command2", "cirtri"}};

template <std::size_t N>
void Wire(CalcForm& form, FormTable& forms, const Opener (&openers)[N]) {
    for (const Opener& o : openers) {
        form.button(o.button)->setEnabled(forms.available(o.form));
        form.onClick(o.button, [&forms, name = o.form] { forms.OpenForm(name); });
    }
}

}  // namespace

MainPanel::MainPanel(FormTable& forms, QWidget* parent)
    : CalcForm("Form1", QStringLiteral("Ampora"), {6675, 5130}, parent) {
    auto* small = new QLabel(QStringLiteral("Ampora"), this);
    small->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(12);
    font.setBold(true);
    small->setFont(font);
    small->setGeometry(Px(Twips{480, 120, 5655, 345}));
    addTitle(kPanelTitle);
    build(kPanel);
    Wire(*this, forms, kPanelOpeners);
}

Chooser::Chooser(FormTable& forms, QWidget* parent)
    : CalcForm("trigono", QStringLiteral("Trigonometry"), {2640, 1725}, parent) {
    build(kChooserButtons);
    Wire(*this, forms, kChooserOpeners);
}

}  // namespace ampora
