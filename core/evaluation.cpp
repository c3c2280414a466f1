// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation.h"

#include "conversions.h"

#include <string>
#include <utility>
#include <vector>

namespace ampora {
namespace {

using Node = Term::Node;

Num ConstantValue(const Scope& scope, int index) {
    const Constant& c = scope.constants[static_cast<std::size_t>(index)];
    if (const Fault* fault = std::get_if<Fault>(&c)) throw *fault;
    return std::get<double>(c);
}

Num ReadStrictly(const Operand& operand) {
    try {
        return TextToNumber(*operand.text);
    } catch (const Fault& fault) {
        throw fault.withOperand(std::string(operand.quantity));
    }
}

// The walk over a tree that both evaluations share; `Rounding` works out a rounded value.
template <typename Rounding>
class Walk {
public:
    Walk(std::span<const Node> nodes, const Scope& scope) : nodes_(nodes), scope_(scope) {}

    Num value(int i) const {
        const Node& n = nodes_[static_cast<std::size_t>(i)];
        switch (n.op) {
            case Node::Read:
                return ReadStrictly(operand(n.index));
            case Node::Lenient:
                return LeadingNumber(*operand(n.index).text);
            case Node::Constant:
                return ConstantValue(scope_, n.index);
            case Node::Literal:
                return n.literal;
            case Node::Add: {
                const Num b = value(n.right);
                return value(n.left) + b;
            }
            case Node::Sub: {
                const Num b = value(n.right);
                return value(n.left) - b;
            }
            case Node::Mul: {
                const Num b = value(n.right);
                return value(n.left) * b;
            }
            case Node::Div: {
                const Num b = value(n.right);
                return value(n.left) / b;
            }
            case Node::Sqrt:
                return Sqrt(value(n.left));
            case Node::Sin:
                return SinDegrees(value(n.left));
            case Node::Pow: {
                const Num exponent = value(n.right);
                return Pow(value(n.left), exponent);
            }
            case Node::Round:
                return static_cast<const Rounding&>(*this).rounded(i, n);
        }
        return {};
    }

protected:
    const Operand& operand(int index) const { return scope_.operands[static_cast<std::size_t>(index)]; }

    std::span<const Node> nodes_;
    const Scope& scope_;
};

// Works a tree out and nothing else.
class Computing : public Walk<Computing> {
public:
    using Walk::Walk;

    Num rounded(int, const Node& n) const { return LeadingNumber(NumberToText(value(n.left).value())); }
};

// Works a tree out and records each rounded value as a step of its own, keeping its text
// for the substituted relation.
class Recording : public Walk<Recording> {
public:
    Recording(std::span<const Node> nodes, const Scope& scope, const Step& step, Steps& steps)
        : Walk(nodes, scope), step_(step), steps_(steps), rounded_(nodes.size()) {}

    Num rounded(int i, const Node& n) const {
        Step sub(n.name, step_.block, step_.rule);
        try {
            const std::string text = NumberToText(value(n.left).value());
            rounded_[static_cast<std::size_t>(i)] = text;
            sub.result = text;
            fill(sub, n.left);
            steps_.push_back(std::move(sub));
            return LeadingNumber(text);
        } catch (const Fault& fault) {
            sub.fault = StepFault(fault);
            fill(sub, n.left);
            steps_.push_back(std::move(sub));
            throw;
        }
    }

    // The relation below `root` and its substituted form, into `step`.
    void fill(Step& step, int root) const {
        step.relation = RelationText(nodes_, root, scope_);
        step.substituted = SubstitutedText(nodes_, root, scope_, rounded_);
        step.relationTeX = RelationTeX(nodes_, root, scope_);
        step.substitutedTeX = SubstitutedTeX(nodes_, root, scope_, rounded_);
    }

private:
    const Step& step_;
    Steps& steps_;
    mutable std::vector<std::string> rounded_;  // by node, the text of each rounded value worked out
};

int Root(std::span<const Node> nodes) { return static_cast<int>(nodes.size()) - 1; }

}  // namespace

Num Evaluate(std::span<const Node> nodes, const Scope& scope) {
    return Computing(nodes, scope).value(Root(nodes));
}

Num EvaluateAndRecord(std::span<const Node> nodes, const Scope& scope, Step& step, Steps& steps) {
    const Recording recording(nodes, scope, step, steps);
    try {
        const Num value = recording.value(Root(nodes));
        recording.fill(step, Root(nodes));
        return value;
    } catch (const Fault& fault) {
        recording.fill(step, Root(nodes));
        step.fault = StepFault(fault);
        throw;
    }
}

}  // namespace ampora
