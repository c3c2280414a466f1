// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A calculator's form drawn from its declaration in the forms document: every control as
// an element carrying its name, at its declared rectangle on a wide screen and, on a narrow
// one, in the groups of the form's layout (fields, pictures, sketches and frames, in
// reading order, which the engine works out: core/form_layout.h), named for screen
// readers as the desktop names them. Drawing only: what the controls do is forms.js's.
import {drawingSvg, resistorSvg, sketchSvg} from './drawing.js';

// Where the style sheet lays a form out at its declared size.
export const kWide = '(min-width: 600px)';
export function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

const px = (twips, twipsPerPixel) => `${twips / twipsPerPixel}px`;

// Places `e` at a rectangle in twips, `twipsPerPixel` (the forms document's) to the pixel;
// the style sheet decides where that counts.
export function place(e, at, prefix, twipsPerPixel) {
  e.classList.add('at');
  e.style.setProperty(`--${prefix}x`, px(at.left, twipsPerPixel));
  e.style.setProperty(`--${prefix}y`, px(at.top, twipsPerPixel));
  e.style.setProperty(`--${prefix}w`, px(at.width, twipsPerPixel));
  e.style.setProperty(`--${prefix}h`, px(at.height, twipsPerPixel));
}

// A deviation as print writes it: "+5.86 %", "\u22123.59 %", "0 %".
const deviation = (d) => `${d.startsWith('-') ? `\u2212${d.slice(1)}` : d === '0' ? '0' : `+${d}`} %`;

// The nearest values in E12, E24 and E96 and the E24 value's resistor with its bands, or a
// fuse's rated current.
function partsElement(parts) {
  const e = element('div', 'parts');
  if (parts.rated) {
    e.append(element('div', 'series', `Rated current: ${parts.rated.reading}`));
    return e;
  }
  for (const series of ['E12', 'E24', 'E96']) {
    const values = (parts[series] || []).map((v) => `${v.reading} (${deviation(v.deviation)})`);
    if (values.length) e.append(element('div', 'series', `${series}: ${values.join(', ')}`));
  }
  const bands = parts.bands?.E24;
  if (bands) {
    const figure = element('div', 'bands');
    figure.append(
      resistorSvg(bands, `Colour bands of the nearest E24 resistor: ${bands.join(', ')}`),
      element('span', '', bands.join(' ')),
    );
    e.append(figure);
  }
  return e;
}

let uniqueIds = 0;
const nextId = (stem) => `${stem}-${++uniqueIds}`;

export class FormDrawing {
  // `decl`: the calculator from the forms document; `measures`: the document's
  // {twipsPerPixel, twoLineHeight}.
  constructor(decl, measures) {
    this.decl = decl;
    this.measures = measures;
    this.decls = new Map(decl.controls.map((c) => [c.name, c]));
    this.controls = new Map(); // name -> the element carrying data-name
    this.fields = new Map(); // a box's name -> its field's element
    this.readings = new Map(); // a box's name -> its reading's element
    this.parts = new Map(); // a box's name -> where the parts that fit it are shown
    this.summary = element('section', 'readings');
    this.summary.setAttribute('aria-label', 'Readings');
    this.summaryRows = new Map(); // a box's name -> its row in the summary
    this.element = this.#build();
  }

  #build() {
    const d = this.decl;
    const root = element('div', 'form');
    root.dataset.form = d.name;
    root.style.setProperty('--w', this.#px(d.client.width));
    root.style.setProperty('--h', this.#px(d.client.height));
    for (const t of d.titles) {
      // The white copy first, behind the title, as a raised look.
      const copy = element('div', 'title copy', t.text);
      copy.dataset.name = t.copyName;
      copy.setAttribute('aria-hidden', 'true');
      this.#place(copy, {...t.at, left: t.at.left - t.offset, top: t.at.top - t.offset});
      const title = element('div', 'title', t.text);
      title.dataset.name = t.name;
      this.#place(title, t.at);
      for (const e of [copy, title]) {
        e.style.fontFamily = `"${t.family}", "DejaVu Sans", Verdana, sans-serif`;
        e.style.fontSize = `${t.points}pt`;
        if (t.underline) e.classList.add('underline');
        if (t.onBottomLine) e.classList.add('bottom-line');
      }
      if (t.colour) title.style.color = t.colour;
      root.append(copy, title);
    }
    this.#render(this.decl.layout, root);
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

  #px(twips) {
    return px(twips, this.measures.twipsPerPixel);
  }

  #place(e, at, prefix = '') {
    place(e, at, prefix, this.measures.twipsPerPixel);
  }

