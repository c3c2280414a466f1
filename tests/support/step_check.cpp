// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step_check.h"

#include "core/checked.h"
#include "core/conversions.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace ampora::test {
namespace {

// expression := term (("+" | "-") term)*
// term       := power (("*" | "/") power)*
// power      := factor ("^" factor)?
// factor     := number | "(" expression ")" | ("sqrt" | "sin") "(" expression ")"
// number     := ["-" | "+"] digits ["." digits] [("E" | "e") ["-" | "+"] digits]
class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    double whole() {
        const double value = expression();
        skip();
        if (at_ != text_.size()) throw std::invalid_argument("text after the expression");
        return value;
    }

private:
    double expression() {
        double value = term();
        for (;;) {
            if (take(" + "))
                value = value + term();
            else if (take(" - "))
                value = value - term();
            else
                return value;
        }
    }

    double term() {
        double value = power();
        for (;;) {
            if (take(" * "))
                value = value * power();
            else if (take(" / "))
                value = value / power();
            else
                return value;
        }
    }

    double power() {
        const double base = factor();
        if (!take("^")) return base;
        return std::pow(base, factor());
    }

    double factor() {
        skip();
        if (take("(")) return closed(expression());
        if (take("sqrt(")) return closed(std::sqrt(expression()));
        if (take("sin(")) return closed(SinDegrees(expression()).value());
        return number();
    }

    double closed(double value) {
        if (!take(")")) throw std::invalid_argument("a parenthesis left open");
        return value;
    }

    double number() {
        const std::size_t start = at_;
        if (at_ < text_.size() && (text_[at_] == '-' || text_[at_] == '+')) ++at_;
        const auto digits = [&] {
            const std::size_t from = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
            return at_ > from;
        };
        bool any = digits();
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            any = digits() || any;
        }
        if (!any) throw std::invalid_argument("no number");
        if (at_ < text_.size() && (text_[at_] == 'E' || text_[at_] == 'e')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '-' || text_[at_] == '+')) ++at_;
            if (!digits()) throw std::invalid_argument("an exponent without digits");
        }
        return std::strtod(std::string(text_.substr(start, at_ - start)).c_str(), nullptr);
    }

    void skip() {
        while (at_ < text_.size() && text_[at_] == ' ' && text_.substr(at_, 3) != " + " &&
               text_.substr(at_, 3) != " - " && text_.substr(at_, 3) != " * " &&
               text_.substr(at_, 3) != " / ")
            ++at_;
    }

    bool take(std::string_view token) {
        if (text_.substr(at_, token.size()) != token) return false;
        at_ += token.size();
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<double> EvaluateExplanation(std::string_view text) {
    try {
        return Parser(text).whole();
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

std::string CheckStep(const Step& step) {
    if (step.fault) return {};
    const std::optional<double> value = EvaluateExplanation(step.substituted);
    const std::string line = StepLine(step);
    if (!value) return "cannot read the work of " + line;
    if (!std::isfinite(*value)) return line + ": the work gives " + std::to_string(*value);
    if (NumberToText(*value) != step.result && ExactText(*value) != step.result)
        return line + ": the work gives " + ExactText(*value);
    return {};
}

}  // namespace ampora::test
