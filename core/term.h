// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>
#include <vector>

// The expression tree of a relation, as its declaration builds it: a formula over a
// unit's boxes written as C++ (`[](X x) { return x[P] / x[V]; }`) makes terms, each a
// small tree of nodes, which the relation keeps.
namespace ampora {

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
    using Nodes = std::vector<Node>;  // a tree, each node after its operands: the root last

    // The tree, for the relation that keeps it.
    Nodes take() && { return std::move(nodes_); }

private:
    friend class Terms;
    Term() = default;
    static Term Leaf(Node node);
    static Term Join(Node::Op op, Term a, Term b);
    Nodes nodes_;
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

}  // namespace ampora
