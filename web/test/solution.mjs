// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The solution of a press, as the page hands it in and as ampora-calc writes it:
//   node solution.mjs SITE_DIR AMPORA_CALC
// For every calculator's worked example, pressed on the page by hand: the solution the
// page copies as Markdown and as LaTeX is ampora-calc's (--json with "solution") in each
// rendering; its LaTeX typesets in KaTeX without an error, block by block; its Markdown,
// read back through markdown-it (CommonMark, with tables), holds the givens and results
// in its tables and the steps the page shows in its list; its plain text works as the
// steps read; printed to PDF (A4 and Letter) it fills one page that pdftotext reads the
// caption, the givens, the steps and the results from. Its share link presses once when
// opened and shows the same boxes and steps; a link without press=1 presses nothing. A
// typed text full of markup and of LaTeX's special characters stays that text in every
// rendering and on the page, and adds no element.
import {spawnSync} from 'node:child_process';
import {mkdtempSync, rmSync} from 'node:fs';
import {createRequire} from 'node:module';
import os from 'node:os';
import path from 'node:path';

import {here, launch, serve, tally} from './browser.mjs';

const [site, calc] = process.argv.slice(2);
if (!site || !calc) {
  console.error('usage: node solution.mjs SITE_DIR AMPORA_CALC');
  process.exit(2);
}
const require = createRequire(import.meta.url);
const MarkdownIt = require('markdown-it');
const markdown = new MarkdownIt('commonmark').enable('table');
const katexScript = path.join(here, '../node_modules/katex/dist/katex.min.js');

const {check, finish} = tally();
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
const solid = (text) => text.normalize('NFKC').replace(/\s+/g, '');

const forms = JSON.parse(spawnSync('cat', [path.join(site, 'forms.json')], {encoding: 'utf8'}).stdout);
const kRenderings = ['text', 'markdown', 'latex'];

// ampora-calc's solutions of `requests`, in `rendering`.
function native(requests, rendering) {
  const input = requests.map((r) => JSON.stringify({...r, solution: rendering})).join('\n') + '\n';
  const run = spawnSync(calc, ['--json'], {input, encoding: 'utf8', maxBuffer: 1 << 26});
  return run.stdout
    .trim()
    .split('\n')
    .map((line) => JSON.parse(line).solution);
}

// A Markdown solution read back through markdown-it: its headings, its tables' rows of
// cell texts, its list's items, and every kind of token it holds.
function readMarkdown(text) {
  const tokens = markdown.parse(text, {});
  const read = {headings: [], tables: [], items: [], kinds: new Set()};
  const inline = (t) => t.children.map((c) => c.content).join('');
  let row = null;
  for (let k = 0; k < tokens.length; ++k) {
    const t = tokens[k];
    read.kinds.add(t.type);
    for (const c of t.children || []) read.kinds.add(c.type);
    if (t.type === 'heading_open') read.headings.push(inline(tokens[k + 1]));
    if (t.type === 'table_open') read.tables.push([]);
    if (t.type === 'tr_open') row = [];
    if (t.type === 'tr_close') read.tables.at(-1).push(row);
    if ((t.type === 'th_open' || t.type === 'td_open') && row) row.push(inline(tokens[k + 1]));
    if (t.type === 'list_item_open') read.items.push(inline(tokens[k + 2]));
  }
  return read;
}
// What a solution's Markdown may hold: headings, paragraphs, tables, lists, code spans,
// text, and strong titles of what a press told; never a link, an image, HTML or emphasis.
const kMarkdownKinds = new Set([
  'heading_open',
  'heading_close',
  'paragraph_open',
  'paragraph_close',
  'inline',
  'text',
  'code_inline',
  'softbreak',
  'table_open',
  'table_close',
  'thead_open',
  'thead_close',
  'tbody_open',
  'tbody_close',
  'tr_open',
  'tr_close',
  'th_open',
  'th_close',
  'td_open',
  'td_close',
  'ordered_list_open',
  'ordered_list_close',
  'bullet_list_open',
  'bullet_list_close',
  'list_item_open',
  'list_item_close',
  'strong_open',
  'strong_close',
]);

