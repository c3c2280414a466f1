// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web edition in Debian's chromium, served on 127.0.0.1 by this process and driven as
// a user drives it, held against "ampora-calc --json":
//   node page.mjs SITE_DIR AMPORA_CALC forms   every worked example typed and pressed, with
//       its readings and standard parts; a component list through its count and "OK";
//       messages, fault reports, Reset, "*", Enter and Tab; share links, hostile ones too;
//       a site that cannot be loaded; offline after one visit; axe-core on the panel and
//       every calculator; no control over another or cut off at 360 pixels wide; the
//       drawings and the wide layout pinned as digests. AMPORA_WEB_SCREENSHOTS=1 also
//       writes docs/screenshots/web-*.png.
//   node page.mjs SITE_DIR AMPORA_CALC differential   generated inputs typed into every
//       calculator's page, whose boxes, dialogs and steps must be ampora-calc's.
// AMPORA_WEB_FAIL_FAST=1 stops at the first failure, console error or uncaught exception;
// AMPORA_WEB_INPUTS=N types N generated inputs into each calculator (200 unless told).
import {spawnSync} from 'node:child_process';
import {createHash} from 'node:crypto';
import {readFileSync} from 'node:fs';
import path from 'node:path';
import {pathToFileURL} from 'node:url';

import {here, launch, serve} from './browser.mjs';
import {generator} from './requests.mjs';

const [site, calc, part] = process.argv.slice(2);
if (!site || !calc || !['forms', 'differential'].includes(part)) {
  console.error('usage: node page.mjs SITE_DIR AMPORA_CALC forms|differential');
  process.exit(2);
}

let passed = 0;
const failures = [];
const failFast = process.env.AMPORA_WEB_FAIL_FAST === '1';
class Stop extends Error {}
function check(ok, what) {
  if (ok) ++passed;
  else failures.push(what);
  if (failFast && (!ok || problems.length)) throw new Stop(what);
  return ok;
}
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

// The forms document the page draws from, and the engine it asks, in node.
const {default: createAmporaEngine} = await import(pathToFileURL(path.join(site, 'ampora_engine.js')));
const engine = await createAmporaEngine({wasmBinary: readFileSync(path.join(site, 'ampora_engine.wasm'))});
const forms = JSON.parse(readFileSync(path.join(site, 'forms.json'), 'utf8'));
const declarations = new Map(forms.calculators.map((c) => [c.name, c]));

// ampora-calc's answers to request objects, with the work explained.
function native(requests) {
  const input = requests.map((r) => JSON.stringify({...r, explain: true})).join('\n') + '\n';
  const run = spawnSync(calc, ['--json'], {input, encoding: 'utf8', maxBuffer: 1 << 28});
  const answers = run.stdout
    .trim()
    .split('\n')
    .map((line) => JSON.parse(line));
  // Status 2 when the batch refused a line, else 0.
  if (run.status !== (answers.some((a) => a.error !== undefined) ? 2 : 0))
    throw new Error(`${calc} --json ended with status ${run.status}: ${run.stderr}`);
  return answers;
}
// The engine's answer to one of the page's events, from the same module in node.
function engineEvent(event) {
  const text = JSON.stringify(event);
  const size = engine.lengthBytesUTF8(text) + 1;
  const at = engine._malloc(size);
  engine.stringToUTF8(text, at, size);
  try {
    return JSON.parse(engine.UTF8ToString(engine._ampora_event(at)));
  } finally {
    engine._free(at);
  }
}
const stepLine = (s) =>
  `${s.box} = ${s.relation} = ${s.substituted}` + (s.fault === undefined ? ` = ${s.result}` : `: ${s.fault}`);

// The digests of the drawings and of the wide layout (see workedExamples and phone).
const kDrawings = 'd372a22413d44c67';
const kLayout = '128492fa8a1ac369';

const server = await serve(site);
const browser = await launch();
const problems = []; // console errors and uncaught exceptions, from any page
function watch(page) {
  page.on('console', (m) => {
    // The help manual names no icon, so offline the browser's own look for one fails.
    if (m.type() === 'error' && !m.location().url.endsWith('/favicon.ico'))
      problems.push(`console: ${m.text()} (${m.location().url})`);
  });
  page.on('pageerror', (e) => problems.push(`exception: ${e.message}`));
  page.on('dialog', (d) => {
    problems.push(`a browser dialog: ${d.message()}`);
    d.dismiss();
  });
  return page;
}
// Loads the page afresh (a new hash alone would only open another calculator).
async function open(page, hash) {
  await page.goto('about:blank');
  await page.goto(`${server.url}index.html${hash}`);
  await page.waitForSelector('html[data-ready]');
}
// The open calculator's control `name`.
const control = (page, name) => page.locator(`#form-slot [data-name="${name}"]`);

async function boxesOf(page, decl) {
  return page.evaluate(
    (names) => Object.fromEntries(names.map((n) => [n, document.querySelector(`#form-slot [data-name="${n}"]`).value])),
    decl.visibleBoxes,
  );
}
const stepsShown = (page) => page.locator('#steps li').allTextContents();

try {
  if (part === 'forms') await formsPart();
  else await differentialPart();
} catch (error) {
  if (!(error instanceof Stop)) throw error;
} finally {
  await browser.close();
  await server.close();
}

for (const p of problems) failures.push(p);
for (const f of failures) console.log(`FAIL: ${f}`);
console.log(`${passed} passed, ${failures.length} failed`);
process.exit(failures.length ? 1 : 0);

// ---------------------------------------------------------------------------------------

async function formsPart() {
  browser.context.setDefaultTimeout(10000);
  const page = watch(await browser.context.newPage());
  const parts = [
    () => panel(page),
    () => workedExamples(page),
    () => componentList(page),
    () => messagesAndButtons(page),
    () => everyClickShowsTheEnginesView(page),
    () => theDefaultFollowsTheFocus(page),
    () => shareLinks(page),
    () => markupStaysText(page),
    offline,
    () => accessibility(page),
    phone,
  ];
  if (process.env.AMPORA_WEB_SCREENSHOTS === '1') parts.push(screenshots);
  // A part that stops on an error fails; the others still run.
  for (const run of parts) {
    try {
      await run();
    } catch (error) {
      if (error instanceof Stop) throw error;
      check(false, `${error.stack.split('\n').slice(0, 4).join(' ')}`);
    }
  }
}

