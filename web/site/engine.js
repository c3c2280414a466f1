// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculators' engine, compiled to WebAssembly, behind two calls: the answer to one
// request line (exactly as "ampora-calc --json" answers it) and the rows a component
// list's count covers. (The build writes its forms document as forms.json.) Texts cross
// as UTF-8 through the module's heap.
import createAmporaEngine from './ampora_engine.js';

export async function loadEngine(options = {}) {
  const module = await createAmporaEngine(options);

  function withText(text, call) {
    const size = module.lengthBytesUTF8(text) + 1;
    const at = module._malloc(size);
    module.stringToUTF8(text, at, size);
    try {
      return call(at);
    } finally {
      module._free(at);
    }
  }

  return {
    // A request object in, the answer object out.
    answer: (request) =>
      JSON.parse(withText(JSON.stringify(request), (at) => module.UTF8ToString(module._ampora_answer(at)))),
    rowsCovered: (count) => withText(count, (at) => module._ampora_rows_covered(at)),
  };
}
