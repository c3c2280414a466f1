// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"
#include "fault.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

// A relation is written once, as an expression over named operands, and read twice: worked
// out with the checked arithmetic for the value a calculator writes, and shown as text for
// the explanation of that value, with the grouping that decides its last digit. So the
// text a user reads and the arithmetic that ran cannot drift apart:
//
//     const Relation kCurrent([](X x) { return x[P] / x[V]; });      // "p / v"
//
// The declaration builds a small expression tree once; a press evaluates the tree.
// Operands are evaluated right before left, everywhere, so that which operand faults first
// (and therefore what a fault report says) is the same with every compiler.
namespace ampora {

// A value worked out once per press (a permeability, say), or the fault that made it
// unusable; a relation that reads a faulted constant faults with that fault.
using Constant = std::variant<double, Fault>;

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
};
using Steps = std::vector<Step>;

// "i = p / v = 100 / 230 = 0.434782608695652", or for a step that faulted
// "i = p / v = 100 / 0: The calculation divides by zero."
std::string StepLine(const Step& step);

// The shortest text that reads back as exactly `x` (15, 16 or 17 significant digits), in
// NumberToText's style: how an explanation shows a value that no box holds.
std::string ExactText(double x);

// What a relation reads when it is worked out: its operands by index, each a named text,
// and the constants by index.
struct Operand {
    std::string_view name;      // as a relation shows it: the box's name on its form ("p")
    std::string_view quantity;  // as a fault report names it ("Power")
    const std::string* text;
};

struct Scope {
    std::span<const Operand> operands;
    std::span<const Constant> constants = {};
    std::span<const char* const> constantNames = {};
};

// A term of a relation being declared: an operand, a constant, a number, or an operation
// on terms. Only declarations make terms.
class Term {
public:
    Term(double literal);  // NOLINT: implicit, so that formulas read "90 - x[C]"
    Term(int literal) : Term(static_cast<double>(literal)) {}  // NOLINT

    friend Term operator+(Term a, Term b);
    friend Term operator-(Term a, Term b);
    friend Term operator*(Term a, Term b);
    friend Term operator/(Term a, Term b);
    friend Term Sqrt(Term x);
    friend Term SinDegrees(Term degrees);
    friend Term Pow(Term base, Term exponent);
    // `x` as its text would show it, rounded to 15 significant digits: shown as a value of
    // its own, named `name`, worked out before the relation that reads it.
    friend Term Rounded(Term x, const char* name);

    struct Node {
        enum Op : unsigned char {
            Read,
            Lenient,
            Constant,
            Literal,
            Add,
            Sub,
            Mul,
            Div,
            Sqrt,
            Sin,
            Pow,
            Round
        };
        Op op;
        int left = -1, right = -1;  // operand nodes
        int index = 0;              // Read, Lenient: the operand; Constant: the constant
        double literal = 0;
        const char* name = nullptr;  // Round: the value's name
    };

private:
    friend class Terms;
    friend class Relation;
    Term() = default;
    static Term Leaf(Node node);
    static Term Join(Node::Op op, Term a, Term b);
    std::vector<Node> nodes_;  // the root last
};

// The operands a declaration names, as terms.
class Terms {
public:
    // Operand `index`, read strictly (TextToNumber); a text that is no number faults,
    // naming the operand's quantity.
    Term operator[](int index) const;
    // Operand `index` read leniently (LeadingNumber): "90 ohms" counts as 90; never faults.
    Term leading(int index) const;
    // Constant `index` of the scope.
    Term constant(int index) const;
};

// How a declaration receives its operands: [](X x) { return x[P] / x[V]; }.
using X = const Terms&;

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
    std::vector<Term::Node> nodes_;
};

// The constant of `scope` at `index`, or its fault.
Num ConstantValue(const Scope& scope, int index);

// Works `relation` out over `scope` as the step that writes `name` (a box, or a named
// value), records the step in `steps` when given, and returns the text written,
// NumberToText of the value. A fault is recorded as well, and thrown.
std::string Work(std::string_view name, const Relation& relation, const Scope& scope, Steps* steps,
                 int block = 0, int rule = 0);

}  // namespace ampora
