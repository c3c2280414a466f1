// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A calculator's form drawn from its declaration in the forms document, and behaving as
// the desktop's form does: its presses go to the engine as one request each (the boxes,
// options and lists as they stand) and the boxes come back; Reset, the "*" buttons, the
// default button that Enter presses, the focus that moves it and a component list's count
// and "OK" work from the declaration alone. Every text a user or a link gives is only
// ever a value: nothing here parses markup.
import {drawingSvg, sketchSvg} from './drawing.js';
import {clearOfEachOther, layoutOf} from './layout.js';

const kTwipsPerPixel = 15;
const px = (twips) => `${twips / kTwipsPerPixel}px`;
// Where the style sheet lays a form out at its declared size.
export const kWide = '(min-width: 600px)';
// A button this high (twips) wraps its caption over two lines.
const kTwoLines = 450;

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

// Places `e` at a rectangle in twips; the style sheet decides where that counts.
export function place(e, at, prefix = '') {
  e.classList.add('at');
  e.style.setProperty(`--${prefix}x`, px(at.left));
  e.style.setProperty(`--${prefix}y`, px(at.top));
  e.style.setProperty(`--${prefix}w`, px(at.width));
  e.style.setProperty(`--${prefix}h`, px(at.height));
}

let uniqueIds = 0;
const nextId = (stem) => `${stem}-${++uniqueIds}`;

export class CalculatorForm {
  // `decl`: the calculator from the forms document; `engine`: engine.js's; `ui`: the page's
  // {report(reports, focusAfter), showSteps(steps, form), pressed(ms)}.
  constructor(decl, engine, ui) {
    this.decl = decl;
    this.engine = engine;
    this.ui = ui;
    this.controls = new Map();  // name -> the element carrying data-name
    this.fields = new Map();    // a box's name -> its field's element
    this.decls = new Map(decl.controls.map((c) => [c.name, c]));
    this.list = decl.list;
    this.element = this.#build();
    this.#wire();
    this.#start();
  }

  // ---- drawing

