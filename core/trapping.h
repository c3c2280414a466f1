// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fault.h"

#include <optional>
#include <utility>

// How a handler treats a fault.
//
// Resume-next: a statement that faults is abandoned and the handler goes on with the
// next one; a fault in the last statement of a branch leaves the whole If chain (which
// plain C++ control flow already does once each statement is wrapped).
//
// Untrapped: the first fault ends the handler; what was written before it stays written.
namespace ampora {

enum class Trapping { ResumeNext, Untrapped };

// Runs one statement under resume-next trapping. Returns false when it faulted.
template <typename Statement>
bool ResumeNext(Statement&& statement) {
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (const Fault&) {
        return false;
    }
}

// Runs an untrapped handler body; the first fault ends it and is returned for reporting.
template <typename Body>
std::optional<Fault> Untrapped(Body&& body) {
    try {
        std::forward<Body>(body)();
        return std::nullopt;
    } catch (const Fault& fault) {
        return fault;
    }
}

}  // namespace ampora