// The panel offers every calculator under the desktop's frames and captions; "Trigonometry"
// leads to the chooser; "About" tells the version.
async function panel(page) {
  await open(page, '');
  const offered = await page
    .locator('#panel [data-opens]')
    .evaluateAll((all) => all.map((e) => [e.textContent, e.dataset.opens]));
  check(
    same(
      offered,
      forms.panel.filter((r) => r.opens).map((r) => [r.caption, r.opens]),
    ),
    `the panel offers ${JSON.stringify(offered)}`,
  );
  const frames = await page.locator('#panel .frame-caption').allTextContents();
  check(same(frames, ['Electrical', 'Testing tools', 'Magnetism', 'Mathematics']), `the panel's frames read ${frames}`);
  await page.locator('#panel [data-opens]').first().focus();
  await page.keyboard.press('Tab');
  check(
    (await page.evaluate(() => document.activeElement.dataset.opens)) === offered[1][1],
    'Tab on the panel goes to its next button',
  );
  await page.getByRole('link', {name: 'Trigonometry'}).click();
  await page.getByRole('link', {name: 'Circle'}).click();
  check((await page.locator('#calculator-caption').textContent()) === 'Circle', 'the chooser opens the circle');
  // The panel's "About" and the header's.
  for (const about of [page.locator('#panel').getByRole('button', {name: 'About'}), page.locator('#about-open')]) {
    await about.click();
    check(
      (await page.locator('dialog[open] h2').textContent()) === 'Ampora' &&
        (await page.locator('dialog[open]').textContent()).includes(`Version: ${forms.version}`),
      'About tells the version',
    );
    await page.keyboard.press('Enter');
    check(
      !(await page.locator('dialog[open]').count()) && (await about.evaluate((b) => b === document.activeElement)),
      'Enter closes About and gives the focus back',
    );
  }
  await open(page, '#nosuch');
  check(
    (await page.locator('#welcome').isVisible()) &&
      (await page.locator('#unknown').textContent()) === 'Ampora has no calculator called "nosuch".',
    'a link to no calculator tells so on the panel',
  );

  // A site that cannot be loaded says so, as text, whatever the file it could not read held.
  for (const broken of ['/forms.json', '/ampora_engine.wasm']) {
    const server = await serve(site, {[broken]: '<b>not</b> <img src=x onerror="window.pwned=1">'});
    const failing = await browser.context.newPage();
    try {
      await failing.goto(`${server.url}index.html#pd`);
      const unknown = failing.locator('#unknown');
      await unknown.waitFor();
      check(
        (await unknown.textContent()).startsWith('The calculators could not be loaded: ') &&
          !(await failing.locator('#unknown *').count()) &&
          (await failing.evaluate(() => window.pwned)) === undefined,
        `with ${broken} broken the page tells ${await unknown.innerHTML()}`,
      );
    } finally {
      await failing.close();
      await server.close();
    }
  }
}

// Every calculator's worked example, typed with the keyboard and pressed with the mouse.
async function workedExamples(page) {
  const requests = forms.calculators.map((d) => ({
    calc: d.name,
    press: d.example.press,
    set: Object.fromEntries(d.example.settings.map((s) => [s.control, s.text])),
  }));
  const answers = native(requests);
  const drawings = [];
  for (const [i, d] of forms.calculators.entries()) {
    await open(page, `#${d.name}`);
    for (const s of d.example.settings) {
      const kind = d.controls.find((c) => c.name === s.control).kind;
      const target = control(page, s.control);
      if (kind === 'List') await target.selectOption({label: s.text});
      else if (kind === 'Option') await target.check();
      else await target.fill(s.text);
      // The count box's Enter presses "OK", which shows the rows.
      if (d.list && s.control === d.list.countBox) await target.press('Enter');
    }
    await readsAsTheEngine(page, d, 'as typed');
    await control(page, d.example.press).click();
    const boxes = await boxesOf(page, d);
    // A box the press wrote shows its text from the start, nothing of it selected.
    const typed = Object.fromEntries(d.example.settings.map((s) => [s.control, s.text]));
    const written = d.visibleBoxes.filter((n) => answers[i].boxes[n] !== (typed[n] ?? ''));
    const carets = await page.evaluate(
      (names) => names.map((n) => document.querySelector(`#form-slot [data-name="${n}"]`).selectionEnd),
      written,
    );
    check(
      same(boxes, answers[i].boxes) && carets.every((at) => at === 0),
      `${d.name}'s example gives ${JSON.stringify(boxes)}, ampora-calc ${JSON.stringify(answers[i].boxes)}, carets at ${carets}`,
    );
    const steps = await stepsShown(page);
    check(same(steps, answers[i].steps.map(stepLine)), `${d.name}'s example shows the steps ${JSON.stringify(steps)}`);
    check(!(await page.locator('dialog[open]').count()), `${d.name}'s example opens a dialog`);
    const shown = await readsAsTheEngine(page, d, 'after its press');
    if (d.name === 'pd')
      check(
        shown.boxes.r.parts.startsWith('E12: 3.9 Ω (\u22122.50 %), 4.7 Ω (+17.5 %)E24: 3.9 Ω (\u22122.50 %)'),
        `the parts that fit 4 ohms read ${shown.boxes.r.parts}`,
      );
    const svg = await page
      .locator('#form-slot svg, #readings-slot .summary-row:not([hidden])')
      .evaluateAll((all) => all.map((e) => e.outerHTML));
    drawings.push(d.name, ...svg);
  }
  // The pictures, the sketches, the summary's rows and the resistors' bands, pinned: when
  // a drawing changes on purpose, check the new one by eye and pin the digest this prints.
  const digest = createHash('sha256').update(drawings.join('\n')).digest('hex').slice(0, 16);
  check(digest === kDrawings, `the drawings' digest is ${digest}, pinned ${kDrawings}`);
}

// Every box's reading, its row in the summary and the standard parts that fit it, as the
// engine reads the boxes; what the form shows (below).
async function readsAsTheEngine(page, decl, when) {
  const shown = await readingsShown(page, decl);
  const told = engineEvent({calc: decl.name, event: 'edited', control: null, set: shown.set, si: false});
  check(
    same(
      withoutDeviations(shown.boxes),
      expectedReadings(told, [...Object.keys(shown.boxes), ...Object.keys(told.readings)]),
    ) &&
      (await page.getByRole('region', {name: 'Readings'}).isVisible()) ===
        Object.values(shown.boxes).some((b) => b.summary !== null),
    `${decl.name}'s example ${when} reads ${JSON.stringify(shown.boxes)}, the engine ${JSON.stringify(told.readings)}`,
  );
  return shown;
}

