// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace ampora {

// What went wrong inside a calculation step.
enum class FaultKind {
    Conversion,       // a box's text is not a number, or is out of the double range
    Arithmetic,       // division by zero, an invalid operation, an overflow
    IntegerOverflow,  // a whole number outside its 16- or 32-bit range
    Domain,           // a square root of a negative number, a logarithm of a non-positive one
};

// The one exception every calculation step throws. `reason` is a plain-words phrase
// ("divides by zero"); `operand` names the box whose text could not be read, and
// `target` the quantity that was being worked out, when they are known.
class Fault : public std::runtime_error {
public:
    Fault(FaultKind kind, std::string reason, std::string operand = {}, std::string target = {});

    FaultKind kind() const { return kind_; }
    const std::string& reason() const { return reason_; }
    const std::string& operand() const { return operand_; }
    const std::string& target() const { return target_; }

    Fault withOperand(const std::string& name) const;
    Fault withTarget(const std::string& name) const;

    // One or two sentences for the user, e.g.
    // "Ampora could not work out the Power. The Time box does not hold a number."
    std::string describe() const;

private:
    FaultKind kind_;
    std::string reason_;
    std::string operand_;
    std::string target_;
};

}  // namespace ampora
