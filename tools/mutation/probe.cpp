// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Presses every button of every calculator in the registry, and calls the conversions,
// over a large fixed set of inputs, and prints one digest per calculator and button of
// everything that came back: the boxes and what the press told. A second digest per button
// holds the recorded work of every eighth press, as an explanation shows it. The inputs
// come from this file and the forms' declarations, never from the code under test, each
// button's drawn from a seed of its form's and its own name: a calculator added to the
// registry is probed without a change here and leaves the others' inputs as they were. A
// changed unit that leaves every digest as it was gives the same results for all of them.
// run.py builds it against each surviving mutant.
#include "calc/registry.h"
#include "core/component_list.h"
#include "core/control_list.h"
#include "core/conversions.h"
#include "core/fault.h"
#include "core/form_state.h"
#include "request/settings.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace ampora;
using Random = std::mt19937_64;

struct Digest {
    std::uint64_t h = 14695981039346656037u;
    void add(std::string_view text) {
        for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211u;
        h = (h ^ 0x1fu) * 1099511628211u;
    }
};

// Angles next to where the sine's reduction turns, and values next to the ends of the range.
const char* const kEdgeTexts[] = {"-180.05", "180.05", "-179.95", "359.95",  "-359.95", "89.95",  "90.05",
                                  "-270.05", "450.5",  "1E-400",  "-1E-400", "2E-308",  "1E-320", "-1E308"};
const char* const kOddTexts[] = {"abc", " ",     "7abc",   "1 000", "90 ohms", "1,5",    ".",       "-",
                                 "1E",  "1E400", "-1E400", "1E308", "1E-308",  "5E-324", "1.7E308", "-0"};
const char* const kRoundTexts[] = {"0",  "1",  "2",   "3",   "4",   "5",   "7",   "10",  "12",   "0.5",
                                   "90", "30", "180", "270", "360", "-90", "-45", "100", "1000", "0.1"};
// A component list's count: each number of rows, halves that round either way, and worse.
const char* const kCounts[] = {"0", "1", "2", "3", "5", "10", "12", "2.5", "3.5", "-1", "abc", ""};

// A box text: a number of any size and sign, with few or many digits, a round number, or
// text that is not a plain number.
std::string Text(Random& random) {
    const unsigned kind = random() % 20;
    if (kind < 1) return kEdgeTexts[random() % std::size(kEdgeTexts)];
    if (kind < 2) return kOddTexts[random() % std::size(kOddTexts)];
    if (kind < 5) return kRoundTexts[random() % std::size(kRoundTexts)];
    const double mantissa = 1 + double(random() % 1000000000000000u) / 1e15 * 9;
    const int exponent = int(random() % 25) - 12;
    double value = mantissa;
    for (int k = 0; k < exponent; ++k) value *= 10;
    for (int k = 0; k > exponent; --k) value /= 10;
    if (kind == 5) value = -value;
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", int(1 + random() % 17), value);
    return text;
}

// What a user can set on a form, as ApplySetting names it: its boxes, a box among them
// that counts a component list's rows, its groups of options and its lists.
struct Settable {
    explicit Settable(const FormDecl& decl) : controls(decl) {
        for (const Control& c : controls.all()) {
            if (c.kind == Kind::Box) {
                // A component list's scratch box is the form's own: nobody sets it.
                if (decl.list && std::string_view(c.name) == component_list::kScratchBox) continue;
                if (decl.list && std::string_view(c.name) == component_list::kCountBox) count = boxes.size();
                boxes.push_back(c.name);
            } else if (c.kind == Kind::List) {
                lists.push_back({c.name, ListEntries(c).size()});
            } else if (c.kind == Kind::Option) {
                const auto group = controls.optionGroup(c.name);
                if (group.front() == c.name) groups.push_back(group);
            }
        }
    }
    ControlList controls;
    std::vector<std::string_view> boxes;
    std::size_t count = SIZE_MAX;
    std::vector<std::vector<std::string_view>> groups;
    std::vector<std::pair<std::string_view, std::size_t>> lists;  // each list and its number of entries
};

void Set(const Settable& form, FormState& state, std::string_view name, std::string_view text) {
    const std::string refused = request::ApplySetting(form.controls, state, name, text);
    if (!refused.empty()) throw std::logic_error(refused);
}

// What the press told, or the exception that escaped it (which the program never lets
// happen, but a planted fault may).
std::string Run(const Press& press, FormState& state, Steps* steps) {
    try {
        return press.run(state, steps).text();
    } catch (const std::exception& e) {
        return std::string("escaped: ") + e.what();
    }
}

