// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web edition's page: the main panel and the trigonometry chooser, one calculator at a
// time (index.html#CALC, or #CALC?NAME=TEXT&... to open it with controls set), messages
// and fault reports as modal dialogs, the work behind the last press, share links, and
// Tab following each form's declared order. Everything is drawn from the engine's forms
// document, which the build writes beside the engine as forms.json.
import {loadEngine} from './engine.js';
import {CalculatorForm, kWide, place} from './forms.js';

const $ = (id) => document.getElementById(id);

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

// The document and the engine load side by side: the panel is drawn from the document
// while the engine still compiles.
function unavailable(error) {
  $('unknown').hidden = false;
  $('unknown').textContent = `The calculators could not be loaded: ${error.message}`;
  throw error;
}
const loading = loadEngine();
loading.catch(() => {}); // told once it is awaited
const forms = await fetch('forms.json')
  .then((r) => r.json())
  .catch(unavailable);
const declarations = new Map(forms.calculators.map((c) => [c.name, c]));
const opened = new Map(); // the form table: one form per calculator for the visit
let current = null; // the calculator shown

// ---- messages and fault reports: one modal dialog at a time, in the order told

const queue = [];
let focusAfter = null;

function showNext() {
  const dialog = $('message');
  const next = queue.shift();
  if (!next) {
    if (focusAfter?.isConnected) focusAfter.focus();
    focusAfter = null;
    return;
  }
  $('message-title').textContent = next.title;
  $('message-text').textContent = next.text;
  dialog.showModal();
  $('message-ok').focus();
}

$('message-ok').addEventListener('click', () => $('message').close());
$('message').addEventListener('close', showNext);

function report(reports, returnTo = document.activeElement) {
  queue.push(...reports);
  if (!focusAfter) focusAfter = returnTo;
  if (!$('message').open) showNext();
}

// ---- the work behind the last press, and its solution to copy or print

// `answer`: the engine's answer to a press, with its "work", "reports" and "solution".
function showWork(answer, form) {
  form.work = answer.work;
  form.solution = answer.solution;
  if (form === current) drawWork(form);
}

function drawWork(form) {
  const list = $('steps');
  list.replaceChildren();
  const work = form.work;
  $('work-none').hidden = work === undefined || work.length > 0;
  $('work-empty').hidden = work !== undefined;
  for (const step of work || []) list.append(element('li', step.faulted ? 'fault' : '', step.line));
  for (const id of ['copy-markdown', 'copy-latex', 'print']) $(id).disabled = !form.solution;
  $('solution-status').textContent = '';
  $('solution-text').hidden = true;
  drawSolution(form);
}

// The solution as the printed page lays it out: the caption, what was given, the work
// step by step, what the press told and what it found. Only ever printed.
function drawSolution(form) {
  const into = $('solution');
  into.replaceChildren();
  const solution = form?.solution;
  document.body.toggleAttribute('data-solution', Boolean(solution));
  if (!solution) return;
  const table = (heading, items) => {
    if (!items.length) return;
    const rows = element('table');
    const head = element('tr');
    for (const h of ['Quantity', 'Name', 'Value', 'Unit', 'Reading']) head.append(element('th', '', h));
    rows.append(head);
    for (const item of items) {
      const row = element('tr');
      for (const k of ['caption', 'name', 'text', 'unit', 'reading']) row.append(element('td', '', item[k]));
      rows.append(row);
    }
    into.append(element('h2', '', heading), rows);
  };
  into.append(element('h1', '', solution.caption));
  table('Given', solution.given);
  const steps = element('ol');
  for (const step of form.work) steps.append(element('li', step.faulted ? 'fault' : '', step.line));
  into.append(element('h2', '', 'Work'), form.work.length ? steps : element('p', '', 'Nothing was worked out.'));
  if (form.told?.length) {
    const told = element('ul');
    for (const r of form.told) told.append(element('li', '', `${r.title}: ${r.text}`));
    into.append(element('h2', '', 'Told'), told);
  }
  table('Found', solution.found);
}

