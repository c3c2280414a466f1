// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lint of the web edition's JavaScript: the page's modules, which run in the browser,
// and the tests and tools, which run in node and hand functions to the browser. The rules
// come from the web edition's npm packages (web/package.json):
//     web/node_modules/.bin/eslint
import {createRequire} from 'node:module';

const require = createRequire(new URL('./web/package.json', import.meta.url));
const js = require('@eslint/js');
const globals = require('globals');

export default [
  {ignores: ['build/', '**/node_modules/']},
  js.configs.recommended,
  {
    files: ['web/site/**/*.js'],
    languageOptions: {ecmaVersion: 2024, sourceType: 'module', globals: globals.browser},
  },
  {
    files: ['**/*.mjs'],
    languageOptions: {ecmaVersion: 2024, sourceType: 'module', globals: {...globals.node, ...globals.browser}},
  },
  {
    rules: {
      'no-unused-vars': ['error', {args: 'after-used', caughtErrors: 'none'}],
      eqeqeq: 'error',
      'no-var': 'error',
      'prefer-const': 'error',
    },
  },
];
