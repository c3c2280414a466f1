// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's engine against the command line, byte for byte: loads the WebAssembly
// module in node, asks it every calculator's worked example, a few hundred generated
// requests per calculator and some tens of thousands of numbers through a component
// list's plain and reciprocal sums, and holds each answer line against the one that
// "ampora-calc --json" gives for the same line. Also checks that the forms document names
// every calculator that "ampora-calc --list" names, in order.
//
//     node agreement.mjs SITE_DIR AMPORA_CALC
import {spawnSync} from 'node:child_process';
import {readdirSync, readFileSync} from 'node:fs';
import path from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';

import {generator} from './requests.mjs';

const [site, calc] = process.argv.slice(2);
if (!site || !calc) {
  console.error('usage: node agreement.mjs SITE_DIR AMPORA_CALC');
  process.exit(2);
}

const {default: createAmporaEngine} = await import(pathToFileURL(path.join(site, 'ampora_engine.js')));
// The module is built for the page; node hands it its code instead of fetching it.
const engine = await createAmporaEngine({wasmBinary: readFileSync(path.join(site, 'ampora_engine.wasm'))});

function withText(text, call) {
  const size = engine.lengthBytesUTF8(text) + 1;
  const at = engine._malloc(size);
  engine.stringToUTF8(text, at, size);
  try {
    return call(at);
  } finally {
    engine._free(at);
  }
}
const answer = (line) => withText(line, (at) => engine.UTF8ToString(engine._ampora_answer(at)));
const event = (e) => JSON.parse(withText(JSON.stringify(e), (at) => engine.UTF8ToString(engine._ampora_event(at))));
// The rows a component list's "OK" shows for a count.
const rowsCovered = (count) => {
  const {view} = event({calc: 'res', event: 'click', control: 'Command1', set: {nc: count}});
  return view.hidden.filter((name) => /^ct\d$/.test(name)).length === 10
    ? 0
    : 10 - view.hidden.filter((name) => /^ct\d$/.test(name)).length;
};

const failures = [];
function fail(what) {
  failures.push(what);
}

// The forms document.
const forms = JSON.parse(readFileSync(path.join(site, 'forms.json'), 'utf8'));
const listed = spawnSync(calc, ['--list'], {encoding: 'utf8'});
if (listed.status !== 0) throw new Error(`${calc} --list failed: ${listed.stderr}`);
const names = listed.stdout
  .trim()
  .split('\n')
  .map((row) => row.split(/\s+/)[0]);
const described = forms.calculators.map((c) => c.name);
if (described.join(' ') !== names.join(' '))
  fail(`the forms document describes ${described.join(' ')}, ampora-calc lists ${names.join(' ')}`);
for (const form of forms.calculators) {
  const controls = new Set(form.controls.map((c) => c.name));
  for (const name of [...form.tabOrder, ...form.visibleBoxes, ...form.presses.map((p) => p.button)])
    if (!controls.has(name)) fail(`${form.name}: "${name}" is not among its controls`);
  for (const c of form.controls)
    if ((c.kind === 'Box' || c.kind === 'List') && !(c.name in form.labels))
      fail(`${form.name}: no labels for ${c.name}`);
}
for (const [count, rows] of [
  ['3', 3],
  ['2.5', 3],
  ['3.5', 3],
  ['0', 0],
  ['x', 0],
  ['99', 10],
  ['-4', 0],
  ['', 0],
])
  if (rowsCovered(count) !== rows) fail(`"OK" with the count "${count}" shows ${rowsCovered(count)} rows, not ${rows}`);

// The page's own modules draw and wire events: what a control holds after a click, a link
// or a focus change, and how a step reads, are the engine's to decide, and nothing of the
// declarations that decide them is read there.
const kDecided =
  /\b(relation|substituted|decodeURI(Component)?|encodeURI(Component)?|clears|resets|presses|focusDefaults|chosenAtStart|rowLabels|countBox|scratchBox|everyRow|rowsCovered)\b/;
const modules = path.join(path.dirname(fileURLToPath(import.meta.url)), '..', 'site');
for (const file of readdirSync(modules).filter((f) => f.endsWith('.js')))
  for (const [k, line] of readFileSync(path.join(modules, file), 'utf8').split('\n').entries())
    if (kDecided.test(line.replace(/\/\/.*$/, '')))
      fail(`${file}:${k + 1} decides what the engine decides: ${line.trim()}`);

// The same requests on every run.
const {next, below, pick, digits, anyDouble, halfWay, settings} = generator(0x2026n);

const lines = [];
const request = (calc, set, press) => {
  const r = {calc};
  if (set) r.set = set;
  if (press) r.press = press;
  lines.push(JSON.stringify(r));
};