// What the open form tells of its boxes: the settings its controls hold, as an event's,
// and for each box its reading, the reading in its summary row and the standard parts
// shown for it (null where hidden), and the bands of the resistor drawn in the row.
async function readingsShown(page, decl) {
  return page.evaluate((decl) => {
    const at = (name) => document.querySelector(`#form-slot [data-name="${name}"]`);
    const set = {};
    for (const name of decl.visibleBoxes) set[name] = at(name).value;
    for (const c of decl.controls) {
      if (c.kind === 'Option' && at(c.name).checked) set[c.name] = '1';
      if (c.kind === 'List')
        set[c.name] = at(c.name).selectedIndex < 0 ? '' : at(c.name).options[at(c.name).selectedIndex].text;
    }
    const text = (e) => (!e || e.hidden ? null : e.textContent);
    const boxes = {};
    for (const e of document.querySelectorAll('#form-slot [data-reading-of]')) {
      const name = e.dataset.readingOf;
      const row = document.querySelector(`#readings-slot [data-summary-of="${name}"]`);
      const parts = document.querySelector(`#form-slot [data-parts-of="${name}"]`);
      boxes[name] = {
        reading: text(e),
        summary: row.hidden ? null : row.querySelector('.summary-reading').textContent,
        parts: parts ? text(parts) : text(row.querySelector('.parts')),
        inSummary: text(row.querySelector('.parts')),
        bands: [...row.querySelectorAll('[data-band]')].map((b) => b.dataset.band),
      };
    }
    return {set, boxes};
  }, decl);
}

// The readings shown with the parts' deviations left out.
function withoutDeviations(boxes) {
  const cut = (text) => text?.replace(/ \((?:\u2212|\+)?[0-9.]+ %\)/g, '') ?? null;
  return Object.fromEntries(
    Object.entries(boxes).map(([name, b]) => [name, {...b, parts: cut(b.parts), inSummary: cut(b.inSummary)}]),
  );
}

// What the engine's readings and standard parts say the boxes `names` must show: the parts
// as their series' readings (each with its deviation, left out here) and the bands' names.
function expectedReadings({readings, preferred}, names) {
  const parts = (p) => {
    if (!p) return null;
    if (p.rated) return `Rated current: ${p.rated.reading}`;
    const series = ['E12', 'E24', 'E96'].filter((s) => p[s]?.length);
    return (
      series.map((s) => `${s}: ${p[s].map((v) => v.reading).join(', ')}`).join('') + (p.bands?.E24 || []).join(' ')
    );
  };
  const expected = {};
  for (const name of new Set(names)) {
    const reading = readings[name] || null;
    expected[name] = {
      reading,
      summary: reading || preferred[name] ? reading || '' : null,
      parts: parts(preferred[name]),
      inSummary: parts(preferred[name]),
      bands: preferred[name]?.bands?.E24 || [],
    };
  }
  return expected;
}

// A component list: rows hidden until "OK" shows those the count covers; Enter in the
// count box presses "OK", then "Calculate".
async function componentList(page) {
  const d = declarations.get('res');
  await open(page, '#res');
  const shownRows = () =>
    page.evaluate(
      (rows) =>
        rows
          .map((r) => {
            const box = document.querySelector(`#form-slot [data-name="${r}"]`);
            return box.getClientRects().length > 0;
          })
          .lastIndexOf(true) + 1,
      d.list.rows,
    );
  const visible = (name) => control(page, name).isVisible();
  check(
    (await shownRows()) === 0 && !(await visible('Frame1')) && !(await visible('Label2')) && !(await visible('d')),
    'res opens with rows, the combination frame and "Answer:" shown',
  );
  const count = control(page, 'nc');
  for (const [text, rows] of [
    ['3', 3],
    ['2.5', 3],
    ['12', 10],
    ['0', 0],
    ['abc', 0],
    ['5', 5],
    ['3', 3],
  ]) {
    await count.fill(text);
    await count.press('Enter');
    check(
      (await shownRows()) === rows && (await visible('Frame1')) && (await visible('Label2')),
      `count "${text}" and OK show ${await shownRows()} rows, not ${rows}`,
    );
  }
  // The count still has the focus: Enter now presses "Calculate".
  for (const [k, value] of ['100', '220', '470'].entries()) await control(page, `ct${k}`).fill(value);
  await count.focus();
  await count.press('Enter');
  check(
    (await control(page, 'ans').inputValue()) === '',
    'Enter in the count box after typing in it presses "OK" only',
  );
  await count.press('Enter');
  check((await control(page, 'ans').inputValue()) === '790', 'the second Enter in the count box presses "Calculate"');
  check(
    await control(page, 'Command2').evaluate((b) => b.classList.contains('default')),
    '"Calculate" is marked the default',
  );
  await count.fill('4');
  check(
    await control(page, 'Command1').evaluate((b) => b.classList.contains('default')),
    'typing a count makes "OK" the default',
  );
  await count.press('Enter');
  await control(page, 'pc').check();
  check(!(await control(page, 'sc').isChecked()), 'choosing "parallel" leaves "series" unchosen');
  await control(page, 'Command5').click(); // "*" empties the answer
  await control(page, 'ct3').fill('');
  await control(page, 'ct0').press('Enter');
  check(
    (await control(page, 'ans').inputValue()) ===
      native([{calc: 'res', press: 'Command2', set: {nc: '4', ct0: '100', ct1: '220', ct2: '470', pc: '1'}}])[0].boxes
        .ans,
    'parallel over four rows, one empty',
  );
}

