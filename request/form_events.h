// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculation.h"

#include <string>
#include <string_view>

// What a front end that draws a form apart from the engine (the web page) asks as its user
// works the form: one event in, as a JSON object on one line, and the form's whole view
// back, which the front end only draws. The events:
//     {"calc":"res","event":"open"}
//     {"calc":"res","event":"click","control":"Command1","set":{...},"hidden":[...],"default":"..."}
//     {"calc":"res","event":"focusin"|"focusout","control":"nc","default":"..."}
//     {"calc":"res","event":"edited","control":"ct0","set":{...},"default":"..."}
//     {"event":"link","link":"#res?nc=2&c0=60"}
//     {"calc":"res","event":"share","set":{...},"pressed":"#res?nc=2&c0=60&press=1"}
// "set" gives what the controls hold, as settings are given (request/settings.h: a box's
// text, "1" for a chosen option, a list's entry); "hidden" the names of the controls
// hidden now; "default" the button Enter presses now; "si":true asks for prefixed input
// ("4k7" in a box of ohms reads 4700). Each is as the
// form opens where left out. The answer carries "view": the boxes (as the form orders
// them), the options ({"sc":true,...}), the lists' entries, "hidden" as a list of names,
// "default", "si", and every box's reading and the parts that fit (request/readings_json.h:
// "readings" and "preferred"); after a press also "work", a line for each step ({"line":...,"faulted":
// ...}), "reports", each with its "title" and "text", the "solution" (core/solution.h: its
// "caption", what was "given" and "found", each {"name","caption","text","unit","reading",
// "choice"}, and the whole as "text", "markdown" and "latex"), and "pressed", the link that
// opens the form as it stood before the press and presses it again. A focus change is answered only
// with the "default" it leaves, an edit with that and the readings and parts. A link is answered with "name",
// what it opens, and where that is a calculator "calc", "hasSettings" (whether the link
// gives any), the "view" it opens with and "ignored", the names it gives that set
// nothing, where a link's "si=1" asks for prefixed input and its "press=1" presses the
// form once it is set (every press in turn; "press=voltage" names one press by its role or
// button), and then the press's "work", "reports", "solution" and "pressed" as a click's;
// "share" with "link", the fragment that opens the form as it stands, or, where the event
// gives the "pressed" link of the last press and the form still shows what it left, that
// link. A line that
// is no such event is answered with {"error":...}.
namespace ampora::request {

std::string EventAnswer(Calculations& calculations, std::string_view line);

}  // namespace ampora::request