// Every worked example, and every calculator's presses one at a time on it.
for (const form of forms.calculators) {
  const set = Object.fromEntries(form.example.settings.map((s) => [s.control, s.text]));
  request(form.name, set, form.example.press);
  request(form.name, set);
  for (const p of form.presses) request(form.name, set, p.button);
}

// Generated requests: some of the boxes filled, an option chosen, list entries picked.
for (const form of forms.calculators) {
  for (let n = 0; n < 300; ++n) {
    const {set, press} = settings(form);
    request(form.name, set, press);
  }
}

// Two unreadable boxes in one formula of basic electricity.
const pd = forms.calculators.find((c) => c.name === 'pd');
for (let n = 0; n < 100; ++n) {
  const set = Object.fromEntries(pd.visibleBoxes.map((box) => [box, '']));
  const [a, b] = [pick(pd.visibleBoxes), pick(pd.visibleBoxes)];
  set[a] = pick(['x', 'abc', ' ']);
  set[b] = pick(['y', '5V', '1.2.3']);
  request('pd', set);
}

// Lines that are not requests, and one longer than any line is read.
for (const line of [
  '',
  '   ',
  'null',
  '[1]',
  '{"calc":1}',
  '{"calc":"pd"',
  '{"calc":"nothing"}',
  '{"calc":"pd","press":""}',
])
  lines.push(line);
lines.push(JSON.stringify({calc: 'cond', set: {r: '4'.repeat(1 << 20)}}));

// Numbers through the component list: its plain sum of one row writes the number the row
// holds, and the reciprocal sum 1/(1/x); any double's text, texts of many digits, both
// ends of the range, half-way between two doubles and a hair either side, sixteenth
// digits that tie.
const res = forms.calculators.find((c) => c.name === 'res');
const [row, parallel] = [res.list.rows[0], res.list.parallel];
for (let n = 0; n < 40000; ++n) {
  let value;
  switch (n % 8) {
    case 0:
    case 1:
      value = anyDouble();
      break;
    case 2:
      value = digits(1 + below(40)) + 'e' + String(below(700) - 370);
      break;
    case 3:
      value = digits(1 + below(17)) + 'e' + String(pick([308, -308, -324, -320]) + below(7) - 3 - below(18));
      break;
    case 4:
    case 5: {
      const view = new DataView(new ArrayBuffer(8));
      view.setBigUint64(0, next() & (n % 8 === 4 ? 0x800fffffffffffffn : 0xbfffffffffffffffn));
      const tie = halfWay(view.getFloat64(0));
      value = pick([tie, tie + '1', tie.slice(0, tie.length - 1 - below(5))]);
      break;
    }
    default:
      value =
        String(1000000000000005 + 10 * below(800000000000000)) + pick(['', '.000000000000001', 'e-' + below(300)]);
  }
  const set = {nc: '1', [row]: value};
  if (n % 2) set[parallel] = '1';
  request('res', set, res.list.calculateButton);
}

// The same lines to both.
const started = process.hrtime.bigint();
const web = lines.map(answer);
const webSeconds = Number(process.hrtime.bigint() - started) / 1e9;
const native = spawnSync(calc, ['--json'], {input: lines.join('\n') + '\n', maxBuffer: 1 << 30, encoding: 'utf8'});
const nativeLines = native.stdout.split('\n');
nativeLines.pop();
// A batch with a refused line ends with status 2, one whose lines were all answered with 0.
const refused = nativeLines.some((line) => line.startsWith('{"error"'));
if (native.status !== (refused ? 2 : 0))
  throw new Error(`${calc} --json ended with status ${native.status}: ${native.stderr}`);
if (nativeLines.length !== lines.length) fail(`ampora-calc answered ${nativeLines.length} lines of ${lines.length}`);

const checks = failures.length;
let differ = 0;
for (let i = 0; i < lines.length; ++i) {
  if (web[i] === nativeLines[i]) continue;
  if (++differ <= 10)
    fail(
      `line ${i + 1}: ${lines[i].slice(0, 300)}\n  web:    ${web[i].slice(0, 400)}\n` +
        `  native: ${(nativeLines[i] || '').slice(0, 400)}`,
    );
}
if (differ > 10) fail(`... ${differ} lines differ in all`);

console.log(
  `${lines.length} lines to ${forms.calculators.length} calculators; the web engine answered them in ` +
    `${webSeconds.toFixed(2)} s`,
);
for (const f of failures) console.log(`FAIL: ${f}`);
console.log(`${lines.length - differ} passed, ${differ + checks} failed`);
process.exit(failures.length ? 1 : 0);
