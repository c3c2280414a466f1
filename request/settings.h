// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/control_list.h"
#include "core/form_state.h"

#include <string>
#include <string_view>

namespace ampora::request {

// Sets one control of `form` as a user would type or pick it:
// - a box (or a component list's row by its caption's name, `c0` for `ct0`) to `text`
//   exactly, blanks and all;
// - an option, chosen with "1" (the others of its group are then not chosen);
// - a list to the entry whose text is `text`, or whose position, counted from 0, `text`
//   gives; "" chooses nothing.
// Returns "" when done, else why it could not be done, in one sentence.
std::string ApplySetting(const ControlList& controls, FormState& form, std::string_view name,
                         std::string_view text);

// The control `name` stands for in a setting (a row's caption names its box), or nullptr.
const Control* SettingTarget(const ControlList& controls, std::string_view name);

// `text` in double quotes, as refusals quote names and texts.
std::string Quoted(std::string_view text);

}  // namespace ampora::request
