// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_decl.h"

#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ampora {

// Every control of a declared form, in the order the form makes them: first the controls
// a component-list form adds (see component_list.h), then the form's own table. Titles
// are not controls.
class ControlList {
public:
    explicit ControlList(const FormDecl& form);
    // The controls point into texts this list owns: it moves, but is never copied.
    ControlList(const ControlList&) = delete;
    ControlList& operator=(const ControlList&) = delete;
    ControlList(ControlList&&) = default;

    const FormDecl& form() const { return *form_; }
    std::span<const Control> all() const { return all_; }
    // The controls a component-list form adds, made before its titles; empty elsewhere.
    std::span<const Control> added() const { return std::span(all_).first(added_); }
    std::span<const Control> own() const { return std::span(all_).subspan(added_); }
    const Control* find(std::string_view name) const;

    // The whole tab order, first to last, or empty where the form keeps the reading order.
    std::vector<std::string_view> tabOrder() const;
    // The boxes a user reads: in tab order where the form has one, else in table order;
    // the hidden scratch box of a component-list form is left out.
    std::vector<std::string_view> visibleBoxes() const;
    // The options chosen when the form opens.
    std::vector<const char*> chosenAtStart() const;
    // The options that share `option`'s parent, `option` included.
    std::vector<std::string_view> optionGroup(std::string_view option) const;

private:
    const FormDecl* form_;
    std::deque<std::string> texts_;  // names and captions made here
    std::vector<Control> all_;
    std::size_t added_ = 0;
};

}  // namespace ampora