// Messages and fault reports as modal dialogs; Reset, "*", Enter and Tab.
async function messagesAndButtons(page) {
  const dialog = async () => {
    const open = page.locator('dialog[open]');
    if (!(await open.count())) return null;
    const shown = {title: await open.locator('h2').textContent(), text: await open.locator('p').first().textContent()};
    await open.getByRole('button', {name: 'OK'}).click();
    await page.evaluate(() => new Promise((resolve) => setTimeout(resolve))); // after the dialog's close event
    return shown;
  };
  await open(page, '#oscil');
  await control(page, 'vs').press('Enter'); // two empty boxes
  check(
    same(await dialog(), {title: 'Error!', text: 'Leave one field blank!'}),
    'the oscilloscope tells "Leave one field blank!" under "Error!"',
  );
  check(!(await page.locator('dialog[open]').count()), 'OK closes the message');
  check(
    await control(page, 'vs').evaluate((e) => e === document.activeElement),
    'the focus goes back to the box after the message',
  );
  await control(page, 't').fill('0.01');
  await control(page, 'hs').fill('0.002');
  await control(page, 'hs').press('Enter'); // the frequency panel's own default
  check(
    (await control(page, 'f').inputValue()) === '100' && (await control(page, 'hd').inputValue()) === '5',
    'Enter in a frequency box presses the frequency panel\'s "Calculate"',
  );
  await control(page, 'v').fill('10');
  await control(page, 'vd').fill('4');
  await control(page, 'vd').press('Enter');
  check(
    (await control(page, 'vs').inputValue()) === '2.5',
    'Enter in a voltage box presses the voltage panel\'s "Calculate"',
  );
  await control(page, 'Command3').click();
  check(
    (await boxesOf(page, declarations.get('oscil'))).t === '0.01' && (await control(page, 'v').inputValue()) === '',
    "the voltage panel's Reset empties its boxes only",
  );

  await open(page, '#pd');
  await control(page, 'p').fill('abc');
  await control(page, 'v').fill('2');
  await control(page, 'v').press('Enter');
  const fault = native([{calc: 'pd', set: {p: 'abc', v: '2'}}])[0].reports[0];
  check(same(await dialog(), fault), "a fault is reported under the form's caption with ampora-calc's sentence");
  check(
    same(await stepsShown(page), ['i = p / v = "abc" / 2: The Power box does not hold a number.']),
    'the failed step is shown',
  );
  await control(page, 'p').fill('100');
  await control(page, 'p').press('Enter');
  check((await control(page, 'i').inputValue()) !== '', 'Enter in a box presses "Calculate"');
  check(
    (await control(page, 'Command30').getAttribute('aria-label')) === 'Clear Power',
    'a "*" button is named after its box',
  );
  await control(page, 'Command30').click();
  const afterClear = await boxesOf(page, declarations.get('pd'));
  check(afterClear.p === '' && afterClear.v === '2', '"*" empties its own box only');
  await control(page, 'Command1').click();
  check(
    Object.values(await boxesOf(page, declarations.get('pd'))).every((t) => t === ''),
    'Reset empties every box',
  );
  await control(page, 'p').fill('x');
  await control(page, 'r').fill('1');
  await control(page, 'calc').click();
  await page.evaluate(() => {
    location.hash = '#cond';
  });
  await page.waitForSelector('#form-slot [data-form="cond"]');
  check(!(await page.locator('dialog[open]').count()), "opening another calculator closes the last one's report");
  // Prefixed input turned on in one calculator: another come back to reads its boxes anew.
  const goTo = async (hash) => {
    await page.evaluate((hash) => (location.hash = hash), hash);
    await page.waitForSelector(`#form-slot [data-form="${hash.slice(1)}"]`);
  };
  await goTo('#pd');
  await control(page, 'p').fill('4k7');
  await goTo('#cond');
  await page.locator('#prefixes').check();
  await goTo('#pd');
  check(
    (await page.locator('#form-slot [data-reading-of="p"]').textContent()) === '4.7 kW',
    'with prefixes turned on elsewhere "4k7" reads 4.7 kW',
  );

  // Tab follows the declared order: the triangle's starts with "Calculate".
  await open(page, '#ratri');
  const order = [];
  for (let n = 0; n < 6; ++n) {
    order.push(await page.evaluate(() => document.activeElement.dataset.name));
    await page.keyboard.press('Tab');
  }
  check(same(order, declarations.get('ratri').tabOrder), `Tab visits ${order.join(' ')} on the triangle`);
  await page.keyboard.press('Shift+Tab');
  check((await page.evaluate(() => document.activeElement.dataset.name)) === 'C', 'Shift+Tab goes back');
}

// What the open form shows: every box's text, the options, the lists' entries, which
// controls can be seen, the default button, the steps shown, and the open dialogs (read
// and closed).
async function shownView(page, decl) {
  const view = await page.evaluate((decl) => {
    const at = (name) => document.querySelector(`#form-slot [data-name="${name}"]`);
    const seen = (e) => e.getClientRects().length > 0;
    const boxes = {},
      options = {},
      lists = {},
      visible = [];
    for (const c of decl.controls) {
      const e = at(c.name);
      if (!e) continue;
      if (c.kind === 'Box' && decl.visibleBoxes.includes(c.name)) boxes[c.name] = e.value;
      if (c.kind === 'Option') options[c.name] = e.checked;
      if (c.kind === 'List') lists[c.name] = e.selectedIndex < 0 ? '' : e.options[e.selectedIndex].text;
      if (
        ['Box', 'Button', 'Label', 'Option', 'List'].includes(c.kind) &&
        seen(c.kind === 'Option' ? e.parentElement : e)
      )
        visible.push(c.name);
    }
    const marked = [...document.querySelectorAll('#form-slot .default')].map((e) => e.dataset.name);
    const steps = [...document.querySelectorAll('#steps li')].map((li) => ({
      line: li.textContent,
      faulted: li.classList.contains('fault'),
    }));
    return {boxes, options, lists, visible, default: marked.join(' '), steps};
  }, decl);
  view.dialogs = [];
  for (let open = page.locator('dialog[open]'); await open.count();) {
    view.dialogs.push({
      title: await open.locator('h2').textContent(),
      text: await open.locator('p').first().textContent(),
    });
    await open.getByRole('button', {name: 'OK'}).click();
  }
  return view;
}

// What the engine's view says the page must show.
function expectedView(decl, view) {
  const hidden = new Set(view.hidden);
  const parent = new Map(decl.controls.map((c) => [c.name, c.parent]));
  const visible = decl.controls
    .filter((c) => ['Box', 'Button', 'Label', 'Option', 'List'].includes(c.kind))
    .filter((c) => !hidden.has(c.name) && !hidden.has(parent.get(c.name)) && !(c.at.width === 0 && c.at.height === 0))
    .map((c) => c.name);
  const sorted = (o) => Object.fromEntries(Object.entries(o).sort(([a], [b]) => a.localeCompare(b)));
  return {
    boxes: sorted(view.boxes),
    options: sorted(view.options),
    lists: sorted(view.lists),
    visible,
    default: view.default,
  };
}

