// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every calculator unit, fed arbitrary box texts and option or list states, as the forms
// feed them when "Calculate" is pressed.
//
// An input is lines of text: the first names the unit ("cond", or "cond:2" with the
// state of its options and lists), the others are its boxes in order; missing boxes
// are empty. A first line that names no unit picks one by its bytes, so every input
// reaches some unit. A state beyond the unit's count wraps round.
//
// The component-list units (res, cap, ind, fuse) take their own boxes first, then the
// count box and the ten rows; their state is the combination, 0 series and 1 parallel.
// The colour code (rcc) has no boxes to type in but its three result boxes; its state
// picks the entry of each of its four lists, as described at its line.
#include "calc/electrical/alternating_current.h"
#include "calc/electrical/basic_electricity.h"
#include "calc/electrical/capacitance.h"
#include "calc/electrical/colour_code.h"
#include "calc/electrical/conductance.h"
#include "calc/electrical/fuse_size.h"
#include "calc/electrical/resistance.h"
#include "calc/geometry/circle.h"
#include "calc/geometry/right_triangle.h"
#include "calc/instruments/ammeter.h"
#include "calc/instruments/oscilloscope.h"
#include "calc/magnetism/electro_magnetism.h"
#include "calc/magnetism/inductance.h"
#include "calc/magnetism/transformer.h"
#include "forms/core/component_list.h"
#include "forms/core/conversions.h"
#include "forms/core/solve_pass.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace ampora;

struct Unit {
    const char* name;
    int boxes;
    int states;  // how many option/list states the form can be in; 1 when it has none
    Outcome (*run)(Boxes boxes, int state);
    // Boxes the unit writes on purpose even when they were filled (defaults, answers,
    // scratch values); every other filled box must keep its text.
    std::vector<int> overwrites = {};
};

// The solve-pass engine itself, on a pass that chains results through the boxes and
// uses each checked operation; the state picks the trapping mode and whether the
// pass's constant is usable.
namespace engine {

enum Box { A, B, C, D, E, kBoxes };

const Pass kPass = {
    {"A", "B", "C", "D", "E"},
    {
        {C,
         {{{A, B}, [](const Values& x) { return x[A] / x[B]; }},
          {{D}, [](const Values& x) { return Sqrt(x[D]); }}}},
        {D,
         {{{C}, [](const Values& x) { return x[C] * x[C] - x.constant(0); }},
          {{A, E}, [](const Values& x) { return Pow(x[A], x[E]); }}}},
        {E,
         {{{A, C}, [](const Values& x) { return Log(x[A]) - x[C]; }},
          {{B}, [](const Values& x) { return SinDegrees(x[B]) + Cos(x[B]) * Tan(x[B]); }}}},
        {A,
         {{{C, B}, [](const Values& x) { return x[C] * x[B]; }},
          {{E}, [](const Values& x) { return Exp(x[E]); }}}},
        {B,
         {{{A, C}, [](const Values& x) { return x[A] / x[C] + Atan(x[D]); }},
          {{D}, [](const Values& x) { return -x[D] + Sin(x[D]); }}}},
    },
};

Outcome Run(Boxes boxes, int state) {
    const Trapping trapping = state % 2 == 0 ? Trapping::ResumeNext : Trapping::Untrapped;
    const std::vector<Constant> constants = {state < 2 ? Constant(2.5)
                                                       : Constant(Fault(FaultKind::Domain, "is unusable"))};
    auto fault = RunPass(kPass, boxes, trapping, constants);
    FUZZ_CHECK(trapping == Trapping::Untrapped || !fault, "a resume-next pass returned a fault");
    return {std::move(boxes), std::move(fault)};
}

}  // namespace engine

// The oscilloscope's voltage panel either works out its one empty box or, with any other
// pattern of empty boxes, asks for one blank and changes nothing.
Outcome OscilloscopeVoltage(Boxes boxes, int) {
    const Boxes before = boxes;
    oscilloscope::VoltageOutcome outcome = oscilloscope::SolveVoltage(std::move(boxes));
    const auto empty =
        std::count_if(before.begin(), before.end(), [](const std::string& b) { return IsEmpty(b); });
    FUZZ_CHECK(outcome.message.has_value() == (empty != 1), "oscil-v: %zd empty boxes, yet %s", empty,
               outcome.message ? "asked for one blank" : "did not ask for one blank");
    FUZZ_CHECK(!outcome.message || outcome.boxes == before, "oscil-v: asked for one blank but changed a box");
    return {std::move(outcome.boxes), std::nullopt};
}

