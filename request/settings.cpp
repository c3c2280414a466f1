// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings.h"

#include "core/component_list.h"

#include <algorithm>

namespace ampora::request {

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    return quoted.append(text).append(1, '"');
}

const Control* SettingTarget(const ControlList& controls, std::string_view name) {
    const Control* control = controls.find(name);
    if (!controls.form().list || !control) return control;
    // A row is also known by its caption's name.
    const auto& labels = component_list::kRowLabels;
    if (const auto row = std::find(labels.begin(), labels.end(), name); row != labels.end())
        return controls.find(component_list::kRowBoxes[row - labels.begin()]);
    // The scratch box only ever holds what the form's own press writes there.
    if (name == component_list::kScratchBox) return nullptr;
    return control;
}

std::string ApplySetting(const ControlList& controls, FormState& form, std::string_view name,
                         std::string_view text) {
    const Control* control = SettingTarget(controls, name);
    const std::string quoted = Quoted(name);
    if (!control) return std::string(controls.form().name) + " has no box, option or list named " + quoted;
    switch (control->kind) {
        case Kind::Box:
            form.setBox(control->name, std::string(text));
            return {};
        case Kind::Option:
            if (text != "1") return "the option " + quoted + " is chosen with 1, not " + Quoted(text);
            for (std::string_view other : controls.optionGroup(control->name)) form.setOption(other, false);
            form.setOption(control->name, true);
            return {};
        case Kind::List: {
            const auto entries = ListEntries(*control);
            if (text.empty()) {
                form.setList(control->name, "");
                return {};
            }
            if (const auto it = std::find(entries.begin(), entries.end(), text); it != entries.end()) {
                form.setList(control->name, std::string(*it));
                return {};
            }
            std::size_t position = 0;
            const bool digits =
                std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (digits && text.size() <= 3) position = std::stoul(std::string(text));
            if (digits && text.size() <= 3 && position < entries.size()) {
                form.setList(control->name, std::string(entries[position]));
                return {};
            }
            return "the list " + quoted + " has no entry " + Quoted(text) +
                   " (give an entry as it reads, or its position from 0 to " +
                   std::to_string(entries.size() - 1) + ")";
        }
        default:
            return quoted + " is not a box, an option or a list";
    }
}

Applied ApplySettings(const FormBehaviour& form, FormView& view, const Settings& settings, Taken taken) {
    Applied applied;
    std::vector<const Control*> set;
    bool counted = false;
    for (const auto& [name, text] : settings) {
        const Control* target = SettingTarget(form.controls(), name);
        if (taken == Taken::Strictly && target && std::find(set.begin(), set.end(), target) != set.end()) {
            // Two texts for one control are a mistake in the request, not a choice to make.
            applied.error = name == target->name
                                ? Quoted(name) + " is set twice"
                                : Quoted(name) + " sets " + Quoted(target->name) + " a second time";
            return applied;
        }
        std::string refused = ApplySetting(form.controls(), view.state, name, text);
        if (refused.empty()) {
            set.push_back(target);
            counted =
                counted || (form.form().list && target->name == std::string_view(component_list::kCountBox));
        } else if (taken == Taken::Strictly) {
            applied.error = std::move(refused);
            return applied;
        } else {
            applied.ignored.push_back(name);
        }
    }
    if (taken == Taken::Leniently && counted) form.confirmCount(view);
    return applied;
}

}  // namespace ampora::request
