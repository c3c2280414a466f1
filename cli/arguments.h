// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "request/calculation.h"

#include <span>
#include <string>
#include <string_view>

// What the command line asks for.
namespace ampora::cli {

struct Command {
    enum Kind {
        Calculate,       // run `request`
        CalculatorHelp,  // describe the calculator `request.calc`
        Help,
        List,
        Version,
        Batch,   // run the JSON requests of standard input
        Refused  // `reason` says why; `request.calc` names the calculator when it is known
    };
    Kind kind = Refused;
    request::Request request;
    std::string reason;
};

// The arguments after the program's name. Whether the names and texts suit the calculator
// is found when the request runs; here only the shape of the line is checked.
Command ParseArguments(std::span<const std::string_view> arguments);

}  // namespace ampora::cli
