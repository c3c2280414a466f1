// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arguments.h"

#include "calc/registry.h"

namespace ampora::cli {
namespace {

Command Refuse(std::string reason, std::string calc = {}) {
    Command refused;
    refused.reason = std::move(reason);
    refused.request.calc = std::move(calc);
    return refused;
}

bool IsHelp(std::string_view a) { return a == "-h" || a == "--help"; }

}  // namespace

Command ParseArguments(std::span<const std::string_view> arguments) {
    if (arguments.empty()) return Refuse("the command line names no calculator");
    const std::string_view first = arguments.front();
    if (first.starts_with('-')) {
        Command command;
        if (IsHelp(first))
            command.kind = Command::Help;
        else if (first == "-v" || first == "--version")
            command.kind = Command::Version;
        else if (first == "--list")
            command.kind = Command::List;
        else if (first == "--json")
            command.kind = Command::Batch;
        else
            return Refuse("unknown option \"" + std::string(first) + "\"");
        if (arguments.size() > 1)
            return Refuse(std::string(first) + " takes nothing after it, but \"" + std::string(arguments[1]) +
                          "\" follows");
        return command;
    }

    Command command;
    command.kind = Command::Calculate;
    request::Request& request = command.request;
    request.calc = first;
    if (!FindCalculator(first)) return Refuse("there is no calculator named \"" + request.calc + "\"");
    // Help is given whatever else the line holds.
    for (std::string_view a : arguments.subspan(1)) {
        if (IsHelp(a)) {
            command.kind = Command::CalculatorHelp;
            return command;
        }
    }
    bool pressed = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view a = arguments[i];
        if (a == "--press" || a.starts_with("--press=")) {
            if (pressed) return Refuse("--press is given twice", request.calc);
            pressed = true;
            if (a == "--press" && i + 1 == arguments.size())
                return Refuse("--press needs a button's name", request.calc);
            request.press = a == "--press" ? arguments[++i] : a.substr(8);
            if (request.press.empty()) return Refuse("--press needs a button's name", request.calc);
            continue;
        }
        if (a.starts_with("--explain=")) {
            const auto rendering = RenderingNamed(a.substr(10));
            if (!rendering)
                return Refuse(
                    "--explain= takes text, markdown or latex, not \"" + std::string(a.substr(10)) + "\"",
                    request.calc);
            if (request.solution) return Refuse("--explain= is given twice", request.calc);
            request.solution = rendering;
            continue;
        }
        if (a == "--explain" || a == "--readings" || a == "--si") {
            (a == "--explain"    ? request.explain
             : a == "--readings" ? request.readings
                                 : request.prefixed) = true;
            continue;
        }
        if (a.starts_with('-')) return Refuse("unknown option \"" + std::string(a) + "\"", request.calc);
        const auto equals = a.find('=');
        if (equals == std::string_view::npos)
            return Refuse("\"" + std::string(a) + "\" is not NAME=TEXT", request.calc);
        request.settings.emplace_back(a.substr(0, equals), a.substr(equals + 1));
    }
    return command;
}

}  // namespace ampora::cli
