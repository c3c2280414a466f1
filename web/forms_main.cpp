// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The forms document (forms_document.h) as a WebAssembly module of its own, which the
// build runs in node to write forms.json beside the engine: the page reads the document
// as a file, so the engine it loads carries none of the code that writes it.
//     const module = await require('./ampora_forms.cjs')();
//     const document = module.UTF8ToString(module._ampora_forms());
#include "forms_document.h"

#include <emscripten/emscripten.h>

#include <string>

extern "C" {

// The program's version, the main panel, the chooser and every calculator's form.
EMSCRIPTEN_KEEPALIVE const char* ampora_forms() {
    static const std::string document = ampora::web::FormsDocument(AMPORA_VERSION);
    return document.c_str();
}
}
