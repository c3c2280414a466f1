// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve_pass.h"

#include "conversions.h"

#include <algorithm>

namespace ampora {

Num Values::operator[](int box) const {
    const auto index = static_cast<std::size_t>(box);
    try {
        return TextToNumber(boxes_.at(index));
    } catch (const Fault& fault) {
        throw fault.withOperand(index < names_.size() ? names_[index] : std::string());
    }
}

Num Values::leading(int box) const { return LeadingNumber(boxes_.at(static_cast<std::size_t>(box))); }

Num Values::constant(int index) const {
    const Constant& c = constants_.at(static_cast<std::size_t>(index));
    if (const Fault* fault = std::get_if<Fault>(&c)) throw *fault;
    return std::get<double>(c);
}

std::optional<Fault> RunPass(const Pass& pass, Boxes& boxes, Trapping trapping,
                             const std::vector<Constant>& constants) {
    const Values values(boxes, pass.names, constants);
    for (const Block& block : pass.blocks) {
        auto& target = boxes.at(static_cast<std::size_t>(block.target));
        if (!IsEmpty(target)) continue;
        const auto fires = std::find_if(block.rules.begin(), block.rules.end(), [&](const Rule& rule) {
            return std::none_of(rule.operands.begin(), rule.operands.end(),
                                [&](int box) { return IsEmpty(boxes.at(static_cast<std::size_t>(box))); });
        });
        if (fires == block.rules.end()) continue;
        try {
            target = NumberToText(fires->formula(values).value());
        } catch (const Fault& fault) {
            if (trapping == Trapping::Untrapped) {
                const auto t = static_cast<std::size_t>(block.target);
                return fault.withTarget(t < pass.names.size() ? pass.names[t] : std::string());
            }
        }
    }
    return std::nullopt;
}

}  // namespace ampora
