// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term.h"

#include <utility>

namespace ampora {

using Node = Term::Node;

Term::Term(double literal) {
    Node node{Node::Literal};
    node.literal = literal;
    nodes_.push_back(node);
}

Term Term::Leaf(Node node) {
    Term t;
    t.nodes_.push_back(node);
    return t;
}

Term Term::Join(Node::Op op, Term a, Term b) {
    Term t;
    t.nodes_ = std::move(a.nodes_);
    const int offset = static_cast<int>(t.nodes_.size());
    for (Node n : b.nodes_) {
        if (n.left >= 0) n.left += offset;
        if (n.right >= 0) n.right += offset;
        t.nodes_.push_back(n);
    }
    Node joined{op};
    joined.left = offset - 1;
    joined.right = b.nodes_.empty() ? -1 : static_cast<int>(t.nodes_.size()) - 1;
    t.nodes_.push_back(joined);
    return t;
}

Term operator+(Term a, Term b) { return Term::Join(Node::Add, std::move(a), std::move(b)); }
Term operator-(Term a, Term b) { return Term::Join(Node::Sub, std::move(a), std::move(b)); }
Term operator*(Term a, Term b) { return Term::Join(Node::Mul, std::move(a), std::move(b)); }
Term operator/(Term a, Term b) { return Term::Join(Node::Div, std::move(a), std::move(b)); }
Term Sqrt(Term x) { return Term::Join(Node::Sqrt, std::move(x), Term()); }
Term SinDegrees(Term degrees) { return Term::Join(Node::Sin, std::move(degrees), Term()); }
Term Pow(Term base, Term exponent) { return Term::Join(Node::Pow, std::move(base), std::move(exponent)); }
Term Rounded(Term x, const char* name) {
    Term t = Term::Join(Node::Round, std::move(x), Term());
    t.nodes_.back().name = name;
    return t;
}

Term Terms::operator[](int index) const {
    Node n{Node::Read};
    n.index = index;
    return Term::Leaf(n);
}

Term Terms::leading(int index) const {
    Node n{Node::Lenient};
    n.index = index;
    return Term::Leaf(n);
}

Term Terms::constant(int index) const {
    Node n{Node::Constant};
    n.index = index;
    return Term::Leaf(n);
}

}  // namespace ampora
