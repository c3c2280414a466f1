// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculation.h"

#include "calc/registry.h"
#include "settings.h"

#include <algorithm>

namespace ampora::request {

// What every calculation on one form starts from, made once.
struct Calculations::Form {
    explicit Form(const FormDecl& decl)
        : controls(decl), start(FormState::initial(decl)), boxes(controls.visibleBoxes()) {}
    ControlList controls;
    FormState start;
    std::vector<std::string_view> boxes;
};

Calculations::Calculations() = default;
Calculations::~Calculations() = default;

const Calculations::Form& Calculations::form(const FormDecl& decl) {
    std::unique_ptr<Form>& made = forms_[&decl];
    if (!made) made = std::make_unique<Form>(decl);
    return *made;
}

Answer Calculations::run(const Request& request) {
    Answer answer;
    const FormDecl* decl = FindCalculator(request.calc);
    if (!decl) {
        answer.error = "there is no calculator named \"" + request.calc + "\"";
        return answer;
    }
    const Form& form = this->form(*decl);

    std::vector<const Press*> presses;
    for (const Press& press : decl->presses)
        if (request.press.empty() || request.press == press.button) presses.push_back(&press);
    if (presses.empty()) {
        answer.error = std::string(decl->name) + " has no press named \"" + request.press + "\"";
        return answer;
    }

    FormState state = form.start;
    std::vector<const Control*> set;
    for (const auto& [name, text] : request.settings) {
        // Two texts for one control are a mistake in the request, not a choice to make.
        const Control* target = SettingTarget(form.controls, name);
        if (target && std::find(set.begin(), set.end(), target) != set.end()) {
            answer.error = name == target->name
                               ? "\"" + name + "\" is set twice"
                               : "\"" + name + "\" sets \"" + target->name + "\" a second time";
            return answer;
        }
        set.push_back(target);
        answer.error = ApplySetting(form.controls, state, name, text);
        if (!answer.error.empty()) return answer;
    }

    for (const Press* press : presses) {
        const Report report = press->run(state, request.explain ? &answer.steps : nullptr);
        const std::string told = report.text();
        if (told.empty()) continue;
        if (!answer.told.empty()) answer.told += '\n';
        answer.told += told;
        answer.reports.push_back({report.fault ? decl->caption : report.message->title, told});
    }
    answer.boxes.reserve(form.boxes.size());
    for (std::string_view box : form.boxes) answer.boxes.emplace_back(box, state.box(box));
    return answer;
}

}  // namespace ampora::request
