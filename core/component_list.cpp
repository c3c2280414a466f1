// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "component_list.h"

#include "checked.h"
#include "conversions.h"
#include "trapping.h"

#include <algorithm>
#include <array>

namespace ampora::component_list {

int RowsCovered(std::string_view count) {
    int last = -1;
    ResumeNext([&] { last = RoundToInteger((Num(TextToNumber(count)) - 1).value()); });
    return std::clamp(last + 1, 0, kRows);
}

namespace {

enum Slot { kRow, kRunning };

// A row added to the running sum, both read leniently.
const Relation kPlainTerm([](X x) { return x.leading(kRow) + x.leading(kRunning); });

// A row's reciprocal, rounded to the 15 digits of its text, added to the running sum; one
// relation per row, each naming its reciprocal after its row.
std::vector<Relation> ReciprocalTerms() {
    static constexpr std::array<const char*, kRows> kReciprocals = {
        "1/ct0", "1/ct1", "1/ct2", "1/ct3", "1/ct4", "1/ct5", "1/ct6", "1/ct7", "1/ct8", "1/ct9"};
    const Terms x;
    std::vector<Relation> terms;
    for (const char* name : kReciprocals) terms.emplace_back(x[kRunning] + Rounded(1 / x[kRow], name));
    return terms;
}
const std::vector<Relation> kReciprocalTerms = ReciprocalTerms();

const Relation kZero(Term(0));
const Relation kReciprocal([](X x) { return 1 / x[kRow]; });

// Row k and the running value `running`, named `name`, as a relation's operands.
struct RowOperands {
    RowOperands(const List& list, int k, const char* name, const std::string& running)
        : quantity(list.component + " # " + std::to_string(k + 1)),
          operands{{{kRowBoxes[k], quantity, &list.rows[k]}, {name, name, &running}}} {}
    std::string quantity;
    std::array<Operand, 2> operands;
};

}  // namespace

void PlainSum(const List& list, std::string& ans, Steps* steps) {
    const int rows = RowsCovered(list.count);
    for (int k = 0; k < rows; ++k) {
        const RowOperands row(list, k, kAnswerBox, ans);
        ResumeNext([&] { ans = Work(kAnswerBox, kPlainTerm, {row.operands}, steps); });
    }
}

void ReciprocalSum(const List& list, std::string& d, std::string& ans, Steps* steps) {
    const int rows = RowsCovered(list.count);
    bool shorted = false;
    for (int k = 0; k < rows; ++k) {
        ResumeNext([&] {
            if (TextToNumber(list.rows[k]) == 0.0) shorted = true;
        });
        const RowOperands row(list, k, kScratchBox, d);
        ResumeNext([&] {
            d = Work(kScratchBox, kReciprocalTerms[static_cast<std::size_t>(k)], {row.operands}, steps);
        });
    }
    // A row of exactly 0 shorts the combination.
    if (shorted) {
        ans = Work(kAnswerBox, kZero, {}, steps);
        return;
    }
    const Operand sum[] = {{kScratchBox, "Reciprocal sum", &d}};
    ResumeNext([&] { ans = Work(kAnswerBox, kReciprocal, {sum}, steps); });
}

void Combine(const List& list, Option selected, Option additive, std::string& d, std::string& ans,
             Steps* steps) {
    if (!IsEmpty(ans)) return;
    if (selected == additive) PlainSum(list, ans, steps);
    d = Work(kScratchBox, kZero, {}, steps);
    if (selected != additive) ReciprocalSum(list, d, ans, steps);
}

void AddControls(const ListDecl& list, std::vector<Control>& controls, std::deque<std::string>& texts) {
    constexpr int kRowTop = 1320;
    constexpr int kRowPitch = 360;
    controls.push_back({Kind::Label, kCountLabel, list.countCaption, {240, 840, 1635, 255}});
    controls.push_back({Kind::Box, kCountBox, "", {1920, 810, 675, 285}});
    controls.push_back({Kind::Button, kOk, "OK", {2700, 780, 615, 345}});
    controls.push_back({Kind::Box, kScratchBox, "", {0, 0, 0, 0}});
    for (int k = 0; k < kRows; ++k) {
        const int top = kRowTop + k * kRowPitch;
        const std::string& caption =
            texts.emplace_back(std::string(list.component) + " # " + std::to_string(k + 1) + ":");
        controls.push_back({Kind::Label, kRowLabels[k], caption.c_str(), {240, top + 30, 1455, 255}});
        controls.push_back({Kind::Box, kRowBoxes[k], "", {1740, top, 1575, 285}});
    }
    if (list.combination) {
        controls.push_back({Kind::Frame, kCombinationFrame, "Combination:", {3720, 720, 2295, 1035}});
        controls.push_back({Kind::Option, kSeries, "Series", {240, 300, 1695, 255}, kCombinationFrame});
        controls.push_back({Kind::Option, kParallel, "Parallel", {240, 630, 1695, 255}, kCombinationFrame});
    }
    const Twips& a = list.answer;
    controls.push_back({Kind::Label, kAnswerLabel, "Answer:", {a.left, a.top - 270, a.width, 255}});
    controls.push_back({Kind::Box, kAnswerBox, "", a});
    controls.push_back({Kind::Button, kCalculate, "Calculate", list.calculate});
}

std::vector<const char*> ChosenAtStart(const ListDecl& list) {
    if (list.combination) return {kSeries};
    return {};
}

}  // namespace ampora::component_list
