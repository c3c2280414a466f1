// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every calculator of the registry, its boxes fed arbitrary texts and its options and
// lists put in any state, then one of its buttons pressed, as the desktop program
// presses it; and the solve-pass engine itself.
//
// An input is lines of text: the first names the calculator ("cond", or "cond:2" with a
// state number), the others are its boxes in the order of its control table; missing
// boxes are empty. A first line that names none picks one by its bytes, so every input
// reaches some calculator. The state number picks the press (state % presses), then the
// option chosen in each group and the entry of each list in table order (0: nothing
// chosen, k: the k-th entry), each taking its share of the rest in turn.
#include "calc/electrical/colour_code.h"
#include "calc/instruments/oscilloscope.h"
#include "calc/registry.h"
#include "core/control_list.h"
#include "core/conversions.h"
#include "core/form_state.h"
#include "core/solve_pass.h"
#include "fuzz_check.h"
#include "request/settings.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace ampora;

// The solve-pass engine itself, on a pass that chains results through the boxes and
// uses each checked operation and a constant worked out from a box (which may fault); the
// state picks the trapping mode.
namespace engine {

enum Box { A, B, C, D, E, K, kBoxCount };
constexpr auto kBoxes = DeclareBoxes<kBoxCount>(
    {{A, "a", "A"}, {B, "b", "B"}, {C, "c", "C"}, {D, "d", "D"}, {E, "e", "E"}, {K, "k", "K"}});

const Pass kPass = {
    kBoxes.rows,
    {
        {C,
         {
             [](X x) { return x[A] / x[B]; },
             [](X x) { return Sqrt(x[D]); },
         }},
        {D,
         {
             [](X x) { return x[C] * x[C] - x.constant(0); },
             [](X x) { return Pow(x[A], x[E]); },
         }},
        {E,
         {
             [](X x) { return Rounded(x[A] * x[A], "a^2") - x[C]; },
             [](X x) { return SinDegrees(x[B]) + x.leading(C) * x.leading(D); },
         }},
        {A,
         {
             [](X x) { return x[C] * x[B]; },
             [](X x) { return 90 - x[E]; },
         }},
        {B,
         {
             [](X x) { return x[A] / x[C] + x.leading(D); },
             [](X x) { return x[D] * -1; },
         }},
    },
    {{"k", [](X x) { return x[K] * 2.5; }}},
};

Outcome Run(Boxes boxes, int state, Steps* steps) {
    const Trapping trapping = state % 2 == 0 ? Trapping::ResumeNext : Trapping::Untrapped;
    auto fault = RunPass(kPass, boxes, trapping, steps);
    FUZZ_CHECK(trapping == Trapping::Untrapped || !fault, "a resume-next pass returned a fault");
    return {std::move(boxes), std::move(fault)};
}

}  // namespace engine

// What must hold after any press, beyond what holds for every press, by form name.
void CheckForm(std::string_view form, std::string_view press, const FormState& before, const FormState& after,
               const Report& report) {
    if (form == "oscil" && press == "Command1") {
        // The voltage panel works out its one empty box or, with any other pattern of
        // empty boxes, asks for one blank and changes nothing.
        const auto& names = oscilloscope::kVoltageBoxes.names;
        const auto empty = std::count_if(names.begin(), names.end(),
                                         [&](const char* box) { return IsEmpty(before.box(box)); });
        FUZZ_CHECK(report.message.has_value() == (empty != 1), "oscil: %zd empty boxes, yet %s", empty,
                   report.message ? "asked for one blank" : "did not ask for one blank");
        FUZZ_CHECK(!report.message || before.allBoxes() == after.allBoxes(),
                   "oscil: asked for one blank but changed a box");
    }
    if (form == "rcc") {
        FUZZ_CHECK(!report.fault || before.allBoxes() == after.allBoxes(),
                   "rcc: a fault left the result boxes changed");
        if (!report.fault) {
            const double nominal = TextToNumber(after.box("ans"));
            const double least = TextToNumber(after.box("minv"));
            const double most = TextToNumber(after.box("maxv"));
            FUZZ_CHECK(least <= nominal && nominal <= most, "rcc: %g is not between %g and %g", nominal,
                       least, most);
        }
    }
}

// A press that records its work writes exactly what it writes without the record, and
// every box whose text changed was written by a step, the last one with that text.
void CheckExplained(std::string_view form, const FormState& plain, const FormState& explained,
                    const Report& a, const Report& b, const Steps& steps) {
    FUZZ_CHECK(plain.allBoxes() == explained.allBoxes() && a.text() == b.text(),
               "%.*s: recording the steps changed what the press wrote or told", int(form.size()),
               form.data());
    for (const Step& step : steps)
        FUZZ_CHECK(step.fault.has_value() == step.result.empty() && !step.relation.empty() &&
                       !step.substituted.empty(),
                   "%.*s: step %s is incomplete", int(form.size()), form.data(), StepLine(step).c_str());
}

