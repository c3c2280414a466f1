// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve_pass.h"

#include "conversions.h"

#include <algorithm>

namespace ampora {

std::optional<Fault> RunPass(const Pass& pass, Boxes& boxes, Trapping trapping, Steps* steps) {
    std::vector<Operand> operands;
    operands.reserve(pass.boxes.size());
    for (const BoxRow& row : pass.boxes)
        operands.push_back({row.name, row.quantity, &boxes.at(static_cast<std::size_t>(row.box))});

    // The constants, each from the boxes and the constants before it.
    std::vector<Constant> constants;
    std::vector<const char*> names;
    std::vector<Step> constantSteps;
    constants.reserve(pass.constants.size());
    for (const PassConstant& c : pass.constants) {
        const Scope before{operands, constants, names};
        Step step(c.name);
        try {
            const Num value = steps ? c.relation.explain(before, step, *steps) : c.relation.evaluate(before);
            step.result = ExactText(value.value());
            constants.emplace_back(value.value());
        } catch (const Fault& fault) {
            constants.emplace_back(fault);
        }
        names.push_back(c.name);
        if (steps) constantSteps.push_back(std::move(step));
    }
    std::vector<bool> explained(constants.size(), false);
    const Scope scope{operands, constants, names};

    for (std::size_t b = 0; b < pass.blocks.size(); ++b) {
        const Block& block = pass.blocks[b];
        auto& target = boxes.at(static_cast<std::size_t>(block.target));
        if (!IsEmpty(target)) continue;
        const auto fires = std::find_if(block.rules.begin(), block.rules.end(), [&](const Rule& rule) {
            return std::none_of(rule.operands.begin(), rule.operands.end(),
                                [&](int box) { return IsEmpty(boxes.at(static_cast<std::size_t>(box))); });
        });
        if (fires == block.rules.end()) continue;
        const BoxRow& written = pass.boxes[static_cast<std::size_t>(block.target)];
        try {
            for (std::size_t k = 0; steps && k < constants.size(); ++k) {
                if (explained[k] || !fires->relation.reads(static_cast<int>(k))) continue;
                explained[k] = true;
                steps->push_back(constantSteps[k]);
            }
            const auto place = static_cast<int>(fires - block.rules.begin()) + 1;
            target = Work(written.name, fires->relation, scope, steps, static_cast<int>(b) + 1, place);
        } catch (const Fault& fault) {
            if (trapping == Trapping::Untrapped) return fault.withTarget(written.quantity);
        }
    }
    return std::nullopt;
}

Boxes SolveByPass(const Pass& pass, Boxes boxes, Steps* steps) {
    RunPass(pass, boxes, Trapping::ResumeNext, steps);
    return boxes;
}

}  // namespace ampora
