// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/electrical/conductance.h"
#include "support/box_texts.h"
#include "support/check.h"

using namespace ampora;
using namespace ampora::check;
using test::TextList;

TEST_DATA(TestConductance, solve) {
    AddColumn<std::string>("r");
    AddColumn<std::string>("c");
    AddColumn<std::string>("newR");
    AddColumn<std::string>("newC");
    NewRow("resistance gives conductance") << "4"
                                           << ""
                                           << "4"
                                           << "0.25";
    NewRow("conductance gives resistance") << ""
                                           << "0.001"
                                           << "1000"
                                           << "0.001";
    NewRow("fifteen significant digits") << "3"
                                         << ""
                                         << "3"
                                         << "0.333333333333333";
    NewRow("switches to exponent form") << "1E-20"
                                        << ""
                                        << "1E-20"
                                        << "1E+20";
    NewRow("negative values are accepted") << "-8"
                                           << ""
                                           << "-8"
                                           << "-0.125";
    NewRow("unreadable conductance") << ""
                                     << "abc"
                                     << ""
                                     << "abc";
    NewRow("zero resistance divides by zero") << "0"
                                              << ""
                                              << "0"
                                              << "";
    NewRow("negative zero") << "-0"
                            << ""
                            << "-0"
                            << "";
    NewRow("mismatched pair is never checked") << "2"
                                               << "7"
                                               << "2"
                                               << "7";
    NewRow("both empty") << ""
                         << ""
                         << ""
                         << "";
    NewRow("a blank is filled and unreadable") << " "
                                               << ""
                                               << " "
                                               << "";
    NewRow("subnormal reciprocal overflows") << "1E-310"
                                             << ""
                                             << "1E-310"
                                             << "";
    NewRow("text above the double range") << "1.79769313486232E+308"
                                          << ""
                                          << "1.79769313486232E+308"
                                          << "";
    NewRow("reciprocal near the bottom") << "1E+308"
                                         << ""
                                         << "1E+308"
                                         << "1E-308";
}

TEST(TestConductance, solve) {
    FETCH(std::string, r);
    FETCH(std::string, c);
    FETCH(std::string, newR);
    FETCH(std::string, newC);
    const Boxes out = SolveByPass(conductance::Rules(), {r, c});
    COMPARE(out[conductance::R], newR);
    COMPARE(out[conductance::C], newC);
}
