// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form_behaviour.h"
#include "core/solution.h"
#include "settings.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One calculation asked for by name, as the front ends that take named requests run it
// (the command line and the web page): a calculator's form as it opens, its controls set
// by name as a user would type or pick them, then its "Calculate" pressed. It runs the
// very presses the desktop form's buttons run.
namespace ampora::request {

struct Request {
    std::string calc;  // the form's name, "pd"
    // One press, by its button ("Command2") or by what it does ("frequency"); "" for every
    // press of the form in turn.
    std::string press;
    Settings settings;      // control name, text
    bool explain = false;   // record the work behind every box the presses write
    bool readings = false;  // tell every box's reading and the standard parts that fit it
    bool prefixed = false;  // read prefixed input: "4k7" in a box of ohms as 4700
    // Write the presses' work out as a solution in this rendering (core/solution.h).
    std::optional<Rendering> solution;
};

struct Answer {
    // Why nothing was computed (an unknown calculator or name, a setting that cannot be
    // made, ...), or "".
    std::string error;
    // Every box a user reads, in the form's tab order, as the presses left it.
    std::vector<std::pair<std::string_view, std::string>> boxes;
    // What the presses told: the sentence of a fault that ended one, or a message one
    // showed, each on its own line; "" when they told nothing.
    std::string told;
    // The same, each with the title the desktop shows it under: a fault under the form's
    // caption, a message under its own title.
    std::vector<Message> reports;
    // With `Request::explain`, the presses' steps in the order they ran.
    Steps steps;
    // With `Request::readings`, every box that has a reading or parts that fit, in the
    // form's order.
    std::vector<BoxRead> readings;
    // With `Request::solution`, the solution in that rendering.
    std::string solution;
};

// Runs requests, keeping what it learns of each calculator's form for the next one.
class Calculations {
public:
    Calculations();
    ~Calculations();
    Answer run(const Request& request);

    // The behaviour of the calculator `calc`, or nullptr when there is none of that name.
    const FormBehaviour* behaviour(std::string_view calc);

private:
    std::map<const FormDecl*, std::unique_ptr<FormBehaviour>> forms_;
};

}  // namespace ampora::request
