#include "form_table.h"

#include "calc/electrical/basic_electricity_form.h"
#include "calc/electrical/conductance_form.h"
#include "calc/magnetism/electro_magnetism_form.h"
#include "calc/electrical/alternating_current_form.h"
#include "calc/instruments/ammeter_form.h"
#include "calc/instruments/oscilloscope_form.h"
#include "calc/magnetism/transformer_form.h"
#include "main_panel.h"

namespace ampora {

std::vector<FormEntry> AllForms() {
    return {
        {FormKind::Form1, [](FormTable& t) { return new MainPanel(t); }},
        {FormKind::trigono, [](FormTable& t) { return new Chooser(t); }},
        {FormKind::pd, [](FormTable&) { return new BasicElectricityForm; }},
        {FormKind::cond, [](FormTable&) { return new ConductanceForm; }},
        {FormKind::mag, [](FormTable&) { return new ElectroMagnetismForm; }},
        {FormKind::ac, [](FormTable&) { return new AlternatingCurrentForm; }},
        {FormKind::trans, [](FormTable&) { return new TransformerForm; }},
        {FormKind::oscil, [](FormTable&) { return new OscilloscopeForm; }},
        {FormKind::amm, [](FormTable&) { return new AmmeterForm; }},
    };
}

}  // namespace ampora
