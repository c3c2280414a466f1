// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculation.h"

#include "calc/registry.h"

namespace ampora::request {

Calculations::Calculations() = default;
Calculations::~Calculations() = default;

const FormBehaviour* Calculations::behaviour(std::string_view calc) {
    const FormDecl* decl = FindCalculator(calc);
    if (!decl) return nullptr;
    std::unique_ptr<FormBehaviour>& made = forms_[decl];
    if (!made) made = std::make_unique<FormBehaviour>(*decl);
    return made.get();
}

Answer Calculations::run(const Request& request) {
    Answer answer;
    const FormBehaviour* form = behaviour(request.calc);
    if (!form) {
        answer.error = "there is no calculator named " + Quoted(request.calc);
        return answer;
    }
    const FormDecl& decl = form->form();

    std::vector<const Press*> presses;
    if (request.press.empty()) {
        for (const Press& press : decl.presses) presses.push_back(&press);
    } else if (const Press* press = form->press(request.press)) {
        presses.push_back(press);
    } else {
        answer.error = std::string(decl.name) + " has no press named " + Quoted(request.press);
        return answer;
    }

    FormView view = form->opening();
    view.prefixed = request.prefixed;
    answer.error = ApplySettings(*form, view, request.settings, Taken::Strictly).error;
    if (!answer.error.empty()) return answer;

    const FormView before = view;
    const bool record = request.explain || request.solution;
    for (const Press* press : presses) {
        const Report report = form->click(view, press->button, record ? &answer.steps : nullptr).report;
        const auto told = Told(decl, report);
        if (!told) continue;
        if (!answer.told.empty()) answer.told += '\n';
        answer.told += told->text;
        answer.reports.push_back(*told);
    }
    answer.boxes.reserve(form->boxes().size());
    for (std::string_view box : form->boxes()) answer.boxes.emplace_back(box, view.state.box(box));
    if (request.readings) answer.readings = form->readings(view);
    if (request.solution)
        answer.solution =
            Rendered(SolutionOf(*form, before, view, answer.steps, answer.reports), *request.solution);
    if (!request.explain) answer.steps.clear();
    return answer;
}

}  // namespace ampora::request
