// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control_list.h"

#include "component_list.h"

#include <algorithm>

namespace ampora {

ControlList::ControlList(const FormDecl& form) : form_(&form) {
    if (form.list) component_list::AddControls(*form.list, all_, texts_);
    added_ = all_.size();
    all_.insert(all_.end(), form.controls.begin(), form.controls.end());
}

const Control* ControlList::find(std::string_view name) const {
    const auto it = std::find_if(all_.begin(), all_.end(), [&](const Control& c) { return c.name == name; });
    return it == all_.end() ? nullptr : &*it;
}

std::vector<std::string_view> ControlList::tabOrder() const {
    std::vector<std::string_view> order;
    if (form_->list) {
        order = {component_list::kCountBox, component_list::kOk};
        order.insert(order.end(), component_list::kRowBoxes.begin(), component_list::kRowBoxes.end());
    }
    for (const char* name : form_->tabOrder)
        if (std::find(order.begin(), order.end(), name) == order.end()) order.emplace_back(name);
    return order;
}

std::vector<std::string_view> ControlList::visibleBoxes() const {
    std::vector<std::string_view> boxes;
    const auto isBox = [this](std::string_view name) {
        const Control* c = find(name);
        return c && c->kind == Kind::Box && name != component_list::kScratchBox;
    };
    for (std::string_view name : tabOrder())
        if (isBox(name)) boxes.push_back(name);
    for (const Control& c : all_)
        if (isBox(c.name) && std::find(boxes.begin(), boxes.end(), c.name) == boxes.end())
            boxes.emplace_back(c.name);
    return boxes;
}

std::vector<const char*> ControlList::chosenAtStart() const {
    return form_->list ? component_list::ChosenAtStart(*form_->list) : std::vector<const char*>{};
}

std::vector<std::string_view> ControlList::optionGroup(std::string_view option) const {
    std::vector<std::string_view> group;
    const Control* chosen = find(option);
    if (!chosen || chosen->kind != Kind::Option) return group;
    const std::string_view parent = chosen->parent ? chosen->parent : "";
    for (const Control& c : all_)
        if (c.kind == Kind::Option && std::string_view(c.parent ? c.parent : "") == parent)
            group.emplace_back(c.name);
    return group;
}

}  // namespace ampora