// Presses `press` over every pattern of filled and empty boxes, each with several draws
// of texts (fewer for a form with many boxes), with each option group and each list in a
// random state: an entry, or nothing chosen.
void Probe(const Settable& form, const Press& press, Digest& results, Digest& explained) {
    const std::string name = std::string(form.controls.form().name) + "/" + press.button;
    Digest seed;
    seed.add(name);
    Random random(seed.h);
    const int boxes = static_cast<int>(form.boxes.size());
    const bool every = boxes <= 17;  // every pattern; past that, patterns drawn at random
    const int draws = every ? std::max(4, (1 << 17) >> boxes) : 1 << 19;
    const FormState initial = FormState::initial(form.controls.form());
    for (int draw = 0; draw < draws; ++draw) {
        std::vector<std::string> texts(form.boxes.size());
        for (auto& text : texts) text = Text(random);
        if (form.count < texts.size()) texts[form.count] = kCounts[random() % std::size(kCounts)];
        // Equal texts in two boxes now and then: equal currents, equal loads.
        if (boxes > 0 && random() % 4 == 0) texts[random() % boxes] = texts[random() % boxes];
        for (std::uint32_t set = 0; set < (every ? 1u << boxes : 1u); ++set) {
            FormState state = initial;
            for (int b = 0; b < boxes; ++b) {
                const bool filled = every ? set >> b & 1 : random() % 2;
                Set(form, state, form.boxes[b], filled ? texts[b] : "");
            }
            for (const auto& group : form.groups) Set(form, state, group[random() % group.size()], "1");
            for (const auto& [list, entries] : form.lists) {
                const std::size_t chosen = random() % (entries + 1);
                Set(form, state, list, chosen == entries ? std::string() : std::to_string(chosen));
            }
            if (random() % 8 == 0) {
                FormState copy = state;
                Steps steps;
                explained.add(Run(press, copy, &steps));
                for (const Step& step : steps) explained.add(StepLine(step));
            }
            results.add(Run(press, state, nullptr));
            for (const auto& [box, text] : state.allBoxes()) results.add(text);
        }
    }
}

// Text as a number is written, and nearly: a sign, digits with long runs of zeros, a
// point, an exponent of up to four digits, blanks around, now and then a stray character.
std::string Written(Random& random) {
    std::string text(random() % 3, ' ');
    if (random() % 3 == 0) text += random() % 2 ? '-' : '+';
    const auto digits = [&] {
        std::string run;
        for (int k = int(random() % 6); k > 0; --k)
            run += random() % 3 == 0 ? std::string(random() % 400, '0') : std::to_string(random() % 100000);
        return run;
    };
    text += digits();
    if (random() % 2) text += '.' + digits();
    if (random() % 2) {
        text += random() % 2 ? 'E' : 'e';
        if (random() % 2) text += random() % 2 ? '-' : '+';
        text += std::to_string(random() % 10000);
    }
    if (random() % 10 == 0) text.insert(random() % (text.size() + 1), 1, "x.e+- 9"[random() % 7]);
    return text + std::string(random() % 2, '\t');
}

void Conversions(Digest& digest) {
    Random random(7);
    for (int k = 0; k < 200000; ++k) {
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        try {
            digest.add(NumberToText(value));
        } catch (const Fault& fault) {
            digest.add(fault.describe());
        }
        const std::string text = k % 3 == 0   ? Text(random)
                                 : k % 3 == 1 ? Written(random)
                                              : NumberToText(double(bits % 100000) / 8);
        try {
            digest.add(NumberToText(TextToNumber(text)));
            digest.add(std::to_string(RoundToInteger(TextToNumber(text))));
        } catch (const Fault& fault) {
            digest.add(fault.describe());
        }
        digest.add(std::to_string(LeadingNumber(text)));
        try {
            // Halves over the whole range and a little beyond it: the ties and both ends.
            digest.add(std::to_string(RoundToInteger(double(std::int64_t(bits % 140000u) - 70000) / 2)));
        } catch (const Fault& fault) {
            digest.add(fault.describe());
        }
    }
}

void Print(const std::string& name, const Digest& digest) {
    std::printf("%s %016llx\n", name.c_str(), static_cast<unsigned long long>(digest.h));
    std::fflush(stdout);
}

}  // namespace

int main() {
    for (const FormDecl* decl : Calculators()) {
        const Settable form(*decl);
        for (const Press& press : decl->presses) {
            Digest results, explained;
            Probe(form, press, results, explained);
            const std::string name = std::string(decl->name) + "/" + press.button;
            Print(name, results);
            Print(name + "/explained", explained);
        }
    }
    Digest conversions;
    Conversions(conversions);
    Print("conversions", conversions);
    return 0;
}
