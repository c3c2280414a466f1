// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/magnetism/electro_magnetism.h"
#include "support/box_texts.h"
#include "support/check.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>
#include <string>

using namespace ampora;
using namespace ampora::check;
using test::TextList;

namespace {

// In the form's row order, which is also the unit's box order.
const char* const kNames[] = {"s", "mmf", "l", "flux", "rp",  "A", "H",   "i",
                              "n", "B",   "e", "v",    "ang", "F", "ind", "t"};

std::size_t IndexOf(const std::string& name) {
    const auto it = std::find_if(std::begin(kNames), std::end(kNames),
                                 [&](const char* n) { return name == std::string(n); });
    if (it == std::end(kNames)) throw std::invalid_argument("no box named " + name);
    return static_cast<std::size_t>(it - std::begin(kNames));
}

Boxes Parse(const std::string& pairs) { return test::Parse(pairs, kNames); }
std::string Show(const Boxes& boxes) { return test::Show(boxes, kNames); }

std::string Solve(const std::string& typed) { return Show(electro_magnetism::Solve(Parse(typed))); }

std::string Box(const std::string& typed, const char* name) {
    return electro_magnetism::Solve(Parse(typed))[IndexOf(std::string(name))];
}

}  // namespace

// Worked examples: the boxes typed, and every box after one press (row order).
TEST_DATA(TestElectroMagnetism, onePress) {
    // clang-format off
    AddColumn<std::string>("typed");
    AddColumn<std::string>("after");
    NewRow("reluctance from mmf and flux") << "mmf=100;flux=0.5"
                                                  << "s=200;mmf=100;flux=0.5;rp=1;ang=90";
    NewRow("force at the default right angle") << "B=0.5;i=2;l=3" << "l=3;rp=1;i=2;B=0.5;ang=90;F=3";
    NewRow("length back from that force") << "F=3;B=0.5;i=2" << "l=3;rp=1;i=2;B=0.5;ang=90;F=3";
    NewRow("length at angle 0 divides by zero") << "F=3;B=0.5;i=2;ang=0" << "rp=1;i=2;B=0.5;ang=0;F=3";
    NewRow("turns, current, length and area") << "n=100;i=2;l=0.5;A=0.01"
                                                     << "s=39808917.1974522;mmf=200;l=0.5;flux=5.024E-06;rp="
                                                        "1;A=0.01;H=400;i=2;n=100;B=0.02512;ang=90;F=0.02512;"
                                                        "ind=0.01256";
    // The mmf is written with 15 digits, a hair above 0.02 / 1.256E-06, so the velocity
    // read back through it falls just short of 10.
    NewRow("flux and time") << "flux=0.02;t=0.1"
        << "mmf=15923.5668789809;flux=0.02;rp=1;e=0.2;v=9.99999999999999;ang=90;t=0.1";
    NewRow("zero flux: reluctance divides by zero, its block ends") << "mmf=100;flux=0;l=0.5;A=0.01"
        << "mmf=100;l=0.5;flux=0;rp=1;A=0.01;H=200;B=0;ang=90";
    NewRow("unreadable permeability: the rules that need it fail") << "rp=abc;n=100;i=2;l=0.5;A=0.01"
        << "mmf=200;l=0.5;rp=abc;A=0.01;H=400;i=2;n=100;ang=90";
    NewRow("blank permeability is filled and unreadable") << "rp= ;n=100;i=2;l=0.5"
        << "mmf=200;l=0.5;rp= ;H=400;i=2;n=100;ang=90";
    NewRow("twice the permeability, twice the flux, same area") << "rp=2;n=100;i=2;l=0.5"
        << "mmf=200;l=0.5;flux=0.0005024;rp=2;A=0.5;H=400;i=2;n=100;ang=90";
    // The blank mmf makes the reluctance and field strength rules that read it fail, and
    // their blocks end there: no other rule is tried for them.
    NewRow("blank mmf ends the blocks that read it") << "mmf= ;flux=0.5;l=0.5;A=0.01"
                                                            << "mmf= ;l=0.5;flux=0.5;rp=1;A=0.01;B=50;ang=90";
    NewRow("unreadable angle: only the rules with the angle fail") << "B=0.5;i=2;l=3;ang=abc;n=4"
        << "mmf=8;l=3;flux=1.0048E-05;rp=1;A=3;H=2.66666666666667;i=2;n=4;B=0.5;ang=abc";
    NewRow("nothing typed: only the defaults") << "" << "rp=1;ang=90";
    NewRow("all sixteen filled")
        << "s=1;mmf=2;l=3;flux=4;rp=5;A=6;H=7;i=8;n=9;B=10;e=11;v=12;ang=13;F=14;ind=15;t=16"
        << "s=1;mmf=2;l=3;flux=4;rp=5;A=6;H=7;i=8;n=9;B=10;e=11;v=12;ang=13;F=14;ind=15;t=16";
    // clang-format on
}