  #build() {
    const d = this.decl;
    const root = element('div', 'form');
    root.dataset.form = d.name;
    root.style.setProperty('--w', px(d.client.width));
    root.style.setProperty('--h', px(d.client.height));
    for (const t of d.titles) {
      // The white copy first, behind the title, as a raised look.
      const copy = element('div', 'title copy', t.text);
      copy.dataset.name = t.copyName;
      copy.setAttribute('aria-hidden', 'true');
      place(copy, {...t.at, left: t.at.left - t.offset, top: t.at.top - t.offset});
      const title = element('div', 'title', t.text);
      title.dataset.name = t.name;
      place(title, t.at);
      for (const e of [copy, title]) {
        e.style.fontFamily = `"${t.family}", "DejaVu Sans", Verdana, sans-serif`;
        e.style.fontSize = `${t.points}pt`;
        if (t.underline) e.classList.add('underline');
        if (t.onBottomLine) e.classList.add('bottom-line');
      }
      if (t.colour) title.style.color = t.colour;
      root.append(copy, title);
    }
    this.#render(layoutOf(d), root);
    // Controls no layout shows (the scratch box) still exist, hidden, as on the desktop.
    for (const c of d.controls) {
      if (this.controls.has(c.name)) continue;
      const hidden = this.#control(c);
      hidden.hidden = true;
      root.append(hidden);
    }
    for (const f of d.fonts) {
      const label = this.controls.get(f.label);
      label.style.fontFamily = `"${f.family}", "DejaVu Sans", sans-serif`;
      label.style.fontSize = `${f.points}pt`;
    }
    for (const name of d.rightAligned) this.controls.get(name).classList.add('right');
    this.#name(root);
    return root;
  }

  #render(node, into) {
    switch (node.type) {
      case 'stack':
      case 'line': {
        const group = element('div', node.type);
        for (const child of node.children) this.#render(child, group);
        into.append(group);
        break;
      }
      case 'field': {
        const field = element('div', 'field');
        const members = [node.box, ...node.clears, node.unit].filter(Boolean).sort((a, b) => a.at.left - b.at.left);
        if (node.caption) members.unshift(node.caption);
        for (const c of members) {
          const e = this.#control(c);
          place(e, c.at);
          field.append(e);
        }
        if (node.caption) this.controls.get(node.caption.name).classList.add('caption');
        if (node.unit) this.controls.get(node.unit.name).classList.add('unit');
        this.fields.set(node.box.name, field);
        into.append(field);
        break;
      }
      case 'frame': {
        const frame = this.#control(node.control);
        place(frame, node.control.at);
        this.#render(node.content, frame);
        into.append(frame);
        break;
      }
      case 'picture':
      case 'sketch': {
        let block;
        if (node.type === 'picture') {
          block = this.#control(node.control);
          const drawing = this.decl.drawings.find((dr) => dr.picture === node.control.name);
          if (drawing) block.append(drawingSvg(drawing));
        } else {
          block = element('div', 'sketch');
          block.append(sketchSvg(node.children.filter((c) => c.control.kind !== 'Label'), node.rect));
        }
        block.classList.add('block');
        place(block, node.rect);
        const narrow = clearOfEachOther(node.children, this.decl.clears, node.rect.height);
        block.style.setProperty('--bh', px(narrow.height));
        for (const {control, at} of node.children) {
          if (control.kind === 'Line' || control.kind === 'Circle') continue;
          const e = this.#control(control);
          place(e, at);
          place(e, narrow.placed.get(control.name), 'f');
          block.append(e);
        }
        into.append(block);
        break;
      }
      case 'control': {
        const e = this.#control(node.control);
        if (node.control.kind !== 'StatusBar') place(e, node.control.at);
        into.append(e);
        break;
      }
    }
  }

  // The element of one declared control, carrying its name.
  #control(c) {
    let e;
    let named;
    switch (c.kind) {
      case 'Label': {
        const captionOf = Object.entries(this.decl.labels).find(([, l]) => l.captionLabel === c.name);
        e = element(captionOf ? 'label' : 'span', 'label', c.caption);
        if (captionOf) e.dataset.captionOf = captionOf[0];
        break;
      }
      case 'Box':
        e = element('input', 'box');
        e.type = 'text';
        e.value = c.caption;
        e.autocomplete = 'off';
        e.spellcheck = false;
        e.setAttribute('autocapitalize', 'off');
        break;
      case 'Button':
        e = element('button', 'button', c.caption);
        e.type = 'button';
        if (c.at.height >= kTwoLines) e.classList.add('two-lines');
        if (c.caption === '*') e.classList.add('clear');
        break;
      case 'Option': {
        e = element('label', 'option');
        named = element('input');
        named.type = 'radio';
        named.name = `${this.decl.name}-${c.parent || 'form'}`;
        e.append(named, element('span', '', c.caption));
        break;
      }
      case 'List':
        e = element('select', 'list');
        for (const entry of c.entries) e.append(element('option', '', entry));
        e.selectedIndex = -1;
        break;
      case 'Frame': {
        e = element('div', 'frame');
        e.setAttribute('role', 'group');
        const caption = element('span', 'frame-caption', c.caption);
        caption.id = nextId('caption');
        e.setAttribute('aria-labelledby', caption.id);
        e.append(caption);
        break;
      }
      case 'StatusBar':
        e = element('div', 'status-bar', c.caption);
        break;
      case 'Picture':
        e = element('div', 'picture');
        break;
      default:
        e = element('span', 'shape');
    }
    (named || e).dataset.name = c.name;
    this.controls.set(c.name, named || e);
    return e;
  }

  // Every box and list named by its caption and described by its unit in words, every "*"
  // button named "Clear " and its box's name, as the desktop names them.
  #name(root) {
    const d = this.decl;
    const spoken = new Map(d.spokenNames.map((s) => [s.control, s.name]));
    for (const [name, labels] of Object.entries(d.labels)) {
      const e = this.controls.get(name);
      e.id = nextId(`${d.name}-${name}`);
      const caption = spoken.get(name) || labels.caption;
      if (caption) e.setAttribute('aria-label', caption);
      const label = this.controls.get(labels.captionLabel);
      if (label && label.tagName === 'LABEL') label.htmlFor = e.id;
      const words = labels.unitWords || labels.unit;
      if (words) {
        const description = element('span', '', words);
        description.id = nextId('unit');
        description.hidden = true;
        root.append(description);
        e.setAttribute('aria-describedby', description.id);
      }
    }
    for (const k of d.clears) {
      const box = this.controls.get(k.box);
      const quantity = box.getAttribute('aria-label') || k.box;
      this.controls.get(k.button).setAttribute('aria-label', spoken.get(k.button) || `Clear ${quantity}`);
    }
    for (const [control, name] of spoken) {
      const e = this.controls.get(control);
      if (e && e.tagName === 'BUTTON') e.setAttribute('aria-label', name);
    }
  }

  // ---- behaviour

  #wire() {
    const d = this.decl;
    const root = this.element;
    for (const p of d.presses) this.controls.get(p.button).addEventListener('click', () => this.press(p.button));
    for (const k of d.clears) this.controls.get(k.button).addEventListener('click', () => this.clear(k.box));
    for (const r of d.resets) this.controls.get(r.button).addEventListener('click', () => this.reset(r));
    const focusDefaults = new Map(d.focusDefaults.map((f) => [f.box, f.button]));
    root.addEventListener('focusin', (event) => {
      const name = event.target.dataset?.name;
      if (focusDefaults.has(name)) this.setDefault(focusDefaults.get(name));
    });
    root.addEventListener('keydown', (event) => this.#enter(event));
    if (this.list) {
      const count = this.controls.get(this.list.countBox);
      count.addEventListener('input', () => this.setDefault(this.list.ok));
      count.addEventListener('focus', () => this.setDefault(this.list.ok));
      count.addEventListener('blur', () => this.setDefault(this.list.calculateButton));
      this.controls.get(this.list.ok).addEventListener('click', () => this.confirmCount());
    }
  }

  // The form as it opens.
  #start() {
    const d = this.decl;
    for (const name of d.chosenAtStart) this.controls.get(name).checked = true;
    if (this.list) {
      for (const k of this.list.rows.keys()) this.#show(k, false);
      if (this.list.frame) this.#setShown(this.list.frame, false);
      this.#setShown(this.list.answerLabel, false);
    }
    if (d.defaultButton) this.setDefault(d.defaultButton);
  }

  #setShown(name, shown) {
    const e = this.controls.get(name);
    const shownElement = e.type === 'radio' ? e.parentElement : e;
    shownElement.hidden = !shown;
  }

  // Row k of a component list, its caption and its box.
  #show(k, shown) {
    this.#setShown(this.list.rowLabels[k], shown);
    this.#setShown(this.list.rows[k], shown);
    const field = this.fields.get(this.list.rows[k]);
    if (field) field.hidden = !shown;
  }

  // Enter in a box, a list or an option presses the default button; a focused button is
  // pressed by Enter itself.
  #enter(event) {
    if (event.key !== 'Enter' || event.isComposing || event.altKey || event.ctrlKey || event.metaKey ||
        event.shiftKey)
      return;
    const target = event.target;
    if (!(target instanceof HTMLInputElement || target instanceof HTMLSelectElement)) return;
    event.preventDefault();
    const button = this.controls.get(this.defaultButton);
    if (button && this.#visible(button) && !button.disabled) button.click();
  }

  #visible(e) {
    return e.isConnected && e.getClientRects().length > 0;
  }

  setDefault(name) {
    if (this.defaultButton === name) return;
    this.controls.get(this.defaultButton)?.classList.remove('default');
    this.defaultButton = name;
    this.controls.get(name)?.classList.add('default');
  }

  // What the boxes, options and lists hold, as a request's settings.
  state() {
    const set = {};
    for (const name of this.decl.visibleBoxes) set[name] = this.controls.get(name).value;
    for (const c of this.decl.controls) {
      const e = this.controls.get(c.name);
      if (c.kind === 'Option' && e.checked) set[c.name] = '1';
      else if (c.kind === 'List') set[c.name] = e.selectedIndex < 0 ? '' : e.options[e.selectedIndex].text;
    }
    return set;
  }

  press(button) {
    const started = performance.now();
    const answer = this.engine.answer({calc: this.decl.name, press: button, set: this.state(), explain: true});
    if (answer.error) {
      // The page only asks what a user can set; an error here is the page's own fault.
      this.ui.report([{title: this.decl.caption, text: answer.error}]);
      return;
    }
    for (const [name, text] of Object.entries(answer.boxes)) {
      const box = this.controls.get(name);
      if (box.value === text) continue;
      box.value = text;
      box.setSelectionRange(0, 0);
      box.scrollLeft = 0;
    }
    this.ui.pressed(performance.now() - started);
    this.ui.showSteps(answer.steps, this);
    if (answer.reports.length) this.ui.report(answer.reports, document.activeElement);
  }

  clear(box) {
    this.controls.get(box).value = '';
  }

  reset(reset) {
    for (const name of reset.order) {
      if (this.list && name === this.list.everyRow) {
        for (const row of this.list.rows) this.controls.get(row).value = '';
      } else {
        const e = this.controls.get(name);
        if (e instanceof HTMLSelectElement) e.selectedIndex = -1;
        else e.value = '';
      }
    }
  }

  // A component list's "OK": the combination frame, the rows the count covers, the
  // answer and its caption, and "Calculate" as the default.
  confirmCount() {
    const l = this.list;
    if (l.frame) this.#setShown(l.frame, true);
    const covered = this.engine.rowsCovered(this.controls.get(l.countBox).value);
    for (const k of l.rows.keys()) this.#show(k, k < covered);
    for (const name of [l.answerBox, l.answerLabel, l.calculateButton]) this.#setShown(name, true);
    this.setDefault(l.calculateButton);
  }

  // Sets controls as a link gives them: a box (or a row by its caption's name) to its text
  // exactly, an option chosen with "1", a list to the entry that reads as the text ("" for
  // none). Names and texts that fit nothing are left out, and named in the result. A link
  // that sets the count shows the rows it covers, as "OK" does; nothing is pressed.
  apply(settings) {
    const ignored = [];
    let counted = false;
    for (const [given, text] of settings) {
      let name = given;
      if (this.list && this.list.rowLabels.includes(given)) name = this.list.rows[this.list.rowLabels.indexOf(given)];
      const c = this.decls.get(name);
      const e = this.controls.get(name);
      if (c && c.kind === 'Box' && !(this.list && name === this.list.scratchBox)) {
        e.value = text;
        if (this.list && name === this.list.countBox) counted = true;
      } else if (c && c.kind === 'Option' && text === '1') {
        e.checked = true;
      } else if (c && c.kind === 'List' && (text === '' || c.entries.includes(text))) {
        e.selectedIndex = c.entries.indexOf(text);
      } else {
        ignored.push(given);
      }
    }
    if (counted) this.confirmCount();
    return ignored;
  }

  // The controls a link keeps: every box that holds text, the chosen options, the lists'
  // entries.
  settings() {
    const kept = [];
    for (const [name, text] of Object.entries(this.state()))
      if (text !== '') kept.push([name, text]);
    return kept;
  }

  // The controls Tab visits, in the declared order: the visible ones that take the focus,
  // an option group once (at its chosen option, else its first).
  tabSequence() {
    const order = this.decl.tabOrder.length ? this.decl.tabOrder : [...this.controls.keys()];
    const seen = new Set();
    const sequence = [];
    for (const name of order) {
      const e = this.controls.get(name);
      if (!e || !this.#visible(e) || e.disabled || !e.matches('input, select, button')) continue;
      if (e.type === 'radio') {
        if (seen.has(e.name)) continue;
        seen.add(e.name);
        const group = [...this.element.querySelectorAll('input[type=radio]')].filter((r) => r.name === e.name);
        sequence.push(group.find((r) => r.checked) || e);
        continue;
      }
      sequence.push(e);
    }
    return sequence;
  }

  // On a wide screen every control keeps its declared rectangle: a caption wider than
  // its rectangle in the fonts at hand is set smaller until it fits, rather than cut off
  // or run over its neighbour.
  fitCaptions() {
    for (const e of this.element.querySelectorAll('.fitted')) e.classList.remove('fitted');
    if (!this.element.isConnected || !matchMedia(kWide).matches) return;
    const tight = [...this.element.querySelectorAll('.label.at, .button.at, .option.at')]
                      .filter((e) => e.getClientRects().length && e.scrollWidth > e.clientWidth + 1);
    const sizes = tight.map((e) => [e, parseFloat(getComputedStyle(e).fontSize), e.clientWidth / e.scrollWidth]);
    for (const [e, size, ratio] of sizes) {
      e.style.setProperty('--fit', `${Math.max(8, Math.floor(size * ratio * 2) / 2)}px`);
      e.classList.add('fitted');
    }
  }

  // The focus when the form opens: the declared control, else the first in tab order.
  focusStart() {
    const first = (this.decl.focus && this.controls.get(this.decl.focus)) || this.tabSequence()[0];
    first?.focus();
  }
}
