// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/colour_code.h"
#include "core/conversions.h"
#include "support/box_texts.h"
#include "support/check.h"

#include <cmath>
#include <string>

using namespace ampora;
using namespace ampora::check;
using test::TextList;

namespace {

colour_code::Bands BandsOf(const TextList& texts) {
    colour_code::Bands bands;
    for (std::size_t i = 0; i < std::size_t(colour_code::kBandCount) && i < texts.size(); ++i)
        bands[i] = texts[i];
    return bands;
}

}  // namespace

TEST_DATA(TestColourCode, calculate) {
    AddColumn<TextList>("bands");
    AddColumn<TextList>("results");  // ans, minv, maxv
    NewRow("yellow violet red gold") << TextList{"4 - Yellow", "7 - Violet", "2 - Red", "Gold 5%"}
                                     << TextList{"4700", "4465", "4935"};
    NewRow("yellow violet red silver")
        << TextList{"4 - Yellow", "7 - Violet", "2 - Red", "Silver 10%"} << TextList{"4700", "4230", "5170"};
    NewRow("brown black black gold") << TextList{"1 - Brown", "0 - Black", "0 - Black", "Gold 5%"}
                                     << TextList{"10", "9.5", "10.5"};
    NewRow("white multiplier gives eleven digits")
        << TextList{"2 - Red", "2 - Red", "9 - White", "Silver 10%"}
        << TextList{"22000000000", "19800000000", "24200000000"};
    NewRow("all black is zero") << TextList{"0 - Black", "0 - Black", "0 - Black", "Gold 5%"}
                                << TextList{"0", "0", "0"};
    NewRow("black first band is accepted")
        << TextList{"0 - Black", "4 - Yellow", "2 - Red", "Gold 5%"} << TextList{"400", "380", "420"};
    NewRow("unpicked first band leaves the second digit alone")
        << TextList{"", "7 - Violet", "2 - Red", "Gold 5%"} << TextList{"700", "665", "735"};
    NewRow("unpicked second band leaves the first digit alone")
        << TextList{"3 - Orange", "", "1 - Brown", "Gold 5%"} << TextList{"30", "28.5", "31.5"};
    NewRow("unpicked tolerance counts as ten percent")
        << TextList{"1 - Brown", "0 - Black", "2 - Red", ""} << TextList{"1000", "900", "1100"};
    NewRow("only an upper-case G is gold")
        << TextList{"1 - Brown", "0 - Black", "2 - Red", "gold"} << TextList{"1000", "900", "1100"};
}

TEST(TestColourCode, calculate) {
    FETCH(TextList, bands);
    FETCH(TextList, results);
    const Outcome out = colour_code::Solve(BandsOf(bands), {"", "", ""});
    VERIFY2(!out.fault, out.fault ? out.fault->describe().c_str() : "");
    COMPARE(out.boxes, results);
}

TEST_DATA(TestColourCode, unpickedBandIsNamed) {
    AddColumn<TextList>("bands");
    AddColumn<std::string>("band");
    AddColumn<std::string>("alsoSays");
    NewRow("nothing picked") << TextList{"", "", "", ""} << "First Colour"
                             << "Second Colour";
    NewRow("first two unpicked") << TextList{"", "", "2 - Red", "Gold 5%"} << "First Colour"
                                 << "Second Colour";
    NewRow("multiplier unpicked") << TextList{"4 - Yellow", "7 - Violet", "", "Gold 5%"} << "Third Colour"
                                  << "Pick a colour from its list";
}

// A needed band with no colour ends the calculation before any box changes, and the
// report says which band to pick.
TEST(TestColourCode, unpickedBandIsNamed) {
    FETCH(TextList, bands);
    FETCH(std::string, band);
    FETCH(std::string, alsoSays);
    const Outcome out = colour_code::Solve(BandsOf(bands), {"4700", "4465", "4935"});
    VERIFY(out.fault);
    COMPARE(out.fault->operand(), band);
    COMPARE(out.boxes, (TextList{"4700", "4465", "4935"}));
    const std::string said = out.fault->describe();
    VERIFY2(said.find("The " + band + " box has no colour picked") != std::string::npos, said);
    VERIFY2(said.find(alsoSays) != std::string::npos, said);
    VERIFY2(said.find("Nominal Value") != std::string::npos, said);
}

// Every pick of the four lists, none included, and a band text that is not a digit: the
// nominal value is the number the first two bands spell (one alone when the other is
// unpicked) times ten to the third band, and the least and greatest values lie 5 % (gold)
// or 10 % (anything else) either side of it. A band that cannot be read is the one the
// fault names, the first two before the third.
TEST(TestColourCode, everyCombinationOfBands) {
    const char* const colours[] = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                   "Green", "Blue",  "Violet", "Grey",   "White"};
    constexpr int kUnpicked = -1, kUnreadable = 10;
    const auto entry = [&](int digit) {
        if (digit == kUnpicked) return std::string();
        return digit == kUnreadable ? std::string("Pink") : std::to_string(digit) + " - " + colours[digit];
    };
    for (int unit = kUnpicked; unit <= kUnreadable; ++unit) {
        for (int tens = kUnpicked; tens <= kUnreadable; ++tens) {
            for (int power = kUnpicked; power <= kUnreadable; ++power) {
                for (const char* tolerance : {"", "Gold 5%", "Silver 10%"}) {
                    const colour_code::Bands bands = {entry(unit), entry(tens), entry(power), tolerance};
                    const Outcome out = colour_code::Solve(bands, {"", "", ""});
                    const std::string where = "bands " + std::to_string(unit) + " " + std::to_string(tens) +
                                              " " + std::to_string(power) + " " + tolerance;
                    const char* named = (unit == kUnpicked && tens == kUnpicked) || unit == kUnreadable
                                            ? "First Colour"
                                        : tens == kUnreadable                        ? "Second Colour"
                                        : power == kUnpicked || power == kUnreadable ? "Third Colour"
                                                                                     : nullptr;
                    if (named) {
                        VERIFY2(out.fault && out.boxes == Boxes(3), where);
                        COMPARE(out.fault->operand(), named);
                        continue;
                    }
                    VERIFY2(!out.fault, where);
                    const long long digits = unit < 0 ? tens : tens < 0 ? unit : 10 * unit + tens;
                    long long nominal = digits;
                    for (int k = 0; k < power; ++k) nominal *= 10;
                    COMPARE(out.boxes[colour_code::Ans], std::to_string(nominal));
                    const double share = tolerance[0] == 'G' ? 0.05 : 0.1;
                    const double least = TextToNumber(out.boxes[colour_code::Minv]);
                    const double most = TextToNumber(out.boxes[colour_code::Maxv]);
                    VERIFY2(std::abs(least - nominal * (1 - share)) <= 1e-14 * nominal, where);
                    VERIFY2(std::abs(most - nominal * (1 + share)) <= 1e-14 * nominal, where);
                }
            }
        }
    }
}
