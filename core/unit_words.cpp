// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "unit_words.h"

#include <algorithm>
#include <iterator>

namespace ampora {
namespace {

// Labels are matched as written: "m" is metres where "M" would be something else, so the
// two spellings a form uses for one unit ("Sec" and "sec") each have a row.
constexpr UnitWords kUnits[] = {
    {"W", "watts"},
    {"A", "amperes"},
    {"V", "volts"},
    {"Volts", "volts"},
    {"volts", "volts"},
    {"Ohms", "ohms"},
    {"mhos", "mhos"},
    {"J", "joules"},
    {"C", "coulombs"},
    {"Sec", "seconds"},
    {"sec", "seconds"},
    {"H", "henries"},
    {"N", "newtons"},
    {"m", "metres"},
    {"m2", "square metres"},
    {"turns", "turns"},
    {"A-turns", "ampere-turns"},
    {"A-turns/m", "ampere-turns per metre"},
    {"A.turn/weber", "ampere-turns per weber"},
    {"A.m.turns", "ampere-metre-turns"},
    {"webers", "webers"},
    {"rpm", "revolutions per minute"},
    {"o", "degrees"},  // the degree mark, drawn as a raised letter o
};

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::span<const UnitWords> UnitTable() { return kUnits; }

std::string_view UnitInWords(std::string_view label) {
    const std::string_view key = Trimmed(label);
    const auto* found = std::find_if(std::begin(kUnits), std::end(kUnits),
                                     [key](const UnitWords& u) { return u.label == key; });
    return found == std::end(kUnits) ? std::string_view() : found->words;
}

}  // namespace ampora
