// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Presses every calculator unit, and calls the conversions, over a large fixed set of
// inputs, and prints one digest per unit of everything that came back: box texts and
// fault reports. The inputs come from this file alone, never from the code under test,
// so a changed unit that leaves every digest as it was gives the same results for all
// of them. run.py builds it against each surviving mutant.
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
#include "core/conversions.h"
#include "core/fault.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>

namespace {

using namespace ampora;
using Random = std::mt19937_64;

struct Digest {
    std::uint64_t h = 14695981039346656037u;
    void add(const std::string& text) {
        for (char c : text + '\x1f') h = (h ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    void add(const Boxes& boxes) {
        for (const std::string& box : boxes) add(box);
    }
    void add(const Outcome& outcome) {
        add(outcome.boxes);
        add(outcome.fault ? outcome.fault->describe() : std::string("-"));
    }
};

// Angles next to where the sine's reduction turns, and values next to the ends of the range.
const char* const kEdgeTexts[] = {"-180.05", "180.05", "-179.95", "359.95",  "-359.95", "89.95",  "90.05",
                                  "-270.05", "450.5",  "1E-400",  "-1E-400", "2E-308",  "1E-320", "-1E308"};
const char* const kOddTexts[] = {"abc", " ",     "7abc",   "1 000", "90 ohms", "1,5",    ".",       "-",
                                 "1E",  "1E400", "-1E400", "1E308", "1E-308",  "5E-324", "1.7E308", "-0"};
const char* const kRoundTexts[] = {"0",  "1",  "2",   "3",   "4",   "5",   "7",   "10",  "12",   "0.5",
                                   "90", "30", "180", "270", "360", "-90", "-45", "100", "1000", "0.1"};

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

// Every pattern of filled and empty boxes, each with several draws of texts.
void EverySubset(int boxes, const std::function<void(const Boxes&)>& press) {
    Random random(boxes);
    const int draws = std::max(4, 120000 >> boxes);
    for (int draw = 0; draw < draws; ++draw) {
        Boxes texts(boxes);
        for (auto& text : texts) text = Text(random);
        // Equal texts in two boxes now and then: equal currents, equal loads.
        if (random() % 4 == 0) texts[random() % boxes] = texts[random() % boxes];
        for (std::uint32_t set = 0; set < (1u << boxes); ++set) {
            Boxes in(boxes);
            for (int b = 0; b < boxes; ++b)
                if (set >> b & 1) in[b] = texts[b];
            press(in);
        }
    }
}

component_list::List RandomList(Random& random) {
    component_list::List list;
    const char* const counts[] = {"0", "1", "2", "3", "5", "10", "12", "2.5", "3.5", "-1", "abc", ""};
    list.count = counts[random() % std::size(counts)];
    for (auto& row : list.rows)
        if (random() % 4 != 0) row = Text(random);
    if (random() % 3 == 0)
        list.rows[random() % component_list::kRows] = list.rows[random() % component_list::kRows];
    return list;
}

template <Boxes (*solve)(Boxes, const component_list::List&, component_list::Option)>
void Combination(Digest& digest, int boxes) {
    Random random(100 + boxes);
    for (int press = 0; press < 60000; ++press) {
        Boxes in(boxes);
        for (auto& box : in)
            if (random() % 2 == 0) box = Text(random);
        const auto option = random() % 2 ? component_list::Option::Series : component_list::Option::Parallel;
        digest.add(solve(in, RandomList(random), option));
    }
}

void ColourCode(Digest& digest) {
    const char* const digits[] = {"",           "0 - Black",  "1 - Brown", "2 - Red",
                                  "3 - Orange", "4 - Yellow", "5 - Green", "6 - Blue",
                                  "7 - Violet", "8 - Grey",   "9 - White", "x"};
    const char* const tolerances[] = {"", "Gold 5%", "Silver 10%", "gold"};
    for (const char* unit : digits)
        for (const char* tens : digits)
            for (const char* power : digits)
                for (const char* tolerance : tolerances)
                    digest.add(colour_code::Solve({unit, tens, power, tolerance}, {"a", "", "b"}));
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
            digest.add(std::to_string(TextToInteger(text)));
        } catch (const Fault& fault) {
            digest.add(fault.describe());
        }
        digest.add(std::to_string(LeadingNumber(text)));
        try {
            digest.add(
                std::to_string(RoundToInteger32(double(std::int64_t(bits % 6000000000u) - 3000000000) / 2)));
        } catch (const Fault& fault) {
            digest.add(fault.describe());
        }
    }
}

}  // namespace

int main() {
    const auto run = [](const char* name, const std::function<void(Digest&)>& probe) {
        Digest digest;
        probe(digest);
        std::printf("%s %016llx\n", name, static_cast<unsigned long long>(digest.h));
    };
    const auto pass = [&](const char* name, int boxes, auto solve) {
        run(name,
            [&](Digest& digest) { EverySubset(boxes, [&](const Boxes& in) { digest.add(solve(in)); }); });
    };
    pass("basic_electricity", basic_electricity::kBoxes, basic_electricity::Solve);
    pass("electro_magnetism", electro_magnetism::kBoxes, electro_magnetism::Solve);
    pass("alternating_current", alternating_current::kBoxes, alternating_current::Solve);
    pass("conductance", conductance::kBoxes, conductance::Solve);
    pass("transformer", transformer::kBoxes, transformer::Solve);
    pass("ammeter", ammeter::kBoxes, ammeter::Solve);
    pass("oscilloscope_frequency", oscilloscope::kFrequencyBoxes, oscilloscope::SolveFrequency);
    pass("oscilloscope_voltage", oscilloscope::kVoltageBoxes, [](const Boxes& in) {
        const auto out = oscilloscope::SolveVoltage(in);
        Boxes all = out.boxes;
        all.push_back(out.message.value_or("-"));
        return all;
    });
    pass("right_triangle", right_triangle::kBoxes, right_triangle::Solve);
    pass("circle", circle::kBoxes, circle::Solve);
    run("resistance", [](Digest& d) { Combination<resistance::Solve>(d, resistance::kBoxes); });
    run("capacitance", [](Digest& d) { Combination<capacitance::Solve>(d, capacitance::kBoxes); });
    run("inductance", [](Digest& d) { Combination<inductance::Solve>(d, inductance::kBoxes); });
    run("fuse_size", [](Digest& digest) {
        Random random(11);
        for (int press = 0; press < 100000; ++press) digest.add(fuse_size::Solve(RandomList(random)));
    });
    run("colour_code", ColourCode);
    run("conversions", Conversions);
    return 0;
}
