// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A calculator's form (drawn by form_drawing.js) as its user works it: every click, focus
// change and keystroke goes to the engine as an event, with what the controls hold and
// what is shown, and the engine's answer, the form's whole view, is drawn as it comes: the
// boxes' texts, the options and lists, the controls hidden, the default button, and after
// a press its steps and what it told. What Enter presses, and where Tab goes, is the
// browser's own work. Every text a user or a link gives is only ever a value: nothing
// here parses markup.
import {FormDrawing} from './form_drawing.js';

export {kWide, place} from './form_drawing.js';

export class CalculatorForm {
  // `decl`: the calculator from the forms document `forms`; `engine`: engine.js's; `ui`:
  // the page's {report(reports, focusAfter), showWork(answer, form), prefixed()}, the last
  // whether prefixed input is asked for; `view`: the view to open with (a link's), else
  // the form's own.
  constructor(decl, forms, engine, ui, view = null) {
    this.decl = decl;
    this.engine = engine;
    this.ui = ui;
    this.drawing = new FormDrawing(decl, forms);
    this.element = this.drawing.element;
    this.summary = this.drawing.summary; // every reading, under the form
    this.controls = this.drawing.controls; // name -> the element carrying data-name
    this.hidden = [];
    this.defaultButton = null;
    this.#wire();
    this.draw(view || this.engine.event({calc: decl.name, event: 'open'}).view);
  }

  // The engine's answer to one event on this form, or null (told) when it refuses it:
  // the page only sends what its controls hold, so a refusal is the page's own fault.
  #send(event, control, more = {}) {
    const answer = this.engine.event({
      calc: this.decl.name,
      event,
      control,
      set: this.state(),
      hidden: this.hidden,
      default: this.defaultButton,
      si: this.ui.prefixed(),
      ...more,
    });
    if (answer.error === undefined) return answer;
    this.ui.report([{title: this.decl.caption, text: answer.error}]);
    return null;
  }

  #wire() {
    const root = this.element;
    for (const c of this.decl.controls)
      if (c.kind === 'Button') this.controls.get(c.name).addEventListener('click', () => this.click(c.name));
    // A focus change or an edit may move the default button; an edit changes readings.
    for (const kind of ['focusin', 'focusout', 'input'])
      root.addEventListener(kind, (event) => {
        const name = event.target.dataset?.name;
        if (!name || (kind === 'input' && !(event.target instanceof HTMLInputElement))) return;
        const edited = kind === 'input';
        const answer = this.engine.event({
          calc: this.decl.name,
          event: edited ? 'edited' : kind,
          control: name,
          default: this.defaultButton,
          ...(edited ? {set: this.state(), si: this.ui.prefixed()} : {}),
        });
        if (answer.default !== undefined) this.setDefault(answer.default);
        if (answer.readings) this.drawing.showReadings(answer.readings, answer.preferred);
      });
    root.addEventListener('keydown', (event) => this.#enter(event));
  }

  click(button) {
    const answer = this.#send('click', button);
    if (!answer) return;
    this.draw(answer.view);
    if (answer.work) this.pressed(answer);
    if (answer.reports?.length) this.ui.report(answer.reports, document.activeElement);
  }

  // A press's answer (a click's, or a link's that presses): its work shown, and the link
  // that presses it again kept for sharing.
  pressed(answer) {
    this.told = answer.reports;
    this.pressedLink = answer.pressed;
    this.ui.showWork(answer, this);
  }

  // Shows a view as the engine gave it.
  draw(view) {
    for (const [name, text] of Object.entries(view.boxes)) {
      const box = this.controls.get(name);
      if (box.value === text) continue;
      box.value = text;
      box.setSelectionRange(0, 0);
      box.scrollLeft = 0;
    }
    for (const [name, chosen] of Object.entries(view.options)) this.controls.get(name).checked = chosen;
    for (const [name, entry] of Object.entries(view.lists)) {
      const list = this.controls.get(name);
      list.selectedIndex = [...list.options].findIndex((o) => o.text === entry);
    }
    this.hidden = view.hidden;
    const hidden = new Set(view.hidden);
    for (const [name, e] of this.controls) (e.type === 'radio' ? e.parentElement : e).hidden = hidden.has(name);
    for (const [box, field] of this.drawing.fields) field.hidden = hidden.has(box);
    this.setDefault(view.default);
    this.drawing.showReadings(view.readings, view.preferred);
  }

  // After prefixed input is turned on or off: the readings read anew.
  reread() {
    const answer = this.#send('edited', null);
    if (answer) this.drawing.showReadings(answer.readings, answer.preferred);
  }

  setDefault(name) {
    if (this.defaultButton === name) return;
    this.controls.get(this.defaultButton)?.classList.remove('default');
    this.defaultButton = name;
    this.controls.get(name)?.classList.add('default');
  }

  // Enter in a box, a list or an option presses the default button; a focused button is
  // pressed by Enter itself.
  #enter(event) {
    if (event.key !== 'Enter' || event.isComposing || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey)
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

  // What the boxes, options and lists hold, as an event's settings.
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

  // The link's fragment that opens this form as it stands; where it still shows what the
  // last press left, one that presses it again.
  link() {
    return this.#send('share', null, {pressed: this.pressedLink ?? null})?.link;
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
