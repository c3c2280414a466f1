// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/control_list.h"
#include "core/form_behaviour.h"
#include "core/form_state.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Controls set from texts, as a user would type or pick them: the one way every front end
// that takes names and texts (the command line, a JSON request, the web page's controls
// and its links) sets a form's controls.
namespace ampora::request {

// Sets one control of `form`:
// - a box (or a component list's row by its caption's name, `c0` for `ct0`) to `text`
//   exactly, blanks and all; a component list's scratch box is the form's own, not set;
// - an option, chosen with "1" (the others of its group are then not chosen);
// - a list to the entry whose text is `text`, or whose position, counted from 0, `text`
//   gives; "" chooses nothing.
// Returns "" when done, else why it could not be done, in one sentence.
std::string ApplySetting(const ControlList& controls, FormState& form, std::string_view name,
                         std::string_view text);

// The control `name` stands for in a setting (a row's caption names its box), or nullptr
// when it names none a setting can set.
const Control* SettingTarget(const ControlList& controls, std::string_view name);

using Settings = std::vector<std::pair<std::string, std::string>>;

// How a list of settings is taken.
enum class Taken {
    // A command line or a request: the first setting that cannot be made refuses them
    // all, and a control given twice is a mistake.
    Strictly,
    // A link: a setting that fits nothing is left out and named, a later text for a
    // control wins, and a link that gives the count shows the rows it covers, as "OK" does.
    Leniently,
};

struct Applied {
    std::string error;                 // strictly: why the settings were refused, else ""
    std::vector<std::string> ignored;  // leniently: the names whose settings were left out
};

// Sets `view`'s controls from `settings`, in their order.
Applied ApplySettings(const FormBehaviour& form, FormView& view, const Settings& settings, Taken taken);

// `text` in double quotes, as refusals quote names and texts.
std::string Quoted(std::string_view text);

}  // namespace ampora::request
