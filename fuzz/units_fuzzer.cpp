// Every calculator unit, fed arbitrary box texts and option or list states, as the forms
// feed them when "Calculate" is pressed.
//
// An input is lines of text: the first names the unit ("cond", or "cond:2" with the
// state of its options and lists), the others are its boxes in order; missing boxes
// are empty. A first line that names no unit picks one by its bytes, so every input
// reaches some unit.
#include "calc/electrical/conductance.h"
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

// One line per calculator unit: its name (the form's), its box count, how many option or
// list states it takes, a call of the unit that maps a state number onto its arguments,
// and the boxes it overwrites on purpose. For instance
//     {"ac", alternating_current::kBoxes, 1,
//      [](Boxes b, int) { return Outcome{alternating_current::Solve(std::move(b)), {}}; }},
// or for an untrapped handler with a list and defaults it writes
//     {"mag", electro_magnetism::kBoxes, 3,
//      [](Boxes b, int s) { return electro_magnetism::Calculate(std::move(b), s); }, {electro_magnetism::U}},
const Unit kUnits[] = {
    {"engine", engine::kBoxes, 4, engine::Run},
    {"cond", conductance::kBoxes, 1,
     [](Boxes b, int) {
         return Outcome{conductance::Solve(std::move(b)), {}};
     }},
};

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
            if (c >= '0' && c <= '9') state = (state * 10 + static_cast<unsigned>(c - '0')) % 1000;
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
