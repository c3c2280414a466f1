// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"
#include "scope.h"
#include "step.h"
#include "term.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// A relation is written once, as an expression over named operands, and read twice: worked
// out with the checked arithmetic for the value a calculator writes, and shown as text for
// the explanation of that value, with the grouping that decides its last digit. So the
// text a user reads and the arithmetic that ran cannot drift apart:
//
//     const Relation kCurrent([](X x) { return x[P] / x[V]; });      // "p / v"
//
// The declaration builds a small expression tree once (term.h); a press evaluates the tree
// (evaluation.h), and an explanation prints it (step.h).
namespace ampora {

class Relation {
public:
    // `declare` is called once, here, with the operands as terms: [](X x) { ... }.
    template <typename Declare>
    requires std::is_invocable_r_v<Term, Declare, const Terms&> Relation(Declare declare)
        : Relation(declare(Terms())) {}  // NOLINT: implicit, for tables
    explicit Relation(Term term);

    // The value, with every operation checked: a Fault on an operand that is no number,
    // a division by zero, an overflow, an invalid operation or a domain error.
    Num evaluate(const Scope& scope) const;

    // The value as `evaluate` works it out, and the work for an explanation: the named
    // values it rounds on the way are appended to `steps` as steps of their own (of
    // `step`'s block and rule), and `step` gets the relation and the substituted operands;
    // its box and result are the caller's to fill in. A fault is thrown as by `evaluate`,
    // once the texts are filled in.
    Num explain(const Scope& scope, Step& step, Steps& steps) const;

    // The relation in names, as `explain` shows it.
    std::string text(const Scope& scope) const;

    // Whether the relation reads constant `index`.
    bool reads(int constant) const;

    // The operands it reads, strictly or leniently, each once, in ascending order (for a
    // rule of a pass, the unit's order of its boxes); the constants it reads are none.
    std::vector<int> operands() const;

private:
    Term::Nodes nodes_;
};

// Works `relation` out over `scope` as the step that writes `name` (a box, or a named
// value), records the step in `steps` when given, and returns the text written,
// NumberToText of the value. A fault is recorded as well, and thrown.
std::string Work(std::string_view name, const Relation& relation, const Scope& scope, Steps* steps,
                 int block = 0, int rule = 0);

}  // namespace ampora