// Puts the options and lists of `form` in the state `state` describes (see the top).
void SetChoices(const ControlList& controls, FormState& form, unsigned state) {
    std::vector<std::string_view> groupsDone;
    for (const Control& c : controls.all()) {
        if (c.kind == Kind::Option) {
            const std::string_view parent = c.parent ? c.parent : "";
            if (std::find(groupsDone.begin(), groupsDone.end(), parent) != groupsDone.end()) continue;
            groupsDone.push_back(parent);
            const auto group = controls.optionGroup(c.name);
            const std::size_t chosen = state % group.size();
            state /= static_cast<unsigned>(group.size());
            for (std::size_t k = 0; k < group.size(); ++k) form.setOption(group[k], k == chosen);
        } else if (c.kind == Kind::List) {
            const auto entries = ListEntries(c);
            const std::size_t chosen = state % (entries.size() + 1);
            form.setList(c.name, chosen == 0 ? std::string() : std::string(entries[chosen - 1]));
            state /= static_cast<unsigned>(entries.size() + 1);
        }
    }
}

void PressCalculator(const FormDecl& decl, const std::vector<std::string_view>& lines, unsigned state) {
    const ControlList controls(decl);
    FormState before = FormState::initial(decl);
    std::size_t line = 1;
    for (const Control& c : controls.all())
        if (c.kind == Kind::Box && line < lines.size()) before.setBox(c.name, std::string(lines[line++]));
    const Press& press = decl.presses[state % decl.presses.size()];
    SetChoices(controls, before, state / static_cast<unsigned>(decl.presses.size()));

    FormState after = before, explained = before;
    Report report, reportExplained;
    Steps steps;
    try {
        report = press.run(after, nullptr);
        reportExplained = press.run(explained, &steps);
    } catch (...) {
        FUZZ_CHECK(false, "%s: an exception escaped the press of %s", decl.name, press.button);
    }
    CheckExplained(decl.name, after, explained, report, reportExplained, steps);
    for (const auto& [box, text] : after.allBoxes()) {
        const std::string& was = before.box(box);
        if (text == was) continue;
        FUZZ_CHECK(!HasInfOrNan(text), "%s: box %s became \"%s\"", decl.name, box.c_str(), text.c_str());
        const bool onPurpose =
            std::find(press.rewrites.begin(), press.rewrites.end(), box) != press.rewrites.end();
        FUZZ_CHECK(was.empty() || onPurpose, "%s: filled box %s changed from \"%s\" to \"%s\"", decl.name,
                   box.c_str(), was.c_str(), text.c_str());
    }
    FUZZ_CHECK(before.allOptions() == after.allOptions() && before.allLists() == after.allLists(),
               "%s: a press changed an option or a list", decl.name);
    CheckForm(decl.name, press.button, before, after, report);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

unsigned Hash(std::string_view text) {
    unsigned h = 2166136261u;
    for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = Lines(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string_view head = lines.front();
    const std::string_view name = head.substr(0, head.find(':'));
    unsigned state = Hash(head);
    if (const auto colon = head.find(':'); colon != std::string_view::npos) {
        state = 0;
        for (char c : head.substr(colon + 1))
            if (c >= '0' && c <= '9') state = (state * 10 + static_cast<unsigned>(c - '0')) % 1000003u;
    }
    const auto calculators = Calculators();
    const FormDecl* decl = FindCalculator(name);
    if (name == "engine" || (!decl && Hash(head) % (calculators.size() + 1) == calculators.size())) {
        Boxes boxes(engine::kBoxCount);
        for (std::size_t i = 0; i < boxes.size() && i + 1 < lines.size(); ++i) boxes[i] = lines[i + 1];
        const Boxes before = boxes;
        Outcome outcome, explained;
        Steps steps;
        try {
            outcome = engine::Run(boxes, static_cast<int>(state % 4), nullptr);
            explained = engine::Run(boxes, static_cast<int>(state % 4), &steps);
        } catch (...) {
            FUZZ_CHECK(false, "engine: an exception escaped the pass");
        }
        FUZZ_CHECK(
            outcome.boxes == explained.boxes && outcome.fault.has_value() == explained.fault.has_value(),
            "engine: recording the steps changed the pass");
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (outcome.boxes[i] == before[i]) continue;
            FUZZ_CHECK(!HasInfOrNan(outcome.boxes[i]), "engine: box %zu became \"%s\"", i,
                       outcome.boxes[i].c_str());
            FUZZ_CHECK(before[i].empty(), "engine: filled box %zu changed", i);
        }
        return 0;
    }
    if (!decl) decl = calculators[Hash(head) % calculators.size()];
    PressCalculator(*decl, lines, state);
    return 0;
}