// Every button of every form clicked in turn, over controls filled with numbers, words
// and nothing: after each click the page shows exactly the view the engine gives for the
// same controls (every box, option and list, what can be seen, the default button), and
// after a press its steps and dialogs.
async function everyClickShowsTheEnginesView(page) {
  const g = generator(0x0c11cn);
  for (const d of forms.calculators) {
    await open(page, `#${d.name}`);
    const buttons = d.controls.filter((c) => c.kind === 'Button').map((c) => c.name);
    // A component list shows some rows first, so that there is something to reset.
    if (d.list) {
      await control(page, d.list.countBox).fill('4');
      await control(page, d.list.ok).click();
    }
    for (let round = 0; round < 3; ++round) {
      for (const button of buttons) {
        const {set} = g.settings(d);
        const typed = typeable(d, set) || {};
        await page.evaluate(
          ({decl, typed}) => {
            const at = (name) => document.querySelector(`#form-slot [data-name="${name}"]`);
            for (const [name, text] of Object.entries(typed)) {
              const c = decl.controls.find((x) => x.name === name);
              const e = at(name);
              if (c.kind === 'Option') e.checked = true;
              else if (c.kind === 'List') e.selectedIndex = c.entries.indexOf(text);
              else e.value = text;
            }
          },
          {decl: d, typed},
        );
        const before = await page.evaluate((decl) => {
          const at = (name) => document.querySelector(`#form-slot [data-name="${name}"]`);
          const set = {};
          for (const name of decl.visibleBoxes) set[name] = at(name).value;
          for (const c of decl.controls) {
            if (c.kind === 'Option' && at(c.name).checked) set[c.name] = '1';
            if (c.kind === 'List')
              set[c.name] = at(c.name).selectedIndex < 0 ? '' : at(c.name).options[at(c.name).selectedIndex].text;
          }
          const hidden = decl.controls
            .map((c) => c.name)
            .filter((n) => {
              const e = at(n);
              return e && (e.type === 'radio' ? e.parentElement : e).hidden;
            });
          const marked = document.querySelector('#form-slot .default');
          return {set, hidden, default: marked ? marked.dataset.name : null};
        }, d);
        const stepsBefore = await stepsShown(page);
        const answer = engineEvent({calc: d.name, event: 'click', control: button, ...before});
        await page.evaluate((name) => document.querySelector(`#form-slot [data-name="${name}"]`).click(), button);
        const shown = await shownView(page, d);
        const sorted = (o) => Object.fromEntries(Object.entries(o).sort(([a], [b]) => a.localeCompare(b)));
        for (const key of ['boxes', 'options', 'lists']) shown[key] = sorted(shown[key]);
        const want = expectedView(d, answer.view);
        const what = `${d.name}: after a click on ${button} over ${JSON.stringify(before.set)}`;
        for (const key of ['boxes', 'options', 'lists', 'visible', 'default'])
          check(
            same(shown[key], want[key]),
            `${what}, the page shows ${key} ${JSON.stringify(shown[key])}, the engine ${JSON.stringify(want[key])}`,
          );
        const steps = answer.work
          ? answer.work
          : stepsBefore.map((line) => ({line, faulted: shown.steps.find((s) => s.line === line)?.faulted}));
        check(
          same(
            shown.steps.map((s) => s.line),
            steps.map((s) => s.line),
          ) &&
            same(
              shown.steps.map((s) => s.faulted),
              answer.work ? answer.work.map((s) => s.faulted) : shown.steps.map((s) => s.faulted),
            ),
          `${what}, the page shows the steps ${JSON.stringify(shown.steps)}, the engine ${JSON.stringify(answer.work)}`,
        );
        check(
          same(shown.dialogs, answer.reports || []),
          `${what}, the page tells ${JSON.stringify(shown.dialogs)}, the engine ${JSON.stringify(answer.reports)}`,
        );
      }
    }
  }
}

// Tab and Shift+Tab through every form, typing into its boxes on the way: after each
// focus change and edit, the default button is the one the engine gives for the same
// changes, and Enter in a box presses it.
async function theDefaultFollowsTheFocus(page) {
  for (const d of forms.calculators) {
    await open(page, `#${d.name}`);
    if (d.list) {
      await control(page, d.list.countBox).fill('3');
      await control(page, d.list.ok).click();
    }
    const focused = () => page.evaluate(() => document.activeElement?.dataset?.name ?? null);
    const marked = () => page.evaluate(() => document.querySelector('#form-slot .default')?.dataset.name ?? null);
    // The engine, told the same changes.
    let expected = await marked();
    let at = await focused();
    if (at) expected = engineEvent({calc: d.name, event: 'focusin', control: at, default: expected}).default;
    await page.evaluate(() => document.activeElement?.blur());
    if (at) expected = engineEvent({calc: d.name, event: 'focusout', control: at, default: expected}).default;
    await control(page, d.tabOrder[0] || d.visibleBoxes[0]).focus();
    at = await focused();
    expected = engineEvent({calc: d.name, event: 'focusin', control: at, default: expected}).default;
    const moves = [...Array(d.tabOrder.length + 2).keys()].map((k) => (k % 5 === 4 ? 'Shift+Tab' : 'Tab'));
    for (const key of moves) {
      const box = d.visibleBoxes.includes(at);
      if (box) {
        const before = await control(page, at).inputValue();
        await page.keyboard.type('1');
        expected = engineEvent({calc: d.name, event: 'edited', control: at, default: expected}).default;
        check(
          (await marked()) === expected &&
            (await focused()) === at &&
            (await control(page, at).inputValue()) === `${before}1`,
          `${d.name}: typing in ${at} leaves ${await marked()} the default, not ${expected}, or types elsewhere`,
        );
      }
      await page.keyboard.press(key);
      const next = await focused();
      if (next !== at) {
        expected = engineEvent({calc: d.name, event: 'focusout', control: at, default: expected}).default;
        if (next) expected = engineEvent({calc: d.name, event: 'focusin', control: next, default: expected}).default;
      }
      at = next;
      check(
        (await marked()) === expected,
        `${d.name}: with the focus on ${at} the default is ${await marked()}, not ${expected}`,
      );
    }
    // From its first stop Tab visits, once each and in the declared order, every control
    // that can be seen and takes the focus, an option group once at its chosen option,
    // then leaves for the prefixes box; Shift+Tab at the first leaves the form.
    const stops = await page.evaluate((d) => {
      const at = (name) => document.querySelector(`#form-slot [data-name="${name}"]`);
      const order = d.tabOrder.length ? d.tabOrder : d.controls.map((c) => c.name);
      const takes = (e) => e?.matches('input, select, button') && !e.disabled && e.getClientRects().length > 0;
      const groups = new Set();
      const stops = [];
      for (const name of order.filter((n) => takes(at(n)))) {
        const e = at(name);
        if (e.type !== 'radio') stops.push(name);
        else if (!groups.has(e.name)) {
          groups.add(e.name);
          stops.push(order.find((n) => at(n)?.name === e.name && at(n).checked) || name);
        }
      }
      return stops;
    }, d);
    await control(page, stops[0]).focus();
    await page.keyboard.press('Shift+Tab');
    const behind = await page.evaluate(
      () => !document.activeElement.closest('#form-slot') && document.activeElement.getClientRects().length > 0,
    );
    await page.keyboard.press('Tab');
    const visited = [await focused()];
    while (visited.length <= stops.length && visited.at(-1) !== 'si') {
      await page.keyboard.press('Tab');
      visited.push(await focused());
    }
    check(
      same(visited, [...stops, 'si']) && behind,
      `${d.name}: Tab visits ${visited.join(' ')}, not ${stops.join(' ')} si, or Shift+Tab stays in the form`,
    );
  }
  // Enter in a box presses the default the focus left: after the count box, "Calculate".
  await open(page, '#res');
  await control(page, 'nc').fill('2');
  await control(page, 'nc').press('Enter');
  await control(page, 'ct0').fill('2');
  await control(page, 'ct1').fill('3');
  await control(page, 'nc').focus();
  await control(page, 'ct1').focus();
  await control(page, 'ct1').press('Enter');
  check((await control(page, 'ans').inputValue()) === '5', 'Enter in a row after the count box presses "Calculate"');
}

