// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings.h"

#include <string>
#include <string_view>

// A share link's part after "#": a calculator and the controls it opens with,
// "pd?p=100&v=230", each name and text encoded as a URL component is (RFC 3986: every
// byte but the letters, digits and -_.!~*'() as %XX of its UTF-8).
namespace ampora::request {

struct Link {
    std::string name;          // what the link opens: a calculator's name, or another view's
    Settings settings;         // in the link's order; a name without "=" has the text ""
    bool hasSettings = false;  // whether the link has a "?", even with nothing after it
};

// The link `fragment` (with or without its "#"). A name or text that is not well encoded
// (a "%" without two hexadecimal digits after it, escapes that are no UTF-8) is taken as
// it stands; "+" is a plus.
Link ParseLink(std::string_view fragment);

// The fragment, "#" included, that opens `calc` with `settings`.
std::string LinkFragment(std::string_view calc, const Settings& settings);

// The settings a link keeps of a form: every box that holds text, in the form's order,
// then each chosen option ("1") and each list's chosen entry.
Settings LinkSettings(const FormBehaviour& form, const FormState& state);

}  // namespace ampora::request
