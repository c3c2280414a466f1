// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fault.h"

namespace ampora {

Fault::Fault(FaultKind kind, std::string reason, std::string operand, std::string target)
    : std::runtime_error(reason),
      kind_(kind),
      reason_(std::move(reason)),
      operand_(std::move(operand)),
      target_(std::move(target)) {}

Fault Fault::withOperand(const std::string& name) const {
    return operand_.empty() ? Fault(kind_, reason_, name, target_) : *this;
}

Fault Fault::withTarget(const std::string& name) const {
    return target_.empty() ? Fault(kind_, reason_, operand_, name) : *this;
}

std::string Fault::describe() const {
    std::string text;
    if (!target_.empty()) text = "Ampora could not work out the " + target_ + ".\n";
    if (!operand_.empty())
        text += "The " + operand_ + " box " + reason_ + ".";
    else
        text += "The calculation " + reason_ + ".";
    return text;
}

}  // namespace ampora
