// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web edition's figures, in headless chromium with the site served on 127.0.0.1:
// - what the first visit fetches (the page, and the service worker keeping every file),
//   gzip-compressed (target: at most 250 KB in all);
// - from navigation to the first calculator ready for typing, on a first visit (a new
//   browser context each time, in a browser already running) and from the service
//   worker's cache (target: at most 300 ms median); beside it, in the same runs, a blank
//   page and a page that only loads the engine (fetched, compiled and started), so that
//   the page's own share of the time shows;
// - one press in the page, for every calculator's worked example (target: under 2 ms).
//
//     node bench/web.mjs [SITE_DIR]      (after the web build and scripts/setup.sh)
import {readFileSync} from 'node:fs';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import {gzipSync} from 'node:zlib';

import {launch, launchBrowser, serve} from '../web/test/browser.mjs';

const root = path.join(path.dirname(fileURLToPath(import.meta.url)), '..');
const site = process.argv[2] || path.join(root, 'build', 'web', 'site');
const kRuns = 15;
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const kb = (bytes) => `${(bytes / 1000).toFixed(1)} KB`;

// The two pages the calculators are measured against: each marks "ampora-ready" as the
// page does, the blank one at once, the other once the engine has started.
const ready = `performance.mark('ampora-ready'); document.documentElement.dataset.ready = 'true';`;
const blank = `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>blank</title>
<script type="module">${ready}</script></head><body></body></html>`;
const engineOnly = `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>engine</title>
<link rel="modulepreload" href="ampora_engine.js">
<link rel="preload" href="ampora_engine.wasm" as="fetch" type="application/wasm" crossorigin>
<script type="module">
import createAmporaEngine from './ampora_engine.js';
await createAmporaEngine();
${ready}
</script></head><body></body></html>`;
const server = await serve(site, {'/bench-blank.html': blank, '/bench-engine.html': engineOnly});
const readyAt = (page) => page.evaluate(() => performance.getEntriesByName('ampora-ready')[0].startTime);

// First visits, the three pages in turn in each run.
const cold = [];
const coldBlank = [];
const coldEngine = [];
let fetched = null;
const browser = await launchBrowser();
const firstVisit = async (address) => {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(address);
  await page.waitForSelector('html[data-ready]');
  const at = await readyAt(page);
  return {context, page, at};
};
for (let run = 0; run < kRuns; ++run) {
  for (const [address, times] of [
    ['bench-blank.html', coldBlank],
    ['bench-engine.html', coldEngine],
  ]) {
    const {context, at} = await firstVisit(`${server.url}${address}`);
    times.push(at);
    await context.close();
  }
  server.served.length = 0;
  const {context, page, at} = await firstVisit(`${server.url}index.html#pd`);
  cold.push(at);
  if (!fetched) {
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, {timeout: 15000});
    fetched = [...server.served];
  }
  await context.close();
}
await browser.close();

const fileOf = (p) => (p.endsWith('/') ? `${p}index.html` : p);
const gzipped = (p) => gzipSync(readFileSync(path.join(site, fileOf(p))), {level: 9}).length;
const files = [...new Set(fetched.map((r) => fileOf(r.path)))];
let raw = 0;
let compressed = 0;
const rows = [];
for (const file of files) {
  const size = readFileSync(path.join(site, file)).length;
  raw += size;
  compressed += gzipped(file);
  rows.push(`  ${file.padEnd(24)} ${kb(size).padStart(10)} ${kb(gzipped(file)).padStart(10)} gzip`);
}
// Every answer with a body: the service worker asks again for the files the page has
// already fetched, which the browser's cache answers with "304 Not Modified".
const sent = fetched.filter((r) => r.status === 200).reduce((sum, r) => sum + gzipped(r.path), 0);
const revalidated = fetched.filter((r) => r.status === 304).length;

// Loads from the service worker's cache, and presses.
const {context, close} = await launch();
const page = await context.newPage();
await page.goto(`${server.url}index.html#pd`);
await page.waitForSelector('html[data-ready]');
await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, {timeout: 15000});
const cached = [];
for (let run = 0; run < kRuns; ++run) {
  await page.goto('about:blank');
  await page.goto(`${server.url}index.html#pd`);
  await page.waitForSelector('html[data-ready]');
  cached.push(await readyAt(page));
}

const presses = await page.evaluate(async () => {
  const tick = () => new Promise((resolve) => setTimeout(resolve, 0));
  const {calculators} = await (await fetch('forms.json')).json();
  const times = [];
  const each = {};
  for (const d of calculators) {
    location.hash = `#${d.name}`;
    while (!document.querySelector(`#form-slot [data-form="${d.name}"]`)) await tick();
    const at = (name) => document.querySelector(`#form-slot [data-name="${name}"]`);
    const mine = [];
    for (let n = 0; n < 100; ++n) {
      for (const s of d.example.settings) {
        const e = at(s.control);
        if (e.type === 'radio') e.checked = true;
        else if (e instanceof HTMLSelectElement) e.selectedIndex = [...e.options].findIndex((o) => o.text === s.text);
        else e.value = s.text;
      }
      if (d.list) at(d.list.ok).click();
      const started = performance.now();
      at(d.example.press).click();
      mine.push(performance.now() - started);
      for (
        let dialog = document.querySelector('dialog[open]');
        dialog;
        dialog = document.querySelector('dialog[open]')
      ) {
        dialog.querySelector('button').click();
        await tick();
      }
    }
    mine.sort((a, b) => a - b);
    each[d.name] = mine[Math.floor(mine.length / 2)];
    times.push(...mine);
  }
  times.sort((a, b) => a - b);
  return {
    median: times[Math.floor(times.length / 2)],
    p95: times[Math.floor(times.length * 0.95)],
    max: times[times.length - 1],
    each,
  };
});
await close();
await server.close();

console.log(
  `First visit: ${files.length} files, ${kb(raw)}, ${kb(compressed)} gzip; sent with a body: ${kb(sent)} gzip ` +
    `(${fetched.length} requests, ${revalidated} answered "304 Not Modified")  [target: at most 250 KB]`,
);
for (const row of rows) console.log(row);
console.log(
  `First visits, median of ${kRuns} each, in the same runs: a blank page ${median(coldBlank).toFixed(0)} ms, ` +
    `the engine alone ${median(coldEngine).toFixed(0)} ms, the first calculator ready ` +
    `${median(cold).toFixed(0)} ms: the page's own share ${(median(cold) - median(coldEngine)).toFixed(0)} ms`,
);
console.log(
  `Navigation to the first calculator ready for typing, median of ${kRuns}: ` +
    `${median(cold).toFixed(0)} ms on a first visit, ${median(cached).toFixed(0)} ms from the service worker's cache  ` +
    `[target: at most 300 ms]`,
);
console.log(
  `One press in the page (the worked examples, 100 each): median ${presses.median.toFixed(3)} ms, ` +
    `95th percentile ${presses.p95.toFixed(3)} ms, slowest ${presses.max.toFixed(3)} ms  [target: under 2 ms]`,
);
console.log(
  `  median per calculator: ${Object.entries(presses.each)
    .map(([n, t]) => `${n} ${t.toFixed(3)}`)
    .join(', ')}`,
);
