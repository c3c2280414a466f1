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
    // A row is also known by its caption's name.
    if (control && control->kind == Kind::Label && controls.form().list) {
        const auto& labels = component_list::kRowLabels;
        const auto row = std::find(labels.begin(), labels.end(), name);
        if (row != labels.end()) control = controls.find(component_list::kRowBoxes[row - labels.begin()]);
    }
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

}  // namespace ampora::request
