// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_table.h"

#include "about_box.h"
#include "browser_form.h"
#include "calc/electrical/alternating_current_form.h"
#include "calc/electrical/basic_electricity_form.h"
#include "calc/electrical/capacitance_form.h"
#include "calc/electrical/colour_code_form.h"
#include "calc/electrical/conductance_form.h"
#include "calc/electrical/fuse_size_form.h"
#include "calc/electrical/resistance_form.h"
#include "calc/geometry/circle_form.h"
#include "calc/geometry/right_triangle_form.h"
#include "calc/instruments/ammeter_form.h"
#include "calc/instruments/oscilloscope_form.h"
#include "calc/magnetism/electro_magnetism_form.h"
#include "calc/magnetism/inductance_form.h"
#include "calc/magnetism/transformer_form.h"
#include "help_viewer_loader.h"
#include "main_panel.h"

namespace ampora {

std::vector<FormEntry> AllForms() {
    return {
        {FormKind::Form1, [](FormTable& t) { return new MainPanel(t); }},
        {FormKind::trigono, [](FormTable& t) { return new Chooser(t); }},
        {FormKind::frmAbout, [](FormTable&) { return new AboutBox; }},
        {FormKind::frmBrowser, [](FormTable&) { return new BrowserForm(LoadHelpPlugin().create); }, true},
        {FormKind::pd, [](FormTable&) { return new BasicElectricityForm; }},
        {FormKind::cond, [](FormTable&) { return new ConductanceForm; }},
        {FormKind::mag, [](FormTable&) { return new ElectroMagnetismForm; }},
        {FormKind::ac, [](FormTable&) { return new AlternatingCurrentForm; }},
        {FormKind::trans, [](FormTable&) { return new TransformerForm; }},
        {FormKind::oscil, [](FormTable&) { return new OscilloscopeForm; }},
        {FormKind::amm, [](FormTable&) { return new AmmeterForm; }},
        {FormKind::res, [](FormTable&) { return new ResistanceForm; }},
        {FormKind::cap, [](FormTable&) { return new CapacitanceForm; }},
        {FormKind::ind, [](FormTable&) { return new InductanceForm; }},
        {FormKind::fuse, [](FormTable&) { return new FuseSizeForm; }},
        {FormKind::rcc, [](FormTable&) { return new ColourCodeForm; }},
        {FormKind::ratri, [](FormTable&) { return new RightTriangleForm; }},
        {FormKind::cirtri, [](FormTable&) { return new CircleForm; }},
    };
}

}  // namespace ampora