// Texts with markup stay texts: in the boxes, in the steps a press shows, in every dialog
// and in what a link's ignored names are told as.
async function markupStaysText(page) {
  const markup = '<b>1</b><img src=x onerror="window.pwned=1">';
  await open(page, '#pd');
  await control(page, 'p').fill(markup);
  await control(page, 'v').fill('2');
  await control(page, 'v').press('Enter');
  const told = native([{calc: 'pd', set: {p: markup, v: '2'}}])[0];
  const shown = await shownView(page, declarations.get('pd'));
  check(same(shown.dialogs, told.reports), `a fault over markup tells ${JSON.stringify(shown.dialogs)}`);
  check(
    same(
      shown.steps.map((s) => s.line),
      told.steps.map(stepLine),
    ),
    `the steps over markup show ${JSON.stringify(shown.steps)}`,
  );
  check(shown.boxes.p === markup, 'a box keeps markup as typed');
  const elements = await page.evaluate(
    () => document.querySelectorAll('#steps b, #steps img, #form-slot b, #form-slot img, dialog b, dialog img').length,
  );
  check(
    elements === 0 && (await page.evaluate(() => window.pwned)) === undefined,
    'markup after a press adds no element and runs nothing',
  );
  await open(page, `#pd?${encodeURIComponent(markup)}=1&p=${encodeURIComponent(markup)}`);
  check(
    (await page.locator('#link-status').textContent()) === `The link names nothing called ${markup}.`,
    "a link's ignored name is told as it reads",
  );
  check(
    (await control(page, 'p').inputValue()) === markup &&
      (await page.evaluate(() => document.querySelectorAll('main b, main img').length)) === 0,
    'a link with markup fills its box as it reads and adds no element',
  );
}

// Share links open filled and press nothing; texts in them are only ever values.
async function shareLinks(page) {
  await open(page, '#pd?p=100&v=230');
  check(
    (await control(page, 'p').inputValue()) === '100' &&
      (await control(page, 'v').inputValue()) === '230' &&
      (await control(page, 'i').inputValue()) === '',
    'a link fills its boxes and presses nothing',
  );
  check((await stepsShown(page)).length === 0, 'a link shows no steps');
  await open(page, '#res?nc=2&c0=60&ct1=30&pc=1');
  check(await control(page, 'pc').isChecked(), 'a link chooses an option with 1');
  check(
    (await control(page, 'ct0').isVisible()) &&
      (await control(page, 'ct1').isVisible()) &&
      !(await control(page, 'ct2').isVisible()) &&
      (await control(page, 'ct0').inputValue()) === '60',
    'a link that sets the count shows the rows it covers; a row is also named by its caption',
  );
  await control(page, 'Command2').click();
  check((await control(page, 'ans').inputValue()) === '20', 'the linked resistors in parallel give 20');
  await open(page, '#rcc?unit=4%20-%20Yellow&tens=7%20-%20Violet&pten=2%20-%20Red&toller=Gold%205%25');
  check(
    (await control(page, 'toller').evaluate((s) => s.options[s.selectedIndex].text)) === 'Gold 5%',
    'a link picks a list entry by its text',
  );

  // Copy link makes a link that opens the same.
  await page.getByRole('button', {name: 'Copy link'}).click();
  const link = await page.locator('#link').inputValue();
  check(
    link.endsWith('#rcc?unit=4%20-%20Yellow&tens=7%20-%20Violet&pten=2%20-%20Red&toller=Gold%205%25'),
    `Copy link gives ${link}`,
  );

  // Texts that hold every character a link reserves, encoded as a URL component is, read
  // back as they were; so do those Copy link makes of them, and those typed by hand.
  const reserved = {p: 'a+b c', i: '1&2=3', v: '50% #1?', r: ' %2B ', w: '+&=%#? ', q: 'µΩ'};
  const typedLink = Object.entries(reserved)
    .map(([n, t]) => `${n}=${encodeURIComponent(t)}`)
    .join('&');
  await open(page, `#pd?${typedLink}`);
  check(
    same(await boxesOf(page, declarations.get('pd')), {...reserved, t: ''}),
    `a link with reserved characters fills ${JSON.stringify(await boxesOf(page, declarations.get('pd')))}`,
  );
  await page.getByRole('button', {name: 'Copy link'}).click();
  const copied = await page.locator('#link').inputValue();
  check(copied.endsWith(`#pd?${typedLink}`), `Copy link of reserved characters gives ${copied}`);
  await page.goto('about:blank');
  await page.goto(copied);
  await page.waitForSelector('html[data-ready]');
  check(
    same(await boxesOf(page, declarations.get('pd')), {...reserved, t: ''}),
    'the copied link opens the same boxes',
  );
  for (const [raw, boxes] of [
    ['#pd?p=1+2&v=a?b', {p: '1+2', v: 'a?b'}],
    ['#pd?p=a#b', {p: 'a#b'}],
    ['#pd?p=5%&v=%zz', {p: '5%', v: '%zz'}],
    ['#pd?p=%E2%82%AC%20', {p: '€ '}],
  ]) {
    await open(page, raw);
    const got = await boxesOf(page, declarations.get('pd'));
    check(
      Object.entries(boxes).every(([n, t]) => got[n] === t),
      `the link ${raw} fills ${JSON.stringify(got)}`,
    );
  }

  const hostile = {
    p: '<img src=x onerror="window.pwned=1">',
    v: '</script><script>window.pwned=2</script>',
    i: '"><svg onload=window.pwned=3>',
    r: '1E+5 & <b>bold</b>',
  };
  const query = Object.entries(hostile)
    .map(([n, t]) => `${n}=${encodeURIComponent(t)}`)
    .join('&');
  const before = problems.length;
  await open(page, `#pd?${query}`);
  await page.waitForTimeout(100);
  for (const [name, text] of Object.entries(hostile))
    check((await control(page, name).inputValue()) === text, `a hostile link's ${name} shows as typed`);
  check((await page.evaluate(() => window.pwned)) === undefined, 'a hostile link runs nothing');
  check(
    !(await page.locator('dialog[open]').count()) &&
      !(await page.locator('#form-slot img, #form-slot b, #form-slot script').count()),
    'a hostile link makes no element and opens no dialog',
  );
  await page.goto(`${server.url}index.html#<img src=x onerror=window.pwned=4>?<svg onload=window.pwned=5>=1`);
  await page.waitForSelector('html[data-ready]');
  check(
    (await page.evaluate(() => window.pwned)) === undefined &&
      (await page.locator('main img, main svg[onload]').count()) === 0,
    'a hostile calculator name runs nothing',
  );
  check(problems.length === before, `hostile links cause ${problems.slice(before).join('; ')}`);
}

