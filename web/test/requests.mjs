// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Requests the tests generate, the same on every run from a seed: texts as users type them
// (numbers of every magnitude and form, blanks, units, junk), angles, any double's text,
// and for a calculator a set of its controls with an optional press, as ampora-calc
// --json takes them. The engine's test in node and the page's test in the browser share
// them.
export function generator(start) {
  let seed = BigInt(start);
  function next() {
    seed = (seed + 0x9e3779b97f4a7c15n) & 0xffffffffffffffffn;
    let z = seed;
    z = ((z ^ (z >> 30n)) * 0xbf58476d1ce4e5b9n) & 0xffffffffffffffffn;
    z = ((z ^ (z >> 27n)) * 0x94d049bb133111ebn) & 0xffffffffffffffffn;
    return z ^ (z >> 31n);
  }
  const below = (n) => Number(next() % BigInt(n));
  const pick = (items) => items[below(items.length)];
  const digits = (count) => Array.from({length: count}, () => below(10)).join('');

  // A number as a user might type it, of any magnitude and in any of the accepted forms.
  function typedNumber() {
    const sign = pick(['', '', '-', '+']);
    const whole = digits(below(8));
    const fraction = below(3) ? digits(below(10)) : '';
    let mantissa = whole + (fraction || below(4) === 0 ? '.' + fraction : '');
    if (!/[0-9]/.test(mantissa)) mantissa = '0' + mantissa;
    const exponent = below(3) === 0 ? pick(['E', 'e']) + pick(['', '-', '+']) + String(below(330)) : '';
    return sign + mantissa + exponent;
  }

  // Any double's shortest text, from random bits.
  function anyDouble() {
    const view = new DataView(new ArrayBuffer(8));
    view.setBigUint64(0, next());
    const x = view.getFloat64(0);
    return Number.isFinite(x) ? String(x) : '1e308';
  }

  // The exact decimal text of half-way between the double x and the next one away from 0.
  function halfWay(x) {
    const view = new DataView(new ArrayBuffer(8));
    view.setFloat64(0, Math.abs(x));
    const bits = view.getBigUint64(0);
    const exponentBits = Number(bits >> 52n);
    const mantissa = (bits & 0xfffffffffffffn) | (exponentBits ? 1n << 52n : 0n);
    // x = mantissa * 2^e; half-way = (2 mantissa + 1) * 2^(e - 1).
    const e = (exponentBits || 1) - 1075 - 1;
    const odd = 2n * mantissa + 1n;
    let text;
    if (e >= 0) {
      text = (odd << BigInt(e)).toString();
    } else {
      const scaled = (odd * 5n ** BigInt(-e)).toString().padStart(-e + 1, '0');
      text = scaled.slice(0, e) + '.' + scaled.slice(e);
    }
    return (x < 0 ? '-' : '') + text;
  }

  function text() {
    switch (below(16)) {
      case 0:
        return '';
      case 1:
        return pick([
          ' ',
          '\t',
          'abc',
          '5V',
          '10k',
          '1,5',
          '1.2.3',
          '-',
          '.',
          'E5',
          '1E',
          'inf',
          'NaN',
          'µF',
          'Ω',
          '😀',
        ]);
      case 2:
        return ' ' + typedNumber() + pick(['', ' ', '\t']);
      case 3:
        return typedNumber() + pick(['abc', ' V', 'e', '.5']);
      case 4:
        return anyDouble();
      case 5:
        return pick(['0', '-0', '1', '2', '0.5', '100', '1E+308', '1E-308', '5E-324', '1.7976931348623157E308']);
      default:
        return typedNumber();
    }
  }

  // An angle in degrees: tenths of a degree over two turns, multiples of 90, or any number.
  function angle() {
    switch (below(4)) {
      case 0:
        return String(90 * (below(17) - 8));
      case 1:
        return typedNumber();
      default:
        return ((below(14401) - 7200) / 10).toFixed(below(2) ? 1 : 0);
    }
  }

  // Some of a form's boxes filled, an option chosen, list entries picked (by text, by
  // position or not at all), now and then a name the form does not have; a press or none.
  function settings(form) {
    const boxes = form.controls.filter((c) => c.kind === 'Box' && c.name !== (form.list && form.list.scratchBox));
    const options = form.controls.filter((c) => c.kind === 'Option');
    const lists = form.controls.filter((c) => c.kind === 'List');
    const set = {};
    for (const box of boxes) {
      if (below(3) === 0) continue;
      if (form.name === 'mag' && box.name === 'ang') set[box.name] = angle();
      else if (form.list && box.name === form.list.countBox) set[box.name] = pick([String(below(12)), text()]);
      else set[box.name] = text();
    }
    if (options.length && below(2)) set[pick(options).name] = '1';
    for (const list of lists) {
      if (below(3) === 0) continue;
      set[list.name] = below(2) ? pick(list.entries) : pick([String(below(list.entries.length + 2)), '', 'x']);
    }
    if (below(40) === 0) set[pick(['nothing', 'Label1', form.defaultButton || 'x'])] = '1';
    const press = below(3) === 0 ? pick(form.presses).button : undefined;
    return {set, press};
  }

  return {next, below, pick, digits, typedNumber, anyDouble, halfWay, text, angle, settings};
}
