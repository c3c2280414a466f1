#include "form_table.h"

#include "about_box.h"
#include "browser_form.h"
#include "calc/electrical/conductance_form.h"
#include "help_viewer_loader.h"
#include "main_panel.h"

namespace ampora {

std::vector<FormEntry> AllForms() {
    return {
        {FormKind::Form1, [](FormTable& t) { return new MainPanel(t); }},
        {FormKind::trigono, [](FormTable& t) { return new Chooser(t); }},
        {FormKind::frmAbout, [](FormTable&) { return new AboutBox; }},
        {FormKind::frmBrowser, [](FormTable&) { return new BrowserForm(LoadHelpPlugin().create); }, true},
        {FormKind::cond, [](FormTable&) { return new ConductanceForm; }},
    };
}

}  // namespace ampora
