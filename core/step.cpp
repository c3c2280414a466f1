// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step.h"

#include "conversions.h"
#include "typeset.h"

#include <cmath>
#include <cstdio>

namespace ampora {
namespace {

using Node = Term::Node;

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

// Prints a tree in names, or substituted: with the operands' texts as read and the texts
// of the rounded values worked out.
class Printer {
public:
    Printer(std::span<const Node> nodes, const Scope& scope, bool substituted,
            std::span<const std::string> rounded)
        : nodes_(nodes), scope_(scope), substituted_(substituted), rounded_(rounded) {}

    Printed print(int i) const {
        const Node& n = nodes_[static_cast<std::size_t>(i)];
        switch (n.op) {
            case Node::Read: {
                const Operand& o = operand(n.index);
                return {substituted_ ? AsRead(*o.text) : std::string(o.name), false};
            }
            case Node::Lenient: {
                const Operand& o = operand(n.index);
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
                if (!substituted_) return {n.name, false};
                const std::string& text = rounded_[static_cast<std::size_t>(i)];
                return {!text.empty() ? text : std::string(n.name), false};
            }
        }
        return {};
    }

private:
    const Operand& operand(int index) const { return scope_.operands[static_cast<std::size_t>(index)]; }

    Printed binary(const Node& n, const char* op) const {
        const auto grouped = [this](int i) {
            Printed p = print(i);
            return p.compound ? "(" + p.text + ")" : p.text;
        };
        return {grouped(n.left) + op + grouped(n.right), true};
    }

    std::span<const Node> nodes_;
    const Scope& scope_;
    bool substituted_;
    std::span<const std::string> rounded_;
};

// How a term sits among the terms around it, for the parentheses it needs there.
enum class Shape {
    Atom,      // a name, a number without a sign, a root, a text
    Signed,    // a number with its sign
    Function,  // sin(...)
    Sum,
    Product,
    Fraction,
    Power,
};

struct Typeset {
    std::string tex;
    Shape shape;
};

// Prints a tree in LaTeX, in names or substituted as Printer does: a division as a
// fraction, a product with \cdot, a power's exponent raised, each operand in the
// parentheses the usual precedence asks for, and one that groups to the right of an
// operation of its own precedence kept in them, as the relation works it out.
class TeXPrinter {
public:
    TeXPrinter(std::span<const Node> nodes, const Scope& scope, bool substituted,
               std::span<const std::string> rounded)
        : nodes_(nodes), scope_(scope), substituted_(substituted), rounded_(rounded) {}

    Typeset print(int i) const {
        const Node& n = nodes_[static_cast<std::size_t>(i)];
        switch (n.op) {
            case Node::Read:
            case Node::Lenient: {
                const Operand& o = operand(n.index);
                if (!substituted_) return {tex::Name(o.name), Shape::Atom};
                if (n.op == Node::Read) return number(AsRead(*o.text), *o.text);
                const double read = LeadingNumber(*o.text);
                return std::isfinite(read) ? number(ExactText(read))
                                           : Typeset{tex::Quoted(*o.text), Shape::Atom};
            }
            case Node::Constant: {
                const Constant& c = scope_.constants[static_cast<std::size_t>(n.index)];
                if (substituted_ && std::holds_alternative<double>(c))
                    return number(ExactText(std::get<double>(c)));
                return {tex::Name(scope_.constantNames[static_cast<std::size_t>(n.index)]), Shape::Atom};
            }
            case Node::Literal:
                return number(ExactText(n.literal));
            case Node::Add:
            case Node::Sub: {
                const Typeset right = print(n.right);
                const bool group = right.shape == Shape::Sum || right.shape == Shape::Signed;
                return {print(n.left).tex + (n.op == Node::Add ? " + " : " - ") + grouped(right, group),
                        Shape::Sum};
            }
            case Node::Mul: {
                const Typeset left = print(n.left), right = print(n.right);
                const bool groupRight = right.shape == Shape::Sum || right.shape == Shape::Product ||
                                        right.shape == Shape::Signed;
                return {grouped(left, left.shape == Shape::Sum) + " \\cdot " + grouped(right, groupRight),
                        Shape::Product};
            }
            case Node::Div:
                return {"\\frac{" + print(n.left).tex + "}{" + print(n.right).tex + "}", Shape::Fraction};
            case Node::Pow: {
                const Typeset base = print(n.left);
                return {grouped(base, base.shape != Shape::Atom) + "^{" + print(n.right).tex + "}",
                        Shape::Power};
            }
            case Node::Sqrt:
                return {"\\sqrt{" + print(n.left).tex + "}", Shape::Atom};
            case Node::Sin:
                return {"\\sin" + grouped(print(n.left), true), Shape::Function};
            case Node::Round: {
                // Only a substitution has the rounded texts.
                if (substituted_ && !rounded_[static_cast<std::size_t>(i)].empty())
                    return number(rounded_[static_cast<std::size_t>(i)]);
                return {tex::Name(n.name), Shape::Atom};
            }
        }
        return {};
    }

private:
    const Operand& operand(int index) const { return scope_.operands[static_cast<std::size_t>(index)]; }

    // A number's text as a substitution shows it; `typed`, when given, is the text it was
    // read from, shown quoted where it is no number.
    static Typeset number(const std::string& text, std::string_view typed = {}) {
        if (!text.empty() && text.front() == '"') return {tex::Quoted(typed), Shape::Atom};
        const bool sign = !text.empty() && (text.front() == '-' || text.front() == '+');
        return {tex::Number(text), sign ? Shape::Signed : Shape::Atom};
    }

    static std::string grouped(const Typeset& t, bool group) {
        return group ? "\\left(" + t.tex + "\\right)" : t.tex;
    }

    std::span<const Node> nodes_;
    const Scope& scope_;
    bool substituted_;
    std::span<const std::string> rounded_;
};

}  // namespace

std::string StepLine(const Step& step) {
    std::string line = step.box + " = " + step.relation + " = " + step.substituted;
    if (step.fault) return line + ": " + *step.fault;
    return line + " = " + step.result;
}

std::string StepFault(const Fault& fault) {
    return Fault(fault.kind(), fault.reason(), fault.operand()).describe();
}

std::string RelationText(std::span<const Node> nodes, int root, const Scope& scope) {
    return Printer(nodes, scope, false, {}).print(root).text;
}

std::string SubstitutedText(std::span<const Node> nodes, int root, const Scope& scope,
                            std::span<const std::string> rounded) {
    return Printer(nodes, scope, true, rounded).print(root).text;
}

std::string RelationTeX(std::span<const Node> nodes, int root, const Scope& scope) {
    return TeXPrinter(nodes, scope, false, {}).print(root).tex;
}

std::string SubstitutedTeX(std::span<const Node> nodes, int root, const Scope& scope,
                           std::span<const std::string> rounded) {
    return TeXPrinter(nodes, scope, true, rounded).print(root).tex;
}

}  // namespace ampora
