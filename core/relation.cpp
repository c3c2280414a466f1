// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "relation.h"

#include "conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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

Relation::Relation(Term term) : nodes_(std::move(term.nodes_)) {}

Num ConstantValue(const Scope& scope, int index) {
    const Constant& c = scope.constants[static_cast<std::size_t>(index)];
    if (const Fault* fault = std::get_if<Fault>(&c)) throw *fault;
    return std::get<double>(c);
}

namespace {

const Operand& OperandAt(const Scope& scope, int index) {
    return scope.operands[static_cast<std::size_t>(index)];
}

Num ReadStrictly(const Operand& operand) {
    try {
        return TextToNumber(*operand.text);
    } catch (const Fault& fault) {
        throw fault.withOperand(std::string(operand.quantity));
    }
}

// The fault as one sentence, without the quantity it was working out (a step names that).
std::string Sentence(const Fault& fault) {
    return Fault(fault.kind(), fault.reason(), fault.operand()).describe();
}

// A step's relation and substituted relation, from the tree below `root`.
void FillTexts(const std::vector<Node>& nodes, const Scope& scope, const std::vector<std::string>& rounded,
               int root, Step& step);

// Works a tree out, the right operand of an operation before its left one. With `steps`,
// every rounded value becomes a step of its own and its text is kept for the printing.
class Evaluation {
public:
    Evaluation(const std::vector<Node>& nodes, const Scope& scope, const Step* step = nullptr,
               Steps* steps = nullptr, std::vector<std::string>* rounded = nullptr)
        : nodes_(nodes), scope_(scope), step_(step), steps_(steps), rounded_(rounded) {}

    Num value(int i) const {
        const Node& n = nodes_[static_cast<std::size_t>(i)];
        switch (n.op) {
            case Node::Read:
                return ReadStrictly(OperandAt(scope_, n.index));
            case Node::Lenient:
                return LeadingNumber(*OperandAt(scope_, n.index).text);
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
                return rounded(i, n);
        }
        return {};
    }

private:
    Num rounded(int i, const Node& n) const {
        if (!steps_) return LeadingNumber(NumberToText(value(n.left).value()));
        Step sub(n.name, step_->block, step_->rule);
        try {
            const std::string text = NumberToText(value(n.left).value());
            (*rounded_)[static_cast<std::size_t>(i)] = text;
            sub.result = text;
            Fill(sub, n.left);
            steps_->push_back(std::move(sub));
            return LeadingNumber(text);
        } catch (const Fault& fault) {
            sub.fault = Sentence(fault);
            Fill(sub, n.left);
            steps_->push_back(std::move(sub));
            throw;
        }
    }

    void Fill(Step& step, int root) const { FillTexts(nodes_, scope_, *rounded_, root, step); }

