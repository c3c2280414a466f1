// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "box_table.h"
#include "solve_pass.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

// What a button's handler reads and writes on its form: the text of each box, whether
// each option is chosen, and the entry chosen in each list ("" while none is). The
// desktop program fills one from the widgets before a press and writes the boxes back
// after it; the command-line program fills one from its arguments.
namespace ampora {

class FormState {
public:
    // The state `form` opens in: every box with its initial text, the options chosen
    // at start, nothing chosen in any list.
    static FormState initial(const FormDecl& form);

    bool hasOption(std::string_view name) const { return options_.contains(name); }

    // The named control must exist: asking for another is a fault of the program.
    const std::string& box(std::string_view name) const;
    void setBox(std::string_view name, std::string text);
    bool option(std::string_view name) const;
    void setOption(std::string_view name, bool chosen);
    const std::string& list(std::string_view name) const;
    void setList(std::string_view name, std::string entry);

    // A unit's boxes, read or written in the unit's order.
    template <std::size_t N>
    Boxes boxes(const BoxTable<N>& table) const {
        Boxes texts;
        texts.reserve(N);
        for (const char* name : table.names) texts.push_back(box(name));
        return texts;
    }
    template <std::size_t N>
    void setBoxes(const BoxTable<N>& table, Boxes texts) {
        for (std::size_t i = 0; i < N && i < texts.size(); ++i) setBox(table.names[i], std::move(texts[i]));
    }

    using Texts = std::map<std::string, std::string, std::less<>>;
    const Texts& allBoxes() const { return boxes_; }
    const Texts& allLists() const { return lists_; }
    const std::map<std::string, bool, std::less<>>& allOptions() const { return options_; }

private:
    Texts boxes_;
    std::map<std::string, bool, std::less<>> options_;
    Texts lists_;
};

// The press helpers most forms need: run a unit over the form's boxes in the unit's
// order and write its boxes back.
template <std::size_t N>
Report SolveBoxes(FormState& form, const BoxTable<N>& table, Steps* steps, Boxes (*solve)(Boxes, Steps*)) {
    form.setBoxes(table, solve(form.boxes(table), steps));
    return {};
}

// The same for a unit whose handler is untrapped: its first fault is reported.
template <std::size_t N>
Report SolveBoxes(FormState& form, const BoxTable<N>& table, Steps* steps, Outcome (*solve)(Boxes, Steps*)) {
    Outcome outcome = solve(form.boxes(table), steps);
    form.setBoxes(table, std::move(outcome.boxes));
    return {std::move(outcome.fault), std::nullopt};
}

// A button whose handler is a unit run over the form's boxes `table`, in the unit's order.
template <const auto& table, auto solve>
constexpr Press SolvePress(const char* button, const char* role = nullptr) {
    return {button,
            [](FormState& form, Steps* steps) { return SolveBoxes(form, table, steps, solve); },
            {},
            role,
            table.rows};
}

// A button whose handler is only the unit's pass `rules()`, run under resume-next over the
// form's boxes `table`.
template <const auto& table, const Pass& (*rules)()>
constexpr Press PassPress(const char* button, const char* role = nullptr) {
    return {button,
            [](FormState& form, Steps* steps) -> Report {
                form.setBoxes(table, SolveByPass(rules(), form.boxes(table), steps));
                return {};
            },
            {},
            role,
            table.rows};
}

}  // namespace ampora
