// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_decl.h"
#include "relation.h"

#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// The list of up to ten component values that the combination and fuse calculators
// share: a count box and ten value rows. Every loop over the rows reads the count afresh
// and runs each row's step under resume-next trapping, passing its running value through
// box text so that each intermediate value keeps 15 significant digits.
namespace ampora::component_list {

inline constexpr int kRows = 10;

// The texts of the value rows; row k + 1 is index k.
using Rows = std::array<std::string, kRows>;

// What a loop over the rows reads: the count box and the rows, and what a row holds
// ("Resistor"), by which a fault names a row ("Resistor # 2").
struct List {
    std::string count;
    Rows rows;
    std::string component = "Component";
};

// How many rows a loop covers, 0 to kRows. The last index is RoundToInteger(count - 1),
// so 2.5 and 3.5 both cover three rows; a count that is not a number, or whose count - 1
// lies outside the 16-bit range, covers none.
int RowsCovered(std::string_view count);

// For every covered row: ans := NumberToText(LeadingNumber(row) + LeadingNumber(ans)).
// An empty or unreadable row adds 0; a step that overflows leaves ans as it was. With
// `steps`, each row's step is recorded there (see relation.h), as is every step below.
void PlainSum(const List& list, std::string& ans, Steps* steps = nullptr);

// For every covered row that reads as a non-zero number, adds its reciprocal (through
// text) to the running sum in d; then ans := NumberToText(1 / d). When no row
// contributes, d stays as it was and ans keeps its text. A covered row that reads as
// exactly 0 short-circuits the combination: ans becomes "0".
void ReciprocalSum(const List& list, std::string& d, std::string& ans, Steps* steps = nullptr);

enum class Option { Series, Parallel };

// The combining step of the combination forms, run only while ans is empty: the option
// `additive` (series for resistors and inductors, parallel for capacitors) gives the
// plain sum, the other the reciprocal sum. d is reset to "0" between the two.
void Combine(const List& list, Option selected, Option additive, std::string& d, std::string& ans,
             Steps* steps = nullptr);

// The form around the list. A component-list form adds these controls to its own, before
// its titles: the count box `nc` with its caption `Label1` and its "OK" (`Command1`), the
// hidden scratch box `d`, the rows (captions `c0`..`c9`, boxes `ct0`..`ct9`), on a form
// with a combination the frame `Frame1` with `sc` "Series" (chosen at start) and `pc`
// "Parallel", the answer box `ans` with `Label2` "Answer:" above it, and "Calculate"
// (`Command2`).
inline constexpr const char* kCountBox = "nc";
inline constexpr const char* kScratchBox = "d";
inline constexpr const char* kAnswerBox = "ans";
inline constexpr const char* kOk = "Command1";
inline constexpr const char* kCalculate = "Command2";
inline constexpr const char* kSeries = "sc";
inline constexpr const char* kParallel = "pc";
inline constexpr const char* kCountLabel = "Label1";
inline constexpr const char* kCombinationFrame = "Frame1";
inline constexpr const char* kAnswerLabel = "Label2";
inline constexpr std::array<const char*, kRows> kRowBoxes = {"ct0", "ct1", "ct2", "ct3", "ct4",
                                                             "ct5", "ct6", "ct7", "ct8", "ct9"};
inline constexpr std::array<const char*, kRows> kRowLabels = {"c0", "c1", "c2", "c3", "c4",
                                                              "c5", "c6", "c7", "c8", "c9"};
// The boxes the list adds, for checking a unit's box names against its form.
inline constexpr const char* kAddedBoxes[] = {kCountBox, kScratchBox, kAnswerBox};
// In a Reset's order: every row, first to last, whatever the count holds.
inline constexpr const char* kEveryRow = "ct0..ct9";

// Appends the controls the list adds to `controls`; the captions it makes live in `texts`.
void AddControls(const ListDecl& list, std::vector<Control>& controls, std::deque<std::string>& texts);

// The options chosen when the form opens: "Series", on a form with a combination.
std::vector<const char*> ChosenAtStart(const ListDecl& list);

}  // namespace ampora::component_list
