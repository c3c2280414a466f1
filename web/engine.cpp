// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's engine: the calculators and the request layer behind two C functions
// that the page calls through the WebAssembly module. (What the page draws comes from the
// forms document, which forms_main.cpp writes at build time.) Strings go in and out as UTF-8,
// NUL-terminated; a returned string stays valid until the next call that returns one.
//
// From JavaScript (node, which cannot fetch the module's code, hands it over as
// {wasmBinary: <the bytes of ampora_engine.wasm>}):
//     import createAmporaEngine from './ampora_engine.js';
//     const engine = await createAmporaEngine();
//     const size = engine.lengthBytesUTF8(line) + 1, at = engine._malloc(size);
//     engine.stringToUTF8(line, at, size);
//     const answer = engine.UTF8ToString(engine._ampora_answer(at));
//     engine._free(at);
#include "request/answer_line.h"
#include "request/calculation.h"
#include "request/form_events.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// What the page learns of the calculators' forms lasts from one request to the next, as
// in one batch of the command line.
ampora::request::Calculations& TheCalculations() {
    static ampora::request::Calculations calculations;
    return calculations;
}

// The text of the last answer, kept until the next.
const char* Returned(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

}  // namespace

extern "C" {

// The answer to one request line, exactly as "ampora-calc --json" answers that line.
EMSCRIPTEN_KEEPALIVE const char* ampora_answer(const char* line) {
    return Returned(ampora::request::AnswerLine(TheCalculations(), line ? line : ""));
}

// The answer to one event of a form the page draws (request/form_events.h): the form's
// view after the event, which the page shows.
EMSCRIPTEN_KEEPALIVE const char* ampora_event(const char* line) {
    return Returned(ampora::request::EventAnswer(TheCalculations(), line ? line : ""));
}
}
