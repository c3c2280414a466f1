// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fault.h"
#include "scope.h"
#include "term.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The record of a press's work, one step for each value written, and the texts it shows:
// a relation in names and with the operands' texts as they were read.
namespace ampora {

// One step of a press's work, in the order the steps ran: what was worked out, by which
// rule, from which relation, with which operands, and the text written or the fault.
struct Step {
    Step() = default;
    Step(std::string_view box, int block = 0, int rule = 0) : box(box), block(block), rule(rule) {}

    std::string box;                   // the box written (its name on the form), or a named value ("mu")
    int block = 0;                     // the rule's block in its table, from 1; 0 for work outside a table
    int rule = 0;                      // the rule's place in its block, from 1
    std::string relation;              // in names: "p / v"
    std::string substituted;           // with the operands' texts as they were read: "100 / 230"
    std::string result;                // the text written; empty when the step faulted
    std::optional<std::string> fault;  // the fault's sentence, when the step faulted
    // The relation and its substituted form in LaTeX: "\frac{p}{v}", "\frac{100}{230}".
    std::string relationTeX;
    std::string substitutedTeX;
};
using Steps = std::vector<Step>;

// "i = p / v = 100 / 230 = 0.434782608695652", or for a step that faulted
// "i = p / v = 100 / 0: The calculation divides by zero."
std::string StepLine(const Step& step);

// The fault as a step shows it: one sentence, without the quantity it was working out
// (the step names that).
std::string StepFault(const Fault& fault);

// The tree of `nodes` below `root` in names, "p / v": each operation of two terms inside
// another in parentheses.
std::string RelationText(std::span<const Term::Node> nodes, int root, const Scope& scope);

// The same with the texts of the operands as they were read, "100 / 230", and each
// rounded value worked out as its text in `rounded` (by node; an empty text for one not
// worked out shows its name).
std::string SubstitutedText(std::span<const Term::Node> nodes, int root, const Scope& scope,
                            std::span<const std::string> rounded);

// The same two in LaTeX math (core/typeset.h): "\frac{p}{v}" and "\frac{100}{230}".
std::string RelationTeX(std::span<const Term::Node> nodes, int root, const Scope& scope);
std::string SubstitutedTeX(std::span<const Term::Node> nodes, int root, const Scope& scope,
                           std::span<const std::string> rounded);

}  // namespace ampora
