// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_behaviour.h"

#include "component_list.h"

namespace ampora {
namespace cl = component_list;

FormBehaviour::FormBehaviour(const FormDecl& form) : controls_(form), boxes_(controls_.visibleBoxes()) {
    opening_.state = FormState::initial(form);
    if (form.defaultButton) opening_.defaultButton = form.defaultButton;
    if (!form.list) return;
    for (int k = 0; k < cl::kRows; ++k) {
        opening_.hidden.insert(cl::kRowLabels[k]);
        opening_.hidden.insert(cl::kRowBoxes[k]);
    }
    if (form.list->combination) opening_.hidden.insert(cl::kCombinationFrame);
    opening_.hidden.insert(cl::kAnswerLabel);
    opening_.hidden.insert(cl::kScratchBox);
}

const Press* FormBehaviour::press(std::string_view name) const {
    for (const Press& p : form().presses)
        if (name == p.button || (p.role && name == p.role)) return &p;
    return nullptr;
}

namespace {

// Empties `name` (a box, a list, or every row of a component list) and notes what changed.
void Empty(const ControlList& controls, FormState& state, std::string_view name, Clicked& clicked) {
    const auto empty = [&](std::string_view box) {
        if (state.box(box).empty()) return;
        state.setBox(box, "");
        clicked.changed.emplace_back(box);
    };
    if (name == cl::kEveryRow) {
        for (const char* row : cl::kRowBoxes) empty(row);
    } else if (const Control* c = controls.find(name); c && c->kind == Kind::List) {
        if (state.list(name).empty()) return;
        state.setList(name, "");
        clicked.changed.emplace_back(name);
    } else {
        empty(name);
    }
}

}  // namespace

Clicked FormBehaviour::click(FormView& view, std::string_view button, Steps* steps) const {
    Clicked clicked;
    const FormDecl& form = this->form();
    if (const Press* p = press(button); p && button == p->button) {
        clicked.what = Clicked::Pressed;
        clicked.report = p->run(view.state, steps);
        return clicked;
    }
    for (const ResetButton& r : form.resets) {
        if (button != r.button) continue;
        clicked.what = Clicked::Reset;
        for (const char* name : r.order) Empty(controls_, view.state, name, clicked);
        return clicked;
    }
    for (const ClearButton& c : form.clears) {
        if (button != c.button) continue;
        clicked.what = Clicked::Cleared;
        Empty(controls_, view.state, c.box, clicked);
        return clicked;
    }
    if (form.list && button == cl::kOk) {
        clicked.what = Clicked::Counted;
        confirmCount(view);
    }
    return clicked;
}

void FormBehaviour::confirmCount(FormView& view) const {
    const auto show = [&](const char* name, bool shown) {
        if (!shown)
            view.hidden.insert(name);
        else if (const auto it = view.hidden.find(std::string_view(name)); it != view.hidden.end())
            view.hidden.erase(it);
    };
    if (form().list->combination) show(cl::kCombinationFrame, true);
    const int covered = cl::RowsCovered(view.state.box(cl::kCountBox));
    for (int k = 0; k < cl::kRows; ++k) {
        show(cl::kRowLabels[k], k < covered);
        show(cl::kRowBoxes[k], k < covered);
    }
    for (const char* name : {cl::kAnswerBox, cl::kAnswerLabel, cl::kCalculate}) show(name, true);
    view.defaultButton = cl::kCalculate;
}

void FormBehaviour::focusIn(FormView& view, std::string_view control) const {
    if (form().list && control == cl::kCountBox) view.defaultButton = cl::kOk;
    for (const FocusDefault& f : form().focusDefaults)
        if (control == f.box) view.defaultButton = f.button;
}

void FormBehaviour::focusOut(FormView& view, std::string_view control) const {
    if (form().list && control == cl::kCountBox) view.defaultButton = cl::kCalculate;
}

void FormBehaviour::edited(FormView& view, std::string_view control) const {
    if (form().list && control == cl::kCountBox) view.defaultButton = cl::kOk;
}

}  // namespace ampora
