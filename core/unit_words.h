// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

// The unit labels that the calculators show beside their boxes, written out in words as
// a listener should hear them: "W" is "watts", "A-turns/m" is "ampere-turns per metre".
namespace ampora {

struct UnitWords {
    std::string_view label;  // as a form shows it, without surrounding blanks
    std::string_view words;  // lower case, whole words
};

// Every unit label of every calculator with its words.
std::span<const UnitWords> UnitTable();

// The words for `label` (blanks around it do not count); empty for a label not in the table.
std::string_view UnitInWords(std::string_view label);

}  // namespace ampora