const row = (item) => [item.caption, item.name, item.text, item.unit, item.reading];

// A solution's Markdown against the page's own: the caption, the givens and results as
// the engine lists them, the steps as the page shows them.
function checkMarkdown(name, text, solution, steps) {
  const read = readMarkdown(text);
  check(read.headings[0] === solution.caption, `${name}: the Markdown's title is ${read.headings[0]}`);
  const unexpected = [...read.kinds].filter((k) => !kMarkdownKinds.has(k));
  check(unexpected.length === 0, `${name}: the Markdown holds ${unexpected.join(', ')}`);
  const tables = [solution.given, solution.found].filter((items) => items.length);
  const header = ['Quantity', 'Name', 'Value', 'Unit', 'Reading'];
  check(
    same(
      read.tables,
      tables.map((items) => [header, ...items.map(row)]),
    ),
    `${name}: the Markdown's tables read back as ${JSON.stringify(read.tables)}`,
  );
  const told = steps.length ? read.items.slice(0, steps.length) : [];
  check(same(told, steps), `${name}: the Markdown's steps read back as ${JSON.stringify(read.items)}`);
}

const server = await serve(site);
const browser = await launch();
const {context} = browser;
const page = context.pages()[0] || (await context.newPage());
// The clipboard as a page sees it, kept in the page: what it was last given, or a refusal
// while window.refuseCopy is set.
await page.addInitScript(() => {
  const clipboard = {
    writeText: async (text) => {
      if (window.refuseCopy) throw new DOMException('refused', 'NotAllowedError');
      window.copied = text;
    },
    readText: async () => window.copied,
  };
  Object.defineProperty(navigator, 'clipboard', {get: () => clipboard});
  // The browser's print dialog, counted rather than shown.
  window.prints = 0;
  window.print = () => ++window.prints;
});
const problems = [];
page.on('pageerror', (e) => problems.push(`exception: ${e.message}`));
page.on('console', (m) => {
  if (m.type() === 'error') problems.push(`console: ${m.text()}`);
});
const pdfs = mkdtempSync(path.join(os.tmpdir(), 'ampora-solution-'));

// A blank page that renders TeX with KaTeX: each block's error, or the text it shows.
const tex = await context.newPage();
await tex.setContent('<!DOCTYPE html><div id="out"></div>');
await tex.addScriptTag({path: katexScript});
// The form's page in front: a page behind another gets no animation frames, which every
// click waits for.
await page.bringToFront();
async function typeset(latex) {
  return tex.evaluate((text) => {
    const blocks = text.match(/\\begin\{align\*\}[\s\S]*?\\end\{align\*\}\n/g) || [];
    const shown = [];
    let error = blocks.join('') === text ? null : 'text outside the align* blocks';
    for (const block of blocks) {
      const out = document.getElementById('out');
      try {
        // eslint-disable-next-line no-undef
        katex.render(block, out, {displayMode: true, throwOnError: true, strict: 'error', trust: false});
        shown.push(out.querySelector('.katex-html').textContent);
      } catch (e) {
        error = `${e.message} in ${block}`;
      }
    }
    return {error, shown: shown.join('\n')};
  }, latex);
}

async function ready(hash) {
  await page.goto(`${server.url}index.html${hash}`);
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
}
async function closeDialogs() {
  while (await page.locator('#message[open]').count()) await page.click('#message-ok');
}
const shownSteps = () => page.$$eval('#steps li', (items) => items.map((li) => li.textContent));
const shownBoxes = () =>
  page.$$eval('#form-slot input[type=text][data-name]', (boxes) => boxes.map((b) => `${b.dataset.name}=${b.value}`));
const clipboard = () => page.evaluate(() => navigator.clipboard.readText());

