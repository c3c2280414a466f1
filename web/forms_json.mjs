// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the forms document as forms.json beside the engine, at build time: the page
// reads the file while the engine compiles, and the engine carries none of the code that
// writes it.
//
//     node forms_json.mjs AMPORA_FORMS_MODULE OUTPUT
import {writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import path from 'node:path';

const [module, output] = process.argv.slice(2);
const createFormsDocument = createRequire(import.meta.url)(path.resolve(module));
const forms = await createFormsDocument();
writeFileSync(output, forms.UTF8ToString(forms._ampora_forms()));