// The colour code's four lists. The state is one number, each list's chosen index in
// turn: s % 11 for the first digit, (s / 11) % 11 the second, (s / 121) % 11 the
// multiplier and s / 1331 the tolerance, where 0 is nothing chosen and k is the k-th entry.
namespace colour {

const char* const kDigitEntries[] = {"0 - Black", "1 - Brown", "2 - Red",    "3 - Orange", "4 - Yellow",
                                     "5 - Green", "6 - Blue",  "7 - Violet", "8 - Grey",   "9 - White"};
const char* const kToleranceEntries[] = {"Gold 5%", "Silver 10%"};
constexpr int kDigitStates = std::size(kDigitEntries) + 1;
constexpr int kToleranceStates = std::size(kToleranceEntries) + 1;
constexpr int kStates = kDigitStates * kDigitStates * kDigitStates * kToleranceStates;

std::string Entry(const char* const* entries, int chosen) { return chosen == 0 ? "" : entries[chosen - 1]; }

Outcome Run(Boxes boxes, int state) {
    colour_code::Bands bands;
    for (int band : {colour_code::Unit, colour_code::Tens, colour_code::Pten}) {
        bands[band] = Entry(kDigitEntries, state % kDigitStates);
        state /= kDigitStates;
    }
    bands[colour_code::Toller] = Entry(kToleranceEntries, state);

    const Boxes before = boxes;
    Outcome outcome = colour_code::Solve(bands, std::move(boxes));
    FUZZ_CHECK(!outcome.fault || outcome.boxes == before, "rcc: a fault left the result boxes changed");
    if (!outcome.fault) {
        const double nominal = TextToNumber(outcome.boxes[colour_code::Ans]);
        const double least = TextToNumber(outcome.boxes[colour_code::Minv]);
        const double most = TextToNumber(outcome.boxes[colour_code::Maxv]);
        FUZZ_CHECK(least <= nominal && nominal <= most, "rcc: %g is not between %g and %g", nominal, least,
                   most);
    }
    return outcome;
}

}  // namespace colour

// The component-list units: their own boxes, then the count box and the ten rows.
namespace list {

constexpr int kListBoxes = 1 + component_list::kRows;

// The count and the rows, from the boxes after the unit's own `own` boxes.
component_list::List Read(const Boxes& boxes, int own) {
    component_list::List list;
    list.count = boxes[static_cast<std::size_t>(own)];
    for (int k = 0; k < component_list::kRows; ++k)
        list.rows[k] = boxes[static_cast<std::size_t>(own + 1 + k)];
    return list;
}

// The list itself is only read, so its boxes come back as they went in.
Boxes WithList(Boxes own, const Boxes& all, int ownCount) {
    own.insert(own.end(), all.begin() + ownCount, all.end());
    return own;
}

using Combination = Boxes (*)(Boxes, const component_list::List&, component_list::Option);

template <Combination unit, int own>
Outcome Combine(Boxes boxes, int state) {
    const component_list::Option option =
        state == 0 ? component_list::Option::Series : component_list::Option::Parallel;
    Boxes result = unit(Boxes(boxes.begin(), boxes.begin() + own), Read(boxes, own), option);
    return {WithList(std::move(result), boxes, own), std::nullopt};
}

Outcome Fuse(Boxes boxes, int) {
    Boxes result = {fuse_size::Solve(Read(boxes, 1))};
    return {WithList(std::move(result), boxes, 1), std::nullopt};
}

}  // namespace list

// A unit that returns only its boxes: it has no fault to report.
template <Boxes (*solve)(Boxes)>
Outcome Solved(Boxes boxes, int) {
    return {solve(std::move(boxes)), std::nullopt};
}

