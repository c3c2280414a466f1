// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include "arguments.h"
#include "batch.h"
#include "calc/registry.h"
#include "usage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace ampora::cli {
namespace {

constexpr int kDone = 0, kFaulted = 1, kRefused = 2;

void Print(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

int Refused(const std::string& reason, const FormDecl* form) {
    std::string usage = form ? CalculatorUsage(*form)
                             : GeneralUsage() + "\n\"" + kProgram + " --list\" names the calculators.\n";
    Print(stderr, std::string(kProgram) + ": " + reason + "\n\n" + usage);
    return kRefused;
}

// Everything meant for standard output has been written, or the status says it was not.
int Finished(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    Print(stderr, std::string(kProgram) + ": cannot write the output: " + std::strerror(errno) + "\n");
    return kFaulted;
}

int Calculate(const request::Request& request) {
    request::Calculations calculations;
    const request::Answer answer = calculations.run(request);
    if (!answer.error.empty()) return Refused(answer.error, FindCalculator(request.calc));
    std::string out;
    for (const auto& [name, text] : answer.boxes) out.append(name).append("=").append(text).append("\n");
    for (const Step& step : answer.steps) out.append(StepLine(step)).append("\n");
    for (const BoxRead& r : answer.readings)
        for (const std::string& line : ReadLines(r)) out.append(line).append("\n");
    if (request.solution) out.append("\n").append(answer.solution);
    Print(stdout, out);
    const int status = Finished(answer.told.empty() ? kDone : kFaulted);
    if (!answer.told.empty()) Print(stderr, answer.told + "\n");
    return status;
}

}  // namespace

int RunProgram(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const Command command = ParseArguments(arguments);
    switch (command.kind) {
        case Command::Calculate:
            return Calculate(command.request);
        case Command::CalculatorHelp:
            Print(stdout, CalculatorHelp(*FindCalculator(command.request.calc)));
            return Finished(kDone);
        case Command::Help:
            Print(stdout, GeneralUsage());
            return Finished(kDone);
        case Command::List:
            Print(stdout, CalculatorList());
            return Finished(kDone);
        case Command::Version:
            Print(stdout, "Ampora " AMPORA_VERSION "\n");
            return Finished(kDone);
        case Command::Batch: {
            // A refused line is told in its answer; the status lets a script notice it without
            // reading them all. Faults are answers, not refusals.
            const BatchEnd end = RunBatch(0, stdout);
            if (!end.failure.empty()) {
                Print(stderr, std::string(kProgram) + ": " + end.failure + "\n");
                return kFaulted;
            }
            return end.refused > 0 ? kRefused : kDone;
        }
        case Command::Refused:
            break;
    }
    return Refused(command.reason, FindCalculator(command.request.calc));
}

}  // namespace ampora::cli
