// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures and sketches as SVG, from their declared strokes and shapes, in black on white.
const SVG = 'http://www.w3.org/2000/svg';

function svgElement(name, attributes = {}) {
  const element = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
  return element;
}

function canvas(width, height) {
  // Decorative: what the drawing shows is named by the controls around it.
  return svgElement('svg', {
    width,
    height,
    viewBox: `0 0 ${width} ${height}`,
    'aria-hidden': 'true',
    focusable: 'false',
    class: 'drawing',
  });
}

// A picture's drawing: strokes in the picture's pixels.
export function drawingSvg(drawing) {
  const svg = canvas(drawing.width, drawing.height);
  svg.append(svgElement('rect', {width: drawing.width, height: drawing.height, class: 'paper'}));
  for (const s of drawing.strokes) {
    switch (s.shape) {
      case 'Line':
        svg.append(svgElement('line', {x1: s.x + 0.5, y1: s.y + 0.5, x2: s.x2 + 0.5, y2: s.y2 + 0.5}));
        break;
      case 'Rectangle':
        svg.append(svgElement('rect', {x: s.x + 0.5, y: s.y + 0.5, width: s.x2, height: s.y2, class: 'outline'}));
        break;
      case 'Fill':
        svg.append(svgElement('rect', {x: s.x, y: s.y, width: s.x2, height: s.y2, class: 'ink'}));
        break;
      case 'Dot':
        svg.append(svgElement('circle', {cx: s.x + 0.5, cy: s.y + 0.5, r: s.x2, class: 'ink'}));
        break;
      case 'Text':
      case 'CentredText': {
        const centred = s.shape === 'CentredText';
        const text = svgElement('text', {
          x: centred ? s.x + s.x2 / 2 : s.x,
          y: s.y + s.y2 / 2,
          'text-anchor': centred ? 'middle' : 'start',
          'dominant-baseline': 'central',
        });
        text.textContent = s.text;
        svg.append(text);
        break;
      }
    }
  }
  return svg;
}

// A sketch's lines and circles, in a canvas of `rect` (twips, the sketch's own origin, at
// `twipsPerPixel` to the pixel).
export function sketchSvg(shapes, rect, twipsPerPixel) {
  const px = (twips) => twips / twipsPerPixel;
  const svg = canvas(px(rect.width), px(rect.height));
  for (const {control, at} of shapes) {
    let shape;
    if (control.kind === 'Line') {
      shape = svgElement('line', {
        x1: px(at.left),
        y1: px(at.top),
        x2: px(at.left + at.width),
        y2: px(at.top + at.height),
      });
    } else {
      // The largest circle centred in the rectangle.
      const r = px(Math.min(at.width, at.height)) / 2;
      shape = svgElement('circle', {
        cx: px(at.left + at.width / 2),
        cy: px(at.top + at.height / 2),
        r,
        class: 'outline',
      });
    }
    shape.dataset.name = control.name;
    svg.append(shape);
  }
  return svg;
}

// The colours of IEC 60062's bands, by their names in the engine's words.
const kBandColours = {
  black: '#000000',
  brown: '#7b3f00',
  red: '#d01010',
  orange: '#f07800',
  yellow: '#f5d000',
  green: '#108a10',
  blue: '#1040d0',
  violet: '#8a2be2',
  grey: '#808080',
  white: '#ffffff',
  gold: '#c8a020',
  silver: '#c0c0c0',
};

// A resistor with its colour bands, first to last from the left, named in words for those
// who do not see it or do not tell the colours apart.
export function resistorSvg(bands, label) {
  const width = 84;
  const height = 22;
  const svg = svgElement('svg', {width, height, viewBox: `0 0 ${width} ${height}`, role: 'img', class: 'resistor'});
  svg.setAttribute('aria-label', label);
  svg.append(svgElement('line', {x1: 0, y1: height / 2, x2: width, y2: height / 2, class: 'lead'}));
  svg.append(svgElement('rect', {x: 14, y: 3, width: 56, height: 16, rx: 5, class: 'body'}));
  const gap = bands.length > 4 ? 8 : 10;
  bands.forEach((band, k) => {
    // The tolerance band stands apart at the right.
    const x = k === bands.length - 1 ? 58 : 20 + k * gap;
    const stripe = svgElement('rect', {x, y: 3, width: 5, height: 16, fill: kBandColours[band] || '#000000'});
    stripe.dataset.band = band;
    svg.append(stripe);
  });
  return svg;
}