    const std::vector<Node>& nodes_;
    const Scope& scope_;
    const Step* step_;
    Steps* steps_;
    std::vector<std::string>* rounded_;
};

// A text as a reader of the explanation should see an operand that is no number: quoted,
// with anything that would break its line escaped.
std::string QuotedText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// An operand's text as it was read strictly: trimmed of the blanks the reading skips, or
// quoted when it is no number.
std::string AsRead(const std::string& text) {
    try {
        (void)TextToNumber(text);
    } catch (const Fault&) {
        return QuotedText(text);
    }
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

struct Printed {
    std::string text;
    bool compound;  // an operation of two terms, which a term around it puts in parentheses
};

class Printer {
public:
    Printer(const std::vector<Node>& nodes, const Scope& scope, bool substituted,
            const std::vector<std::string>* rounded)
        : nodes_(nodes), scope_(scope), substituted_(substituted), rounded_(rounded) {}

    Printed print(int i) const {
        const Node& n = nodes_[static_cast<std::size_t>(i)];
        switch (n.op) {
            case Node::Read: {
                const Operand& o = OperandAt(scope_, n.index);
                return {substituted_ ? AsRead(*o.text) : std::string(o.name), false};
            }
            case Node::Lenient: {
                const Operand& o = OperandAt(scope_, n.index);
                if (!substituted_) return {std::string(o.name), false};
                // A number beyond the range of doubles is shown as typed.
                const double read = LeadingNumber(*o.text);
                return {std::isfinite(read) ? ExactText(read) : QuotedText(*o.text), false};
            }
            case Node::Constant: {
                const std::string name = scope_.constantNames[static_cast<std::size_t>(n.index)];
                const Constant& c = scope_.constants[static_cast<std::size_t>(n.index)];
                if (substituted_ && std::holds_alternative<double>(c))
                    return {ExactText(std::get<double>(c)), false};
                return {name, false};
            }
            case Node::Literal:
                return {ExactText(n.literal), false};
            case Node::Add:
                return binary(n, " + ");
            case Node::Sub:
                return binary(n, " - ");
            case Node::Mul:
                return binary(n, " * ");
            case Node::Div:
                return binary(n, " / ");
            case Node::Pow:
                // A power binds tighter than the operations around it.
                return {binary(n, "^").text, false};
            case Node::Sqrt:
                return {"sqrt(" + print(n.left).text + ")", false};
            case Node::Sin:
                return {"sin(" + print(n.left).text + ")", false};
            case Node::Round: {
                const std::string& text = (*rounded_)[static_cast<std::size_t>(i)];
                return {substituted_ && !text.empty() ? text : std::string(n.name), false};
            }
        }
        return {};
    }

private:
    Printed binary(const Node& n, const char* op) const {
        const auto grouped = [this](int i) {
            Printed p = print(i);
            return p.compound ? "(" + p.text + ")" : p.text;
        };
        return {grouped(n.left) + op + grouped(n.right), true};
    }

    const std::vector<Node>& nodes_;
    const Scope& scope_;
    bool substituted_;
    const std::vector<std::string>* rounded_;
};

void FillTexts(const std::vector<Node>& nodes, const Scope& scope, const std::vector<std::string>& rounded,
               int root, Step& step) {
    step.relation = Printer(nodes, scope, false, &rounded).print(root).text;
    step.substituted = Printer(nodes, scope, true, &rounded).print(root).text;
}

}  // namespace

Num Relation::evaluate(const Scope& scope) const {
    return Evaluation(nodes_, scope).value(static_cast<int>(nodes_.size()) - 1);
}

Num Relation::explain(const Scope& scope, Step& step, Steps& steps) const {
    std::vector<std::string> rounded(nodes_.size());
    const Evaluation evaluation(nodes_, scope, &step, &steps, &rounded);
    const int root = static_cast<int>(nodes_.size()) - 1;
    try {
        const Num value = evaluation.value(root);
        FillTexts(nodes_, scope, rounded, root, step);
        return value;
    } catch (const Fault& fault) {
        FillTexts(nodes_, scope, rounded, root, step);
        step.fault = Sentence(fault);
        throw;
    }
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

std::string Relation::text(const Scope& scope) const {
    const std::vector<std::string> rounded(nodes_.size());
    return Printer(nodes_, scope, false, &rounded).print(static_cast<int>(nodes_.size()) - 1).text;
}

namespace {

// "-d.ddde+XX" as printf's %e writes it, in NumberToText's style.
std::string Laid(std::string_view scientific) {
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e))
        if (c >= '0' && c <= '9') digits += c;
    return DigitsToText(scientific.front() == '-', digits,
                        std::atoi(std::string(scientific.substr(e + 1)).c_str()));
}

}  // namespace

std::string ExactText(double x) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
    char buffer[40];
    for (int digits = 15; digits < 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, x);
        if (std::strtod(buffer, nullptr) == x) return Laid(buffer);
    }
    std::snprintf(buffer, sizeof buffer, "%.16e", x);
    return Laid(buffer);
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

std::string StepLine(const Step& step) {
    std::string line = step.box + " = " + step.relation + " = " + step.substituted;
    if (step.fault) return line + ": " + *step.fault;
    return line + " = " + step.result;
}

}  // namespace ampora
