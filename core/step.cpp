// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step.h"

#include "conversions.h"

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

}  // namespace ampora