async function copySolution(rendering, name) {
  const text = current?.solution?.[rendering];
  if (!text) return;
  const shown = $('solution-text');
  shown.value = text;
  try {
    await navigator.clipboard.writeText(text);
    shown.hidden = true;
    $('solution-status').textContent = `${name} copied.`;
  } catch {
    shown.hidden = false;
    shown.select();
    $('solution-status').textContent = 'Copy the solution from the box.';
  }
}
$('copy-markdown').addEventListener('click', () => copySolution('markdown', 'Markdown'));
$('copy-latex').addEventListener('click', () => copySolution('latex', 'LaTeX'));
$('print').addEventListener('click', () => window.print());

const ui = {report, showWork, prefixed: () => $('prefixes').checked};

// Prefixed input, for the visit: the calculator shown reads its boxes anew.
$('prefixes').addEventListener('change', () => current?.reread());

// ---- the main panel and the chooser, drawn from their rows

function drawPanel(rows, into, name) {
  // Each row is a control of the panel; a button's row also names the form it opens.
  const controls = rows;
  const opens = new Map(rows.map((r) => [r.name, r.opens]));
  const root = element('div', 'form panel');
  root.dataset.form = name;
  const width = Math.max(...controls.filter((c) => !c.parent).map((c) => c.at.left + c.at.width)) + 120;
  const height = Math.max(...controls.filter((c) => !c.parent).map((c) => c.at.top + c.at.height)) + 120;
  const origin = Math.min(...controls.filter((c) => !c.parent).map((c) => c.at.top)) - 120;
  root.style.setProperty('--w', `${width / forms.twipsPerPixel}px`);
  root.style.setProperty('--h', `${(height - origin) / forms.twipsPerPixel}px`);
  // In the panel's own order: each frame with its buttons, then the buttons on the panel.
  const button = (c) => {
    const target = opens.get(c.name);
    let b;
    if (target === 'frmAbout') {
      b = element('button', 'button', c.caption);
      b.type = 'button';
      b.addEventListener('click', () => openAbout(b));
    } else {
      b = element('a', 'button', c.caption);
      b.href = `#${target}`;
    }
    if (c.at.height >= forms.twoLineHeight) b.classList.add('two-lines');
    b.dataset.opens = target;
    place(b, c.parent ? c.at : {...c.at, top: c.at.top - origin}, '', forms.twipsPerPixel);
    return b;
  };
  const stack = element('div', 'stack');
  for (const c of controls.filter((x) => !x.parent)) {
    if (c.kind !== 'Frame') {
      stack.append(button(c));
      continue;
    }
    const frame = element('div', 'frame');
    frame.setAttribute('role', 'group');
    const caption = element('span', 'frame-caption', c.caption);
    caption.id = `${name}-${c.name}`;
    frame.setAttribute('aria-labelledby', caption.id);
    const inside = element('div', 'stack');
    inside.append(...controls.filter((x) => x.parent === c.name).map(button));
    frame.append(caption, inside);
    place(frame, {...c.at, top: c.at.top - origin}, '', forms.twipsPerPixel);
    stack.append(frame);
  }
  root.append(stack);
  into.append(root);
}

function openAbout(returnTo) {
  const about = $('about');
  about.showModal();
  $('about-ok').focus();
  about.addEventListener('close', () => returnTo?.focus(), {once: true});
}
$('about-ok').addEventListener('click', () => $('about').close());
$('about-version').textContent = `Version: ${forms.version}`;
$('about-open').addEventListener('click', () => openAbout($('about-open')));

// ---- share links: "#CALC?NAME=TEXT&...", read and made by the engine

$('copy-link').addEventListener('click', async () => {
  const fragment = current?.link();
  if (!fragment) return;
  const link = `${location.origin}${location.pathname}${fragment}`;
  const shown = $('link');
  shown.value = link;
  shown.hidden = false;
  try {
    await navigator.clipboard.writeText(link);
    $('link-status').textContent = 'Link copied.';
  } catch {
    shown.select();
    $('link-status').textContent = 'Copy the link from the box.';
  }
});