// The printed page read back: its pages and its text.
async function printed(format, name) {
  const file = path.join(pdfs, `${name}-${format}.pdf`);
  await page.pdf({path: file, format});
  const text = spawnSync('pdftotext', [file, '-'], {encoding: 'utf8'}).stdout;
  return {pages: text.split('\f').length - 1, text};
}

// Every worked example, pressed by hand.
for (const decl of forms.calculators) {
  const {settings, press} = decl.example;
  const set = Object.fromEntries(settings.map((s) => [s.control, s.text]));
  const request = {calc: decl.name, set, ...(decl.presses.length > 1 ? {press} : {})};
  const query = settings.map((s) => `${encodeURIComponent(s.control)}=${encodeURIComponent(s.text)}`).join('&');
  await ready(`#${decl.name}?${query}`);
  check((await shownSteps()).length === 0, `${decl.name}: a link without press=1 pressed`);
  await page.click(`[data-name="${press}"]`);
  await closeDialogs();
  const steps = await shownSteps();
  const boxes = await shownBoxes();
  // What the page copies is what ampora-calc writes.
  const copied = {};
  for (const [id, rendering] of [
    ['copy-markdown', 'markdown'],
    ['copy-latex', 'latex'],
  ]) {
    await page.click(`#${id}`);
    const told = rendering === 'latex' ? 'LaTeX copied.' : 'Markdown copied.';
    await page.waitForFunction((text) => document.getElementById('solution-status').textContent === text, told);
    copied[rendering] = await clipboard();
  }
  const written = Object.fromEntries(kRenderings.map((r) => [r, native([request], r)[0]]));
  if (decl.presses.length === 1 || press) {
    check(copied.markdown === written.markdown, `${decl.name}: the page copies another Markdown\n${copied.markdown}`);
    check(copied.latex === written.latex, `${decl.name}: the page copies another LaTeX\n${copied.latex}`);
  }
  // The printed solution's tables, under their headings.
  const tables = await page.$$eval('#solution table', (all) =>
    all.map((t) => ({
      heading: t.previousElementSibling.textContent,
      rows: [...t.rows].map((r) => [...r.cells].map((c) => c.textContent)),
    })),
  );
  const itemsOf = (heading) =>
    (tables.find((t) => t.heading === heading)?.rows.slice(1) || []).map(([caption, name, text, unit, reading]) => ({
      caption,
      name,
      text,
      unit,
      reading,
    }));
  const drawn = {caption: await page.textContent('#solution h1'), given: itemsOf('Given'), found: itemsOf('Found')};
  check(drawn.caption === decl.caption, `${decl.name}: the printed solution's title is ${drawn.caption}`);
  check(drawn.found.length > 0, `${decl.name}: the printed solution found nothing`);
  checkMarkdown(decl.name, copied.markdown, drawn, steps);

  const {error} = await typeset(copied.latex);
  check(error === null, `${decl.name}: KaTeX: ${error}`);
  const work = written.text.split('\nWork\n')[1].split('\n\n')[0].trim().split('\n');
  check(same(work, steps), `${decl.name}: the plain text's work is ${JSON.stringify(work)}`);

  await page.click('#print');
  check((await page.evaluate(() => window.prints)) === 1, `${decl.name}: "Print" opens no print dialog`);

  // Printed: one page, with the caption, every given and result, every step.
  for (const format of ['A4', 'Letter']) {
    const {pages, text} = await printed(format, decl.name);
    check(pages === 1, `${decl.name}: printed on ${format}, ${pages} pages`);
    const page = solid(text);
    const cells = tables.flatMap((t) => t.rows.flat());
    const words = [decl.caption, ...steps, ...cells.flatMap((cell) => cell.split(/\s+/))].filter(Boolean);
    const missing = words.filter((w) => !page.includes(solid(w)));
    check(missing.length === 0, `${decl.name}: the ${format} page lacks ${JSON.stringify(missing)}\n${text}`);
  }

  // The link shared after the press presses once when opened, as by hand.
  await page.click('#copy-link');
  const link = await page.inputValue('#link');
  check(/[?&]press=[^&]+$/.test(link), `${decl.name}: the link after a press is ${link}`);
  await page.goto('about:blank');
  await page.goto(link);
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
  await closeDialogs();
  check(same(await shownBoxes(), boxes), `${decl.name}: ${link} opens with other boxes`);
  check(same(await shownSteps(), steps), `${decl.name}: ${link} shows other steps`);
}

