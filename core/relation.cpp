// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "relation.h"

#include "conversions.h"
#include "evaluation.h"

#include <algorithm>
#include <utility>

namespace ampora {

using Node = Term::Node;

Relation::Relation(Term term) : nodes_(std::move(term).take()) {}

Num Relation::evaluate(const Scope& scope) const { return Evaluate(nodes_, scope); }

Num Relation::explain(const Scope& scope, Step& step, Steps& steps) const {
    return EvaluateAndRecord(nodes_, scope, step, steps);
}

std::string Relation::text(const Scope& scope) const {
    return RelationText(nodes_, static_cast<int>(nodes_.size()) - 1, scope);
}

bool Relation::reads(int constant) const {
    return std::any_of(nodes_.begin(), nodes_.end(),
                       [constant](const Node& n) { return n.op == Node::Constant && n.index == constant; });
}

std::vector<int> Relation::operands() const {
    std::vector<int> read;
    for (const Node& n : nodes_)
        if (n.op == Node::Read || n.op == Node::Lenient) read.push_back(n.index);
    std::sort(read.begin(), read.end());
    read.erase(std::unique(read.begin(), read.end()), read.end());
    return read;
}

std::string Work(std::string_view name, const Relation& relation, const Scope& scope, Steps* steps, int block,
                 int rule) {
    if (!steps) return NumberToText(relation.evaluate(scope).value());
    Step step(name, block, rule);
    try {
        step.result = NumberToText(relation.explain(scope, step, *steps).value());
    } catch (const Fault&) {
        steps->push_back(std::move(step));
        throw;
    }
    steps->push_back(step);
    return step.result;
}

}  // namespace ampora
