// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "box_table.h"
#include "fault.h"
#include "relation.h"
#include "trapping.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// The solve pass: target blocks run in a fixed order, each only while its target box is
// empty; inside a block the first rule whose operand boxes are all filled fires, and its
// result is written back as text, so later blocks read it with 15 significant digits.
namespace ampora {

// A form's boxes, by index, as text.
using Boxes = std::vector<std::string>;

// What an untrapped handler leaves: the boxes as written up to the first fault, and that
// fault, if any, for the form to report.
struct Outcome {
    Boxes boxes;
    std::optional<Fault> fault;
};

// A rule fires when every box its relation reads is filled: [](X x) { return x[P] / x[V]; }
// fires when the power and voltage boxes are.
struct Rule {
    template <typename Declare>
    requires std::is_invocable_r_v<Term, Declare, const Terms&> Rule(Declare declare)  // NOLINT: implicit
        : Rule(Relation(declare)) {}
    Rule(Relation relation) : relation(std::move(relation)), operands(this->relation.operands()) {}  // NOLINT

    Relation relation;
    std::vector<int> operands;  // the boxes it reads, in the unit's order: all must be filled
    // For a rule that never fires, since an earlier rule of its block reads only boxes that
    // it reads too: why, in words. Empty for every other rule.
    std::string_view preEmpted;
};

// A rule kept in its table though an earlier rule of its block always fires first, marked
// so with the reason: PreEmpted("charge from current and time comes first", [](X x) {...}).
inline Rule PreEmpted(std::string_view reason, Rule rule) {
    rule.preEmpted = reason;
    return rule;
}

struct Block {
    int target;
    std::vector<Rule> rules;
};

// A value the pass works out from the boxes before its first block (a permeability, say),
// which its rules read as constant `index` in the order declared; a constant that faults
// makes the rules that read it fault when they fire.
struct PassConstant {
    const char* name;  // as an explanation shows it: "mu"
    Relation relation;
};

struct Pass {
    std::span<const BoxRow> boxes;  // the unit's boxes, in its order
    std::vector<Block> blocks;
    std::vector<PassConstant> constants = {};
};

// Runs the pass over `boxes`. Under resume-next a faulting rule leaves its target as it
// was and ends its block; untrapped, the first fault ends the pass and is returned with
// the quantity it was working out and, for an unreadable box, that box's quantity. With
// `steps`, every rule that fired is recorded there with its work, faulted or not, and each
// constant before the first rule that reads it.
std::optional<Fault> RunPass(const Pass& pass, Boxes& boxes, Trapping trapping, Steps* steps = nullptr);

// A unit that is only its pass, run under resume-next: its boxes afterwards.
Boxes SolveByPass(const Pass& pass, Boxes boxes, Steps* steps = nullptr);

}  // namespace ampora
