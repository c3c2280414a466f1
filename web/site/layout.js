// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How a form's controls read on a narrow screen, found from their declared rectangles.
// On a wide screen every control sits where its declaration puts it; on a narrow one the
// same elements flow in one column, so they are grouped here, once, into a tree whose
// order is the form's reading order:
// - a field: a box or a list with the caption before it, its "*" buttons and its unit
//   (the forms document names the caption and the unit of every box);
// - a picture, or a sketch (lines, circles and the labels around them), which keep their
//   drawing and stay positioned inside, each as one block;
// - a frame, whose own controls are grouped the same way;
// - bands cut across the whitespace between rectangles (an XY cut): a cut across the
//   form stacks its bands; a cut down the form gives columns, which stack as well, unless
//   every part is a single row, which then lies side by side and wraps.
// Rectangles are in twips, relative to the container they are given in.

const kSketchMargin = 240;  // twips around a sketch's strokes where its letters stand

export const right = (r) => r.left + r.width;
export const bottom = (r) => r.top + r.height;

export function union(rects) {
  const left = Math.min(...rects.map((r) => r.left));
  const top = Math.min(...rects.map((r) => r.top));
  return {left, top, width: Math.max(...rects.map(right)) - left, height: Math.max(...rects.map(bottom)) - top};
}

export function intersects(a, b, margin = 0) {
  return a.left < right(b) + margin && b.left < right(a) + margin && a.top < bottom(b) + margin &&
         b.top < bottom(a) + margin;
}

// A line's rectangle may have a negative width or height.
function extent(control) {
  const {left, top, width, height} = control.at;
  return {left: Math.min(left, left + width), top: Math.min(top, top + height),
          width: Math.abs(width), height: Math.abs(height)};
}

function inside(inner, outer) {
  return inner.left >= outer.left && inner.top >= outer.top && right(inner) <= right(outer) &&
         bottom(inner) <= bottom(outer);
}

const relativeTo = (r, origin) => ({...r, left: r.left - origin.left, top: r.top - origin.top});

// The gaps between items along one axis: where every item so far ends before the next
// begins. Returns the items in that order and, for each gap, where it falls and its size.
function gaps(items, start, size) {
  const sorted = [...items].sort((a, b) => a.rect[start] - b.rect[start]);
  const found = [];
  let end = sorted[0].rect[start] + sorted[0].rect[size];
  for (let i = 1; i < sorted.length; ++i) {
    const begins = sorted[i].rect[start];
    if (begins >= end) found.push({index: i, size: begins - end});
    end = Math.max(end, begins + sorted[i].rect[size]);
  }
  return {sorted, found};
}

function split({sorted, found}) {
  const parts = [];
  let from = 0;
  for (const gap of found) {
    parts.push(sorted.slice(from, gap.index));
    from = gap.index;
  }
  parts.push(sorted.slice(from));
  return parts;
}

const widest = (found) => Math.max(0, ...found.map((g) => g.size));

// Items (each {rect, node}) in reading order, as a tree of 'stack' and 'line' nodes.
function readingOrder(items) {
  if (items.length === 1) return items[0].node;
  const across = gaps(items, 'top', 'height');
  const down = gaps(items, 'left', 'width');
  if (!across.found.length && !down.found.length) {
    // Overlapping rectangles: top to bottom, then left to right.
    const sorted = [...items].sort((a, b) => a.rect.top - b.rect.top || a.rect.left - b.rect.left);
    return {type: 'stack', children: sorted.map((i) => i.node)};
  }
  // Columns stand further apart than rows: a cut down the form wins only when its gap is
  // more than twice the widest gap across it.
  if (across.found.length && widest(across.found) * 2 >= widest(down.found))
    return {type: 'stack', children: split(across).map(readingOrder)};
  const parts = split(down).map((part) => ({part, node: readingOrder(part)}));
  const singleRow = parts.every(({part}) => part.length === 1 || !gaps(part, 'top', 'height').found.length);
  return {type: singleRow ? 'line' : 'stack', children: parts.map((p) => p.node)};
}

