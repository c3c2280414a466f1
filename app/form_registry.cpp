// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_box.h"
#include "browser_form.h"
#include "calc/registry.h"
#include "form_table.h"
#include "help_viewer_loader.h"
#include "main_panel.h"
#include "ui/component_list_form.h"

namespace ampora {

std::vector<FormEntry> AllForms() {
    std::vector<FormEntry> forms = {
        {kMainPanel, [](FormTable& t) { return new MainPanel(t); }},
        {kChooser, [](FormTable& t) { return new Chooser(t); }},
        {kAboutBox, [](FormTable&) { return new AboutBox; }},
        {kHelpViewer, [](FormTable&) { return new BrowserForm(LoadHelpPlugin().create); }, true},
    };
    for (const FormDecl* calculator : Calculators())
        forms.push_back({calculator->name, [calculator](FormTable&) { return MakeForm(*calculator); }});
    return forms;
}

}  // namespace ampora
