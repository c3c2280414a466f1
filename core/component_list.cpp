// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "component_list.h"

#include "checked.h"
#include "conversions.h"
#include "trapping.h"

#include <algorithm>

namespace ampora::component_list {

int RowsCovered(std::string_view count) {
    int last = -1;
    ResumeNext([&] { last = RoundToInteger((Num(TextToNumber(count)) - 1).value()); });
    return std::clamp(last + 1, 0, kRows);
}

void PlainSum(const List& list, std::string& ans) {
    const int rows = RowsCovered(list.count);
    for (int k = 0; k < rows; ++k) {
        ResumeNext(
            [&] { ans = NumberToText((Num(LeadingNumber(list.rows[k])) + LeadingNumber(ans)).value()); });
    }
}

void ReciprocalSum(const List& list, std::string& d, std::string& ans) {
    const int rows = RowsCovered(list.count);
    bool shorted = false;
    for (int k = 0; k < rows; ++k) {
        ResumeNext([&] {
            const Num value = TextToNumber(list.rows[k]);
            if (value.value() == 0.0) shorted = true;
            const Num x = LeadingNumber(NumberToText((1 / value).value()));
            d = NumberToText((Num(TextToNumber(d)) + x).value());
        });
    }
    if (shorted) {
        ans = NumberToText(0);
        return;
    }
    ResumeNext([&] { ans = NumberToText((1 / Num(TextToNumber(d))).value()); });
}

void Combine(const List& list, Option selected, Option additive, std::string& d, std::string& ans) {
    if (!IsEmpty(ans)) return;
    if (selected == additive) PlainSum(list, ans);
    d = IntegerToText(0);
    if (selected != additive) ReciprocalSum(list, d, ans);
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