// The layout tree of the controls whose parent is `parent` (null for the form itself).
// `decl` is the calculator's declaration from the forms document.
export function layoutOf(decl, parent = null, taken = new Set()) {
  const mine = decl.controls.filter((c) => c.parent === parent && !taken.has(c.name));
  const items = [];
  const take = (c) => taken.add(c.name);

  // Pictures, with the form's controls that stand on them.
  for (const picture of mine.filter((c) => c.kind === 'Picture')) {
    take(picture);
    const on = mine.filter((c) => c !== picture && !taken.has(c.name) && c.kind !== 'Frame' &&
                                  inside(extent(c), picture.at));
    on.forEach(take);
    const own = decl.controls.filter((c) => c.parent === picture.name);
    own.forEach(take);
    const children = [...own.map((c) => ({control: c, at: c.at})),
                      ...on.map((c) => ({control: c, at: relativeTo(c.at, picture.at)}))];
    items.push({rect: picture.at, node: {type: 'picture', control: picture, rect: picture.at, children}});
  }

  // A sketch: the lines and circles, and the labels around them.
  const shapes = mine.filter((c) => (c.kind === 'Line' || c.kind === 'Circle') && !taken.has(c.name));
  if (shapes.length) {
    shapes.forEach(take);
    const strokes = union(shapes.map(extent));
    const letters = mine.filter((c) => c.kind === 'Label' && !taken.has(c.name) &&
                                       intersects(c.at, strokes, kSketchMargin));
    letters.forEach(take);
    const rect = union([strokes, ...letters.map((c) => c.at)]);
    const children = [...shapes, ...letters].map((c) => ({control: c, at: relativeTo(c.at, rect)}));
    items.push({rect, node: {type: 'sketch', rect, children}});
  }

  // Fields.
  const byName = new Map(mine.map((c) => [c.name, c]));
  const free = (name) => name && byName.has(name) && !taken.has(name) ? byName.get(name) : null;
  for (const c of mine) {
    if ((c.kind !== 'Box' && c.kind !== 'List') || taken.has(c.name)) continue;
    if (c.at.width === 0 && c.at.height === 0) continue;  // a scratch box, never shown
    const labels = decl.labels[c.name] || {};
    const caption = free(labels.captionLabel);
    const unit = free(labels.unitLabel);
    const clears = decl.clears.filter((k) => k.box === c.name).map((k) => free(k.button)).filter(Boolean);
    const members = [caption, c, ...clears, unit].filter(Boolean);
    members.forEach(take);
    items.push({rect: union(members.map((m) => m.at)),
                node: {type: 'field', box: c, caption, clears, unit}});
  }

  // Frames, each laid out inside.
  for (const frame of mine.filter((c) => c.kind === 'Frame' && !taken.has(c.name))) {
    take(frame);
    items.push({rect: frame.at, node: {type: 'frame', control: frame, content: layoutOf(decl, frame.name, taken)}});
  }

  // Whatever stands alone; the status bar goes last, along the bottom.
  const bars = [];
  for (const c of mine) {
    if (taken.has(c.name)) continue;
    take(c);
    if (c.kind === 'StatusBar') bars.push({type: 'control', control: c});
    else if (!(c.at.width === 0 && c.at.height === 0)) items.push({rect: c.at, node: {type: 'control', control: c}});
  }
  const children = items.length ? [readingOrder(items)] : [];
  return {type: 'stack', children: [...children, ...bars]};
}

// Positions for a block's children on a narrow screen: as declared, except that where two
// overlap the later one (in reading order) moves clear of the earlier: a "*" button to the
// right of its box, anything else below it. Returns a map from name to rectangle and the
// height the block needs.
export function clearOfEachOther(children, clears, height) {
  const clearing = new Map(clears.map((k) => [k.button, k.box]));
  const kept = [];
  const placed = new Map();
  const ordered = [...children].filter((c) => c.control.kind !== 'Line' && c.control.kind !== 'Circle')
                      .sort((a, b) => a.at.top - b.at.top || a.at.left - b.at.left);
  for (const child of ordered) {
    const at = {...child.at};
    for (let moved = true, rounds = 0; moved && rounds < 20; ++rounds) {
      moved = false;
      for (const other of kept) {
        if (!intersects(at, other.at)) continue;
        if (clearing.get(child.control.name) === other.name) at.left = right(other.at);
        else at.top = bottom(other.at);
        moved = true;
      }
    }
    kept.push({name: child.control.name, at});
    placed.set(child.control.name, at);
  }
  return {placed, height: Math.max(height, ...kept.map((k) => bottom(k.at)))};
}