// After one visit the site works with the network off.
async function offline() {
  const {context, close} = await launch();
  const page = watch(await context.newPage());
  try {
    await open(page, '#cond');
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, {timeout: 15000});
    const cached = await page.evaluate(async () => {
      const names = await caches.keys();
      return {names, files: names.length ? (await (await caches.open(names[0])).keys()).length : 0};
    });
    check(
      cached.names.length === 1 && cached.names[0].startsWith('ampora-') && cached.files >= 14,
      `the service worker keeps the site: ${JSON.stringify(cached)}`,
    );
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    await control(page, 'r').fill('4');
    await control(page, 'r').press('Enter');
    check((await control(page, 'c').inputValue()) === '0.25', 'offline, the conductance of 4 ohms is 0.25');
    await page.goto(`${server.url}help.html`);
    check((await page.locator('h1').count()) > 0, 'offline, the help manual opens');
    await context.setOffline(false);
  } finally {
    await close();
  }
}

// axe-core: no serious or critical violation on the panel, the chooser, any calculator, or
// with a message open.
async function accessibility(page) {
  const axe = readFileSync(path.join(here, '..', 'node_modules', 'axe-core', 'axe.min.js'), 'utf8');
  const audit = async (what) => {
    if (!(await page.evaluate(() => typeof window.axe === 'object'))) await page.evaluate(axe);
    const violations = await page.evaluate(async () => {
      const result = await window.axe.run(document, {resultTypes: ['violations']});
      return result.violations
        .filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map(
          (v) =>
            `${v.id} (${v.nodes
              .map((n) => n.target.join(' '))
              .slice(0, 3)
              .join(', ')})`,
        );
    });
    check(!violations.length, `axe on ${what}: ${violations.join('; ')}`);
  };
  for (const [hash, what] of [
    ['', 'the panel'],
    ['#trigono', 'the chooser'],
  ]) {
    await open(page, hash);
    await audit(what);
  }
  for (const d of forms.calculators) {
    await open(page, `#${d.name}`);
    if (d.list) {
      await control(page, d.list.countBox).fill('10');
      await control(page, d.list.ok).click();
    }
    await audit(d.name);
    // Each box and list is named by its caption and described by its unit in words, as on
    // the desktop.
    const wrong = await page.evaluate((d) => {
      const spoken = Object.fromEntries(d.spokenNames.map((s) => [s.control, s.name]));
      return Object.entries(d.labels)
        .filter(([name, l]) => {
          const e = document.querySelector(`#form-slot [data-name="${name}"]`);
          if (e.hidden) return false;
          const described = e.getAttribute('aria-describedby');
          const words = described ? document.getElementById(described).textContent : '';
          return e.getAttribute('aria-label') !== (spoken[name] || l.caption) || words !== (l.unitWords || l.unit);
        })
        .map(([name]) => name);
    }, d);
    check(!wrong.length, `${d.name}: ${wrong.join(', ')} not named or described as on the desktop`);
  }
  await open(page, '#oscil');
  await control(page, 'Command1').click();
  await audit('a message');
  const words = await page.evaluate(() => {
    const box = document.querySelector('[data-name="v"]');
    return box.getAttribute('aria-label');
  });
  check(words === 'D.C Voltage', `the oscilloscope's voltage box is named "${words}"`);
}

// At 360 pixels wide no control covers another and none is cut off, and a calculator is
// shown without the panel.
async function phone() {
  const page = watch(await browser.context.newPage());
  // On a wide screen every control stands at its declared rectangle, the panel's and every
  // form's, with the captions that do not fit set smaller: their places, sizes and classes
  // pinned as a digest (when the layout changes on purpose, check it by eye and pin the
  // digest this prints).
  await page.setViewportSize({width: 1280, height: 900});
  const placed = [];
  const fitted = {};
  const layout = () =>
    page.evaluate(() =>
      [...document.querySelectorAll('main [data-name], main [data-opens], main .frame, main .form')]
        .filter((e) => e.getClientRects().length > 0)
        .map((e) => {
          const r = e.getBoundingClientRect();
          const at = [r.left, r.top, r.width, r.height].map((v) => Math.round(v * 2) / 2).join(',');
          const {fontSize, fontFamily} = getComputedStyle(e);
          return `${e.dataset.name || e.dataset.opens || ''} ${e.className} ${at} ${fontSize} ${fontFamily}`;
        }),
    );
  for (const d of [{name: ''}, ...forms.calculators]) {
    await open(page, d.name ? `#${d.name}` : '');
    placed.push(d.name, ...(await layout()));
    fitted[d.name] = await page.locator('#form-slot .fitted').count();
  }
  const digest = createHash('sha256').update(placed.join('\n')).digest('hex').slice(0, 16);
  check(digest === kLayout, `the wide layout's digest is ${digest}, pinned ${kLayout}`);
  // A form opened narrow fits its captions when the window widens.
  const tight = forms.calculators.find((d) => fitted[d.name] > 0);
  if (check(tight, 'some caption is set smaller on a wide screen')) {
    await page.setViewportSize({width: 360, height: 740});
    await open(page, `#${tight.name}`);
    await page.setViewportSize({width: 1280, height: 900});
    await page.waitForTimeout(100);
    const count = await page.locator('#form-slot .fitted').count();
    check(count === fitted[tight.name], `${tight.name} opened narrow sets ${count} captions smaller when wide`);
  }

  await page.setViewportSize({width: 360, height: 740});
  for (const d of [{name: ''}, ...forms.calculators]) {
    await open(page, d.name ? `#${d.name}` : '');
    if (d.list) {
      await control(page, d.list.countBox).fill('10');
      await control(page, d.list.ok).click();
    }
    const found = await page.evaluate(() => {
      const shown = [...document.querySelectorAll('main [data-name], main [data-opens]')]
        .filter((e) => !e.closest('svg') && !e.matches('.frame, .picture, .copy'))
        .map((e) => (e.type === 'radio' ? e.parentElement : e))
        .filter((e) => e.getClientRects().length > 0);
      const width = document.documentElement.clientWidth;
      const problems = [];
      const rects = shown.map((e) => [
        e.dataset.name || e.dataset.opens || e.querySelector('input')?.dataset.name,
        e.getBoundingClientRect(),
        e,
      ]);
      for (const [name, r, e] of rects) {
        if (r.left < -0.5 || r.right > width + 0.5) problems.push(`${name} reaches ${r.left}..${r.right}`);
        if (e.scrollWidth > e.clientWidth + 1 && !(e instanceof HTMLInputElement))
          problems.push(`${name}'s text is cut off`);
      }
      for (let i = 0; i < rects.length; ++i) {
        for (let j = i + 1; j < rects.length; ++j) {
          const [a, ra] = rects[i];
          const [b, rb] = rects[j];
          const across = Math.min(ra.right, rb.right) - Math.max(ra.left, rb.left);
          const down = Math.min(ra.bottom, rb.bottom) - Math.max(ra.top, rb.top);
          if (across > 0.5 && down > 0.5) problems.push(`${a} and ${b} overlap`);
        }
      }
      if (document.documentElement.scrollWidth > width)
        problems.push(`the page is ${document.documentElement.scrollWidth} pixels wide`);
      return {problems, count: rects.length};
    });
    check(
      !found.problems.length && found.count > 0 && (!d.name || !(await page.locator('#panel').isVisible())),
      `at 360 pixels, ${d.name || 'the panel'}: ${found.problems.join('; ')}, or the panel beside the calculator`,
    );
  }
  await page.close();
}