TEST(TestElectroMagnetism, onePress) {
    FETCH(std::string, typed);
    FETCH(std::string, after);
    COMPARE(Solve(typed), after);
}

// Each press starts from the texts the previous one left; the last row is where
// pressing again changes nothing.
TEST_DATA(TestElectroMagnetism, pressesUntilNothingChanges) {
    // clang-format off
    AddColumn<std::string>("typed");
    AddColumn<TextList>("presses");
    NewRow("turns, current and length") << "n=100;i=2;l=0.5" << TextList{
               "mmf=200;l=0.5;flux=0.0002512;rp=1;A=0.5;H=400;i=2;n=100;ang=90",
               "s=796178.343949045;mmf=200;l=0.5;flux=0.0002512;rp=1;A=0.5;H=400;i=2;n=100;B=0.0005024;"
               "ang=90;F=0.0005024;ind=0.01256"};
    NewRow("unreadable permeability stays unusable") << "rp=abc;n=100;i=2;l=0.5;A=0.01"
        << TextList{"mmf=200;l=0.5;rp=abc;A=0.01;H=400;i=2;n=100;ang=90"};
    // clang-format on
}

TEST(TestElectroMagnetism, pressesUntilNothingChanges) {
    FETCH(std::string, typed);
    FETCH(TextList, presses);
    Boxes boxes = Parse(typed);
    for (const std::string& expected : presses) {
        boxes = electro_magnetism::Solve(boxes);
        COMPARE(Show(boxes), expected);
    }
    COMPARE(electro_magnetism::Solve(boxes), boxes);
}

// The angle box holds degrees: force from flux density 0.5, current 2, length 3.
TEST_DATA(TestElectroMagnetism, angleInDegrees) {
    // clang-format off
    AddColumn<std::string>("angle");
    AddColumn<std::string>("force");
    NewRow("90") << "90" << "3";
    NewRow("270") << "270" << "-3";
    NewRow("-90") << "-90" << "-3";
    NewRow("30") << "30" << "1.5";
    NewRow("150") << "150" << "1.5";
    NewRow("60: 3 times root 3 over 2") << "60" << "2.59807621135332";
    NewRow("0") << "0" << "0";
    NewRow("180") << "180" << "0";
    NewRow("-720") << "-720" << "0";
    NewRow("letters") << "deg" << "";
    NewRow("beyond the number range") << "1E400" << "";
    // clang-format on
}

TEST(TestElectroMagnetism, angleInDegrees) {
    FETCH(std::string, angle);
    FETCH(std::string, force);
    const Boxes out = electro_magnetism::Solve(Parse(std::string("B=0.5;i=2;l=3;ang=") + angle));
    COMPARE(out[electro_magnetism::F], force);
    COMPARE(out[electro_magnetism::Ang], angle);
}

// Whole turns and a change of sign reduce to the same angle, so the force agrees to
// the last digit.
TEST(TestElectroMagnetism, equivalentAnglesGiveTheSameForce) {
    for (const double a : {1.25, 17.5, 45.0, 112.5, 179.75}) {
        const auto force = [](double angle) {
            return Box(std::string("B=0.5;i=2;l=3;ang=") + Shown(angle), "F");
        };
        const std::string f = force(a);
        VERIFY2(!f.empty() && f != "0", f);
        COMPARE(force(a + 360), f);
        COMPARE(force(a - 720), f);
        COMPARE(force(-a), "-" + f);
    }
    // An angle of pi / 2 typed as such is now 1.57 degrees: 3 sin(1.5708 deg), about 0.08224.
    const double small = std::stod(Box(std::string("B=0.5;i=2;l=3;ang=1.5707963267949"), "F"));
    VERIFY2(std::abs(small - 0.0822364) < 1e-7, Shown(small));
}

// The field strength comes from the mmf just written (mmf over length), not from
// current times turns over length. 7 x 0.7 falls just short of 4.9 in doubles; the
// written "4.9" over 9 lands on the other side of the 15th digit.
TEST(TestElectroMagnetism, fieldStrengthReadsTheWrittenMmf) {
    const std::string typed = std::string("n=7;i=0.7;l=9");
    COMPARE(Box(typed, "mmf"), std::string("4.9"));
    COMPARE(Box(typed, "H"), std::string("0.544444444444445"));
    // The same length over the typed mmf agrees.
    COMPARE(Box(std::string("mmf=4.9;l=9"), "H"), std::string("0.544444444444445"));
}
