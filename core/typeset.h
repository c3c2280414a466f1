// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// The pieces of LaTeX a solution is written in: math that a document loading only amsmath
// typesets, from the names, numbers, texts and unit symbols of a press's work. A text a
// user typed is always set as text, with every character LaTeX would read as markup
// escaped, so nothing typed can run as a command.
namespace ampora::tex {

// Whether `c` is a control character, which a solution writes as "\u0001" would show it,
// and that name without its backslash: "u0001".
bool IsControl(char c);
std::string ControlName(char c);

// `text` escaped for \text{...}: LaTeX's special characters as the commands that print
// them, a control character as "\u0001" would show it, and nothing else changed.
std::string Escaped(std::string_view text);

// `text` as text in quotes: \text{\textquotedblleft ...\textquotedblright}.
std::string Quoted(std::string_view text);

// A number as TextToNumber reads it (blanks around it skipped), in plain digits as
// written, its exponent as a power of ten: "4.7E-05" is "4.7 \times 10^{-5}".
std::string Number(std::string_view number);

// A box's or a value's name in math: "i", "\mathit{ans}", digits after letters as a
// subscript ("\mathit{ct}_{0}"), "b^2" as "b^{2}", "1/ct0" as "1/\mathit{ct}_{0}".
std::string Name(std::string_view name);

// A unit's symbol, with any prefix: "\mathrm{k}\Omega", "\mu\mathrm{F}", "\mathrm{mm}^{2}".
std::string Unit(std::string_view symbol);

// A box's text: a number as Number writes it, else the text as text.
std::string Value(std::string_view text);

// A value and its unit as a reading writes them ("434.783 mA", "45°", "1.5E-35 A",
// "read as 4 Ω"): the number as Number writes it, a thin space and the unit.
std::string Reading(std::string_view reading);

}  // namespace ampora::tex