  // A node of the layout (see web/forms_document.h), its controls named.
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
        for (const name of node.controls) {
          const c = this.decls.get(name);
          const e = this.#control(c);
          this.#place(e, c.at);
          field.append(e);
        }
        if (node.caption) this.controls.get(node.caption).classList.add('caption');
        if (node.unit) this.controls.get(node.unit).classList.add('unit');
        if (this.decls.get(node.box).kind === 'Box') {
          const box = this.decls.get(node.box);
          field.append(this.#reading(box, box.at));
          const parts = element('div', 'parts');
          parts.dataset.partsOf = node.box;
          parts.hidden = true;
          this.parts.set(node.box, parts);
          field.append(parts);
        }
        this.fields.set(node.box, field);
        into.append(field);
        break;
      }
      case 'frame': {
        const c = this.decls.get(node.control);
        const frame = this.#control(c);
        this.#place(frame, c.at);
        this.#render(node.content, frame);
        into.append(frame);
        break;
      }
      case 'picture':
      case 'sketch': {
        const held = node.children.map((h) => ({...h, control: this.decls.get(h.control)}));
        let block;
        if (node.type === 'picture') {
          block = this.#control(this.decls.get(node.control));
          const drawing = this.decl.drawings.find((dr) => dr.picture === node.control);
          if (drawing) block.append(drawingSvg(drawing));
        } else {
          block = element('div', 'sketch');
          block.append(
            sketchSvg(
              held.filter((h) => h.control.kind !== 'Label'),
              node.at,
              this.measures.twipsPerPixel,
            ),
          );
        }
        block.classList.add('block');
        this.#place(block, node.at);
        block.style.setProperty('--bh', this.#px(node.narrowHeight));
        for (const {control, at, narrow} of held) {
          if (!narrow) continue; // a line or a circle: part of the drawing
          const e = this.#control(control);
          this.#place(e, at);
          this.#place(e, narrow, 'f');
          block.append(e);
          if (control.kind === 'Box') block.append(this.#reading(control, at, narrow));
        }
        into.append(block);
        break;
      }
      case 'control': {
        const c = this.decls.get(node.control);
        const e = this.#control(c);
        if (c.kind !== 'StatusBar') this.#place(e, c.at);
        into.append(e);
        break;
      }
    }
  }

  // Where a box's reading is shown: under the box, and just under its rectangle where the
  // box stands at it (a block's box on a narrow screen at its narrow rectangle).
  #reading(box, at, narrow = null) {
    const reading = element('span', 'reading');
    reading.dataset.readingOf = box.name;
    reading.hidden = true;
    const under = (r, prefix) => {
      reading.style.setProperty(`--${prefix}x`, this.#px(r.left));
      reading.style.setProperty(`--${prefix}y`, this.#px(r.top + r.height));
    };
    under(at, 'r');
    if (narrow) under(narrow, 'rf');
    this.readings.set(box.name, reading);
    // Its row in the summary under the form.
    const row = element('div', narrow ? 'summary-row in-block' : 'summary-row');
    row.dataset.summaryOf = box.name;
    row.hidden = true;
    row.append(
      element('span', 'summary-caption', this.decl.spoken[box.name]?.name || box.name),
      element('span', 'summary-reading'),
    );
    this.summaryRows.set(box.name, row);
    this.summary.append(row);
    return reading;
  }

  // Every box's reading and the standard parts that fit it, as the engine gives them.
  showReadings(readings, preferred) {
    for (const [name, e] of this.readings) {
      const text = readings[name] || '';
      e.textContent = text;
      e.hidden = !text;
      const row = this.summaryRows.get(name);
      row.hidden = !text && !preferred[name];
      row.querySelector('.summary-reading').textContent = text;
      row.querySelector('.parts')?.remove();
      if (preferred[name]) row.append(partsElement(preferred[name]));
      const parts = this.parts.get(name);
      if (!parts) continue;
      parts.replaceChildren(...(preferred[name] ? partsElement(preferred[name]).childNodes : []));
      parts.hidden = !preferred[name];
    }
    this.summary.hidden = [...this.summaryRows.values()].every((row) => row.hidden);
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
        if (c.at.height >= this.measures.twoLineHeight) e.classList.add('two-lines');
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

  // Every control named and described for screen readers as the engine gives it; a box's
  // caption label is its label.
  #name(root) {
    const d = this.decl;
    for (const [name, spoken] of Object.entries(d.spoken)) {
      const e = this.controls.get(name);
      e.id = nextId(`${d.name}-${name}`);
      if (spoken.name) e.setAttribute('aria-label', spoken.name);
      const label = this.controls.get(d.labels[name]?.captionLabel);
      if (label && label.tagName === 'LABEL') label.htmlFor = e.id;
      if (spoken.description) {
        const description = element('span', '', spoken.description);
        description.id = nextId('unit');
        description.hidden = true;
        root.append(description);
        e.setAttribute('aria-describedby', description.id);
      }
    }
  }

  // On a wide screen every control keeps its declared rectangle: a caption wider than
  // its rectangle in the fonts at hand is set smaller until it fits, rather than cut off
  // or run over its neighbour.
  fitCaptions() {
    for (const e of this.element.querySelectorAll('.fitted')) e.classList.remove('fitted');
    if (!this.element.isConnected || !matchMedia(kWide).matches) return;
    const tight = [...this.element.querySelectorAll('.label.at, .button.at, .option.at')].filter(
      (e) => e.getClientRects().length && e.scrollWidth > e.clientWidth + 1,
    );
    const sizes = tight.map((e) => [e, parseFloat(getComputedStyle(e).fontSize), e.clientWidth / e.scrollWidth]);
    for (const [e, size, ratio] of sizes) {
      e.style.setProperty('--fit', `${Math.max(8, Math.floor(size * ratio * 2) / 2)}px`);
      e.classList.add('fitted');
    }
  }
}
