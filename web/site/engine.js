// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculators' engine, compiled to WebAssembly, behind two calls: the answer to one
// request (exactly as "ampora-calc --json" answers it) and the answer to one event of a
// form the page draws (the form's view after it; request/form_events.h tells the events).
// (The build writes its forms document as forms.json.) Texts cross as UTF-8 through the
// module's heap.
import createAmporaEngine from './ampora_engine.js';

export async function loadEngine(options = {}) {
  const module = await createAmporaEngine(options);

  // An object in as JSON, through `call`, and the answer back as an object.
  function asked(object, call) {
    const text = JSON.stringify(object);
    const size = module.lengthBytesUTF8(text) + 1;
    const at = module._malloc(size);
    module.stringToUTF8(text, at, size);
    try {
      return JSON.parse(module.UTF8ToString(call(at)));
    } finally {
      module._free(at);
    }
  }

  return {
    answer: (request) => asked(request, module._ampora_answer),
    event: (event) => asked(event, module._ampora_event),
  };
}
