// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_decl.h"

namespace ampora {

std::vector<std::string_view> ListEntries(const Control& list) {
    std::vector<std::string_view> entries;
    std::string_view rest = list.caption;
    while (!rest.empty()) {
        const auto bar = rest.find('|');
        entries.push_back(rest.substr(0, bar));
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    return entries;
}

std::string Report::text() const {
    if (fault) return fault->describe();
    if (message) return message->text;
    return {};
}

}  // namespace ampora
