// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the engine's forms document beside it as forms.json, at build time: the page
// reads the file while the engine compiles, instead of waiting for the engine to write it.
//
//     node forms_json.mjs SITE_DIR
import {readFileSync, writeFileSync} from 'node:fs';
import path from 'node:path';
import {pathToFileURL} from 'node:url';

const site = process.argv[2];
const {default: createAmporaEngine} = await import(pathToFileURL(path.join(site, 'ampora_engine.js')));
const engine = await createAmporaEngine({wasmBinary: readFileSync(path.join(site, 'ampora_engine.wasm'))});
writeFileSync(path.join(site, 'forms.json'), engine.UTF8ToString(engine._ampora_forms()));
