// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

// The list of up to ten component values that the combination and fuse calculators
// share: a count box and ten value rows. Every loop over the rows reads the count afresh
// and runs each row's step under resume-next trapping, passing its running value through
// box text so that each intermediate value keeps 15 significant digits.
namespace ampora::component_list {

inline constexpr int kRows = 10;

// The texts of the value rows; row k + 1 is index k.
using Rows = std::array<std::string, kRows>;

// What a loop over the rows reads: the count box and the rows.
struct List {
    std::string count;
    Rows rows;
};

// How many rows a loop covers, 0 to kRows. The last index is RoundToInteger(count - 1),
// so 2.5 and 3.5 both cover three rows; a count that is not a number, or whose count - 1
// lies outside the 16-bit range, covers none.
int RowsCovered(std::string_view count);

// For every covered row: ans := NumberToText(LeadingNumber(row) + LeadingNumber(ans)).
// An empty or unreadable row adds 0; a step that overflows leaves ans as it was.
void PlainSum(const List& list, std::string& ans);

// For every covered row that reads as a non-zero number, adds its reciprocal (through
// text) to the running sum in d; then ans := NumberToText(1 / d). When no row
// contributes, d stays as it was and ans keeps its text. A covered row that reads as
// exactly 0 short-circuits the combination: ans becomes "0".
void ReciprocalSum(const List& list, std::string& d, std::string& ans);

enum class Option { Series, Parallel };

// The combining step of the combination forms, run only while ans is empty: the option
// `additive` (series for resistors and inductors, parallel for capacitors) gives the
// plain sum, the other the reciprocal sum. d is reset to "0" between the two.
void Combine(const List& list, Option selected, Option additive, std::string& d, std::string& ans);

}  // namespace ampora::component_list
