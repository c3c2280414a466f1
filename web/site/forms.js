// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A calculator's form (drawn by form_drawing.js) behaving as the desktop's form does: its presses go to the engine as one request each (the boxes,
// options and lists as they stand) and the boxes come back; Reset, the "*" buttons, the
// default button that Enter presses, the focus that moves it and a component list's count
// and "OK" work from the declaration alone. Every text a user or a link gives is only
// ever a value: nothing here parses markup.
import {FormDrawing} from './form_drawing.js';

export {kWide, place} from './form_drawing.js';

export class CalculatorForm {
  // `decl`: the calculator from the forms document; `engine`: engine.js's; `ui`: the page's
  // {report(reports, focusAfter), showSteps(steps, form), pressed(ms)}.
  constructor(decl, engine, ui) {
    this.decl = decl;
    this.engine = engine;
    this.ui = ui;
    this.drawing = new FormDrawing(decl);
    this.element = this.drawing.element;
    this.controls = this.drawing.controls;  // name -> the element carrying data-name
    this.fields = this.drawing.fields;      // a box's name -> its field's element
    this.decls = new Map(decl.controls.map((c) => [c.name, c]));
    this.list = decl.list;
    this.#wire();
    this.#start();
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

  fitCaptions() {
    this.drawing.fitCaptions();
  }

  // The focus when the form opens: the declared control, else the first in tab order.
  focusStart() {
    const first = (this.decl.focus && this.controls.get(this.decl.focus)) || this.tabSequence()[0];
    first?.focus();
  }
}