// ---- views

function show(view) {
  document.body.dataset.view = view;
  $('calculator').hidden = view !== 'calculator';
  $('chooser').hidden = view !== 'chooser';
  $('welcome').hidden = view !== 'panel';
}

function openCalculator(decl, link) {
  let form = opened.get(decl.name);
  if (!form || link.hasSettings) {
    form = new CalculatorForm(decl, forms, engine, ui, link.hasSettings ? link.view : null);
    opened.set(decl.name, form);
  }
  const ignored = link.hasSettings ? link.ignored : [];
  if (link.hasSettings) $('prefixes').checked = link.view.si;
  // A link that presses: its work shown, as after pressing by hand.
  if (link.work) form.pressed(link);
  else if (opened.get(decl.name) === form && form.element.isConnected === false) form.reread();
  current = form;
  $('calculator-caption').textContent = decl.caption;
  $('form-slot').replaceChildren(form.element);
  $('readings-slot').replaceChildren(form.summary);
  $('link').hidden = true;
  $('link-status').textContent = ignored.length ? `The link names nothing called ${ignored.join(', ')}.` : '';
  drawWork(form);
  document.title = `${decl.caption} - Ampora`;
  show('calculator');
  form.fitCaptions();
  form.focusStart();
  if (link.reports?.length) report(link.reports);
}

function route() {
  // What the calculator left shown goes with it.
  queue.length = 0;
  focusAfter = null;
  if ($('message').open) $('message').close();
  const link = engine.event({event: 'link', link: location.hash});
  const decl = declarations.get(link.calc);
  if (decl) {
    openCalculator(decl, link);
    return;
  }
  current = null;
  drawSolution(null);
  $('form-slot').replaceChildren();
  $('readings-slot').replaceChildren();
  document.title = 'Ampora';
  const name = link.name ?? '';
  if (name === 'trigono') {
    show('chooser');
    $('chooser').querySelector('a')?.focus();
  } else {
    show('panel');
    $('unknown').hidden = name === '';
    $('unknown').textContent = name ? `Ampora has no calculator called "${name}".` : '';
  }
}

// ---- Tab in the declared order of the form shown

const kFocusable = 'a[href], button, input, select, textarea, [tabindex]';

function tabStops() {
  const visible = (e) => e.getClientRects().length > 0 && !e.disabled && e.tabIndex >= 0 && !e.closest('[inert]');
  const all = [...document.querySelectorAll(kFocusable)].filter(visible);
  const formElement = current.element;
  const outside = all.filter((e) => !formElement.contains(e));
  const before = outside.filter((e) => formElement.compareDocumentPosition(e) & Node.DOCUMENT_POSITION_PRECEDING);
  const after = outside.filter((e) => formElement.compareDocumentPosition(e) & Node.DOCUMENT_POSITION_FOLLOWING);
  return [...before, ...current.tabSequence(), ...after];
}

document.addEventListener('keydown', (event) => {
  if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey || !current) return;
  if (document.querySelector('dialog[open]') || !current.element.isConnected) return;
  const stops = tabStops();
  const at = stops.indexOf(document.activeElement);
  if (at < 0) return;
  const next = stops[at + (event.shiftKey ? -1 : 1)];
  if (!next) return;
  event.preventDefault();
  next.focus();
});

// ---- start

drawPanel(forms.panel, $('panel-forms'), 'Form1');
drawPanel(forms.chooser, $('chooser-forms'), 'trigono');
const engine = await loading.catch(unavailable);
window.addEventListener('hashchange', route);
matchMedia(kWide).addEventListener('change', () => current?.fitCaptions());
route();
document.documentElement.dataset.ready = 'true';
performance.mark('ampora-ready');

// Every file of the site kept for offline use, once the page has loaded.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  const register = () => navigator.serviceWorker.register('sw.js').catch(() => {});
  if (document.readyState === 'complete') register();
  else window.addEventListener('load', register, {once: true});
}
