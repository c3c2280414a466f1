// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculation.h"

#include <cstddef>
#include <string>
#include <string_view>

// A request and its answer as JSON lines, the form in which ampora-calc's batches and
// the web page ask for calculations: one calculation as a JSON object,
//     {"calc":"pd","set":{"p":"100","v":"230"},"press":"calc"}
// ("set" and "press" may be left out; names and texts as on the command line), answered
// by one JSON object on one line:
//     {"boxes":{"p":"100","i":"0.434782608695652",...},"fault":null}
// with the sentence of a fault or message instead of null, and "reports", what the presses
// told, each with its "title" and "text"; or {"error":"..."} when the line is not a
// request or names what the calculator does not take. "press" names a button, or what
// the press does where a form has more than one ("voltage"). A request with
// "explain":true is answered with its work as well: "steps", each step with the box it
// wrote, its rule's block and place where it came from a rule table, its relation, the
// relation with the operands as read, and its "result" or its "fault".
namespace ampora::request {

// Lines longer than this are refused unread, so that a runaway input cannot take the
// machine's memory.
inline constexpr std::size_t kMaxLine = 1 << 20;

// The answer to one line (without its line break), as a JSON object on one line. Where
// `refused` is given, it tells whether the answer refuses the line ({"error":...}) rather
// than answer it with the calculator's boxes, whatever their "fault" says.
std::string AnswerLine(Calculations& calculations, std::string_view line, bool* refused = nullptr);

}  // namespace ampora::request
