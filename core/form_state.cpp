// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_state.h"

#include "control_list.h"

#include <stdexcept>

namespace ampora {
namespace {

template <typename Map>
auto& Find(Map& map, std::string_view name) {
    const auto it = map.find(name);
    if (it == map.end()) throw std::logic_error("the form has no control named " + std::string(name));
    return it->second;
}

}  // namespace

FormState FormState::initial(const FormDecl& form) {
    FormState state;
    const ControlList controls(form);
    for (const Control& c : controls.all()) {
        if (c.kind == Kind::Box) state.boxes_[c.name] = c.caption;
        if (c.kind == Kind::Option) state.options_[c.name] = false;
        if (c.kind == Kind::List) state.lists_[c.name] = "";
    }
    for (const char* option : controls.chosenAtStart()) state.options_[option] = true;
    return state;
}

const std::string& FormState::box(std::string_view name) const { return Find(boxes_, name); }
void FormState::setBox(std::string_view name, std::string text) { Find(boxes_, name) = std::move(text); }
bool FormState::option(std::string_view name) const { return Find(options_, name); }
void FormState::setOption(std::string_view name, bool chosen) { Find(options_, name) = chosen; }
const std::string& FormState::list(std::string_view name) const { return Find(lists_, name); }
void FormState::setList(std::string_view name, std::string entry) { Find(lists_, name) = std::move(entry); }

}  // namespace ampora
