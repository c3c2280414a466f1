#include "form_table.h"

#include "calc/electrical/colour_code_form.h"
#include "calc/electrical/conductance_form.h"
#include "calc/geometry/circle_form.h"
#include "calc/geometry/right_triangle_form.h"
#include "main_panel.h"

namespace ampora {

std::vector<FormEntry> AllForms() {
    return {
        {FormKind::Form1, [](FormTable& t) { return new MainPanel(t); }},
        {FormKind::trigono, [](FormTable& t) { return new Chooser(t); }},
        {FormKind::rcc, [](FormTable&) { return new ColourCodeForm; }},
        {FormKind::cond, [](FormTable&) { return new ConductanceForm; }},
        {FormKind::ratri, [](FormTable&) { return new RightTriangleForm; }},
        {FormKind::cirtri, [](FormTable&) { return new CircleForm; }},
    };
}

}  // namespace ampora