// The README's two pictures: a calculator in use on a wide screen and on a phone.
async function screenshots() {
  const out = path.join(here, '..', '..', 'docs', 'screenshots');
  const page = watch(await browser.context.newPage());
  for (const [width, height, hash, file] of [
    [1280, 640, '#res?nc=3&ct0=100&ct1=220&ct2=470&v=12', 'web-wide.png'],
    [360, 740, '#pd?v=12&r=4', 'web-phone.png'],
  ]) {
    await page.setViewportSize({width, height});
    await open(page, hash);
    const decl = declarations.get(hash.slice(1, hash.indexOf('?')));
    await control(page, decl.example.press).click();
    await page.evaluate(() => document.activeElement.blur());
    await page.screenshot({path: path.join(out, file)});
  }
  await page.close();
}

// ---------------------------------------------------------------------------------------

// Generated inputs typed into each calculator through its page: the boxes, the dialogs and
// the steps must be ampora-calc's for the same request.
async function differentialPart() {
  const page = watch(await browser.context.newPage());
  await open(page, '');
  const g = generator(0x5173n);
  const kPerCalculator = Number(process.env.AMPORA_WEB_INPUTS) || 200;
  let typed = 0;
  let told = 0;
  for (const d of forms.calculators) {
    const cases = [];
    while (cases.length < kPerCalculator) {
      const {set, press} = g.settings(d);
      const settled = typeable(d, set);
      if (settled) cases.push({calc: d.name, set: settled, press});
    }
    const answers = native(cases);
    const shown = await page.evaluate(drive, {decl: d, cases});
    for (const [i, c] of cases.entries()) {
      const want = answers[i];
      const got = shown[i];
      const steps = c.press || d.presses.length === 1 ? want.steps.map(stepLine) : got.steps;
      if (
        !check(
          same(got.boxes, want.boxes) && same(got.dialogs, want.reports) && same(got.steps, steps),
          `${JSON.stringify(c)}\n  page:        ${JSON.stringify(got).slice(0, 600)}\n  ampora-calc: ${JSON.stringify(want).slice(0, 600)}`,
        ) &&
        failures.length > 10
      )
        return;
      ++typed;
      if (got.dialogs.length) ++told;
    }
  }
  console.log(
    `${typed} inputs typed into ${forms.calculators.length} calculators, ${told} of them answered with a dialog`,
  );
}

// A generated request as a user can give it: a list's entry by its text. Null for one
// that names no control of the form or no entry of a list.
function typeable(decl, set) {
  const out = {};
  for (const [name, text] of Object.entries(set)) {
    const c = decl.controls.find((x) => x.name === name);
    if (!c || !['Box', 'Option', 'List'].includes(c.kind)) return null;
    if (c.kind === 'List' && text !== '' && !c.entries.includes(text)) {
      if (!/^[0-9]{1,3}$/.test(text) || Number(text) >= c.entries.length) return null;
      out[name] = c.entries[Number(text)];
    } else {
      out[name] = text;
    }
  }
  return out;
}

// In the page: each case typed into the calculator as it opens and its buttons pressed;
// what the boxes, the dialogs and the steps then show.
async function drive({decl, cases}) {
  const tick = () => new Promise((resolve) => setTimeout(resolve, 0));
  if (location.hash !== `#${decl.name}`) {
    location.hash = `#${decl.name}`;
    while (!document.querySelector(`#form-slot [data-form="${decl.name}"]`)) await tick();
  }
  const at = (name) => document.querySelector(`#form-slot [data-name="${name}"]`);
  const type = (name, text) => {
    const box = at(name);
    box.focus();
    box.value = text;
    box.dispatchEvent(new Event('input', {bubbles: true}));
  };
  const dialogs = async () => {
    const told = [];
    await tick();
    for (let dialog = document.querySelector('dialog[open]'); dialog; dialog = document.querySelector('dialog[open]')) {
      told.push({title: dialog.querySelector('h2').textContent, text: dialog.querySelector('p').textContent});
      dialog.querySelector('button').click();
      await tick();
    }
    return told;
  };
  const results = [];
  for (const c of cases) {
    if (decl.list) {
      // Every row shown, so that every row can be typed into.
      type(decl.list.countBox, '10');
      at(decl.list.ok).click();
    }
    for (const name of decl.visibleBoxes)
      if (!(decl.list && name === decl.list.countBox)) type(name, c.set[name] ?? '');
    if (decl.list) type(decl.list.countBox, c.set[decl.list.countBox] ?? '');
    for (const o of decl.controls.filter((x) => x.kind === 'Option'))
      at(o.name).checked = decl.chosenAtStart.includes(o.name);
    for (const l of decl.controls.filter((x) => x.kind === 'List')) {
      const list = at(l.name);
      const text = c.set[l.name] ?? '';
      list.focus();
      list.selectedIndex = l.entries.indexOf(text);
      list.dispatchEvent(new Event('change', {bubbles: true}));
    }
    for (const o of decl.controls.filter((x) => x.kind === 'Option' && c.set[x.name] === '1')) at(o.name).click();
    const told = [];
    for (const button of c.press ? [c.press] : decl.presses.map((p) => p.button)) {
      at(button).click();
      told.push(...(await dialogs()));
    }
    results.push({
      boxes: Object.fromEntries(decl.visibleBoxes.map((n) => [n, at(n).value])),
      dialogs: told,
      steps: [...document.querySelectorAll('#steps li')].map((li) => li.textContent),
    });
  }
  return results;
}
