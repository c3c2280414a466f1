// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"
#include "fault.h"
#include "trapping.h"

#include <optional>
#include <string>
#include <variant>
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

// A value worked out once per press (a permeability, say), or the fault that made it
// unusable; a rule that reads a faulted constant faults when it fires.
using Constant = std::variant<double, Fault>;

// What a formula sees: each operand box read with TextToNumber at the moment the rule
// fires, and the pass's constants.
class Values {
public:
    Values(const Boxes& boxes, const std::vector<std::string>& names, const std::vector<Constant>& constants)
        : boxes_(boxes), names_(names), constants_(constants) {}
    Num operator[](int box) const;
    // The box read leniently with LeadingNumber, for the few formulas that tolerate a
    // unit or other text after the number; never a conversion fault.
    Num leading(int box) const;
    Num constant(int index) const;

private:
    const Boxes& boxes_;
    const std::vector<std::string>& names_;
    const std::vector<Constant>& constants_;
};

using Formula = Num (*)(const Values&);

struct Rule {
    std::vector<int> operands;
    Formula formula;
};

struct Block {
    int target;
    std::vector<Rule> rules;
};

struct Pass {
    std::vector<std::string> names;  // the quantity of each box, for fault reports
    std::vector<Block> blocks;
};

// Runs the pass over `boxes`. Under resume-next a faulting rule leaves its target as it
// was and ends its block; untrapped, the first fault ends the pass and is returned with
// the quantity it was working out and, for an unreadable box, that box's quantity.
std::optional<Fault> RunPass(const Pass& pass, Boxes& boxes, Trapping trapping,
                             const std::vector<Constant>& constants = {});

}  // namespace ampora