// One line per calculator unit: its name (the form's), its box count, how many option or
// list states it takes, a call of the unit that maps a state number onto its arguments,
// and the boxes it overwrites on purpose.
// clang-format off
const Unit kUnits[] = {
    {"engine", engine::kBoxes, 4, engine::Run},
    {"cond", conductance::kBoxes, 1, Solved<conductance::Solve>},
    {"pd", basic_electricity::kBoxes, 1,
     [](Boxes b, int) { return basic_electricity::Solve(std::move(b)); }},
    // The defaults of the angle and the relative permeability go only into empty boxes,
    // so a typed angle or permeability must survive the press like any other box.
    {"mag", electro_magnetism::kBoxes, 1, Solved<electro_magnetism::Solve>},
    {"ac", alternating_current::kBoxes, 1, Solved<alternating_current::Solve>},
    {"trans", transformer::kBoxes, 1, Solved<transformer::Solve>},
    {"oscil-v", oscilloscope::kVoltageBoxes, 1, OscilloscopeVoltage},
    {"oscil-f", oscilloscope::kFrequencyBoxes, 1, Solved<oscilloscope::SolveFrequency>},
    {"amm", ammeter::kBoxes, 1, Solved<ammeter::Solve>},
    // The results are worked out afresh on every press.
    {"rcc", colour_code::kBoxes, colour::kStates, colour::Run,
     {colour_code::Ans, colour_code::Minv, colour_code::Maxv}},
    {"ratri", right_triangle::kBoxes, 1, Solved<right_triangle::Solve>},
    {"cirtri", circle::kBoxes, 1, Solved<circle::Solve>},
    // The scratch box d is reset whenever the rows are combined.
    {"res", resistance::kBoxes + list::kListBoxes, 2,
     list::Combine<resistance::Solve, resistance::kBoxes>, {resistance::D}},
    {"cap", capacitance::kBoxes + list::kListBoxes, 2,
     list::Combine<capacitance::Solve, capacitance::kBoxes>, {capacitance::D}},
    {"ind", inductance::kBoxes + list::kListBoxes, 2,
     list::Combine<inductance::Solve, inductance::kBoxes>, {inductance::D}},
    // The answer, the only box of its own, is worked out afresh on every press.
    {"fuse", 1 + list::kListBoxes, 1, list::Fuse, {0}},
};
// clang-format on

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
    const Unit* unit =
        std::find_if(std::begin(kUnits), std::end(kUnits), [&](const Unit& u) { return name == u.name; });
    if (unit == std::end(kUnits)) unit = &kUnits[Hash(head) % std::size(kUnits)];
    unsigned state = Hash(head);
    if (const auto colon = head.find(':'); colon != std::string_view::npos) {
        state = 0;
        for (char c : head.substr(colon + 1))
            if (c >= '0' && c <= '9')
                state = (state * 10 + static_cast<unsigned>(c - '0')) % static_cast<unsigned>(unit->states);
    }
    state %= static_cast<unsigned>(unit->states);

    Boxes before(static_cast<std::size_t>(unit->boxes));
    for (std::size_t i = 0; i < before.size() && i + 1 < lines.size(); ++i) before[i] = lines[i + 1];

    Outcome outcome;
    try {
        outcome = unit->run(before, static_cast<int>(state));
    } catch (...) {
        FUZZ_CHECK(false, "%s: an exception escaped the unit", unit->name);
    }
    const Boxes& after = outcome.boxes;
    FUZZ_CHECK(after.size() == before.size(), "%s: %zu boxes came back, not %zu", unit->name, after.size(),
               before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] == before[i]) continue;
        FUZZ_CHECK(!HasInfOrNan(after[i]), "%s: box %zu became \"%s\"", unit->name, i, after[i].c_str());
        const bool onPurpose =
            std::find(unit->overwrites.begin(), unit->overwrites.end(), int(i)) != unit->overwrites.end();
        FUZZ_CHECK(before[i].empty() || onPurpose, "%s: filled box %zu changed from \"%s\" to \"%s\"",
                   unit->name, i, before[i].c_str(), after[i].c_str());
    }
    return 0;
}