// The link of the done-when: the results and the steps shown as it opens.
await ready('#pd?p=100&v=230&press=1');
check(
  (await page.inputValue('[data-name="i"]')) === '0.434782608695652' &&
    (await page.inputValue('[data-name="r"]')) === '529',
  '#pd?p=100&v=230&press=1 opens without its results',
);
check(
  same(await shownSteps(), [
    'i = p / v = 100 / 230 = 0.434782608695652',
    'r = p / (i * i) = 100 / (0.434782608695652 * 0.434782608695652) = 529',
  ]),
  '#pd?p=100&v=230&press=1 opens without its steps',
);

// Where the browser refuses the clipboard, the solution waits selected in a box.
await page.evaluate(() => (window.refuseCopy = true));
await page.click('#copy-latex');
await page.waitForFunction(() => !document.getElementById('solution-text').hidden);
check(
  (await page.inputValue('#solution-text')) === native([{calc: 'pd', set: {p: '100', v: '230'}}], 'latex')[0] &&
    (await page.textContent('#solution-status')) === 'Copy the solution from the box.' &&
    (await page.evaluate(() => document.activeElement.id)) === 'solution-text',
  'a refused copy leaves no solution to copy by hand',
);

// A typed text that is markup in HTML, Markdown and LaTeX stays that text everywhere.
const typed = String.raw`<i>4</i> $x$ #1 _a_ {b} ~c^ 50% \end{align*} | ${'`'}t${'`'} *s* [l](u) &amp; --`;
await ready(`#cond?r=${encodeURIComponent(typed)}&press=1`);
await closeDialogs();
const [line] = await shownSteps();
// A step quotes a text as a string: its backslashes and quotes escaped.
const quoted = typed.replace(/[\\"]/g, '\\$&');
check(line === `c = 1 / r = 1 / "${quoted}": The Resistance box does not hold a number.`, `the step reads ${line}`);
const added = await page.$$eval('#steps li *, #solution td *, #solution li *', (e) => e.length);
check(added === 0, `markup typed added ${added} elements to the steps and the printed solution`);
check(
  (await page.$$eval('#solution td', (cells) => cells.map((c) => c.textContent))).includes(typed),
  'the printed solution does not show the text as typed',
);
const request = {calc: 'cond', set: {r: typed}};
const md = native([request], 'markdown')[0];
const read = readMarkdown(md);
check(read.tables[0]?.[1]?.[2] === typed, `the Markdown reads the text back as ${read.tables[0]?.[1]?.[2]}`);
const unexpected = [...read.kinds].filter((k) => !kMarkdownKinds.has(k));
check(unexpected.length === 0, `markup typed turns into ${unexpected.join(', ')} in Markdown`);
check(read.items[0]?.startsWith('c = 1 / r = 1 / "'), `the Markdown's step reads ${read.items[0]}`);
const {error, shown} = await typeset(native([request], 'latex')[0]);
check(error === null, `KaTeX refuses the typed text: ${error}`);
// LaTeX sets a backtick and an apostrophe as the quotes they stand for in text.
const flat = (s) =>
  s
    .replace(/[\s\u00a0]+/g, '')
    .replace(/\u2018/g, '`')
    .replace(/\u2019/g, "'");
check(flat(shown).includes(flat(typed)), `KaTeX shows the typed text as ${shown}`);

check(problems.length === 0, `the page told: ${problems.join('\n')}`);
await tex.close();
await browser.close();
await server.close();
rmSync(pdfs, {recursive: true, force: true});
finish();
