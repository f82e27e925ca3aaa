// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the exercise page and the teacher's page share, prepended to the
// WebAssembly module's script before the exercise page's own: the choice of
// a language, the font's metrics, and drawing in SVG.

// The first of `codes` (a link's, the reader's choice, the browser's
// languages: "de-AT", "es") that there is a catalogue for; else English.
Module.firstLanguage = (codes) => {
  for (const code of codes) {
    const primary = String(code || '').toLowerCase().split(/[-_]/)[0];
    if (Object.prototype.hasOwnProperty.call(pageCatalogues, primary)) return primary;
  }
  return 'en';
};

// Calls the module's function `name` with `args`, each text given whole:
// as its UTF-8 bytes in the module's memory and their length, so that the
// core reads every character of it, a NUL too (a C string would end at
// the first, and a NUL pasted into a field would cut what it holds short).
// Numbers and booleans pass as numbers.
Module.callWhole = (name, returns, args = []) => {
  const held = [];
  const passed = args.flatMap((arg) => {
    if (typeof arg !== 'string') return [Number(arg)];
    const bytes = new TextEncoder().encode(arg);
    const at = Module._malloc(bytes.length + 1);
    Module.HEAPU8.set(bytes, at);
    held.push(at);
    return [at, bytes.length];
  });
  try {
    return Module.ccall(name, returns, passed.map(() => 'number'), passed);
  } finally {
    held.forEach((at) => Module._free(at));
  }
};

// What Qt reads from the page's font at `size` pixels: the average
// character width, the ascent and the height (ascent plus descent), each
// rounded to whole pixels by `rounding`: outwards (Math.ceil) as FreeType
// does on screen, to the nearest (Math.round) as the PDF writer does. The
// build writes the font's numbers into the page.
Module.fontMetrics = (size, rounding) => {
  const [unitsPerEm, ascender, descender, averageWidth] =
    document.documentElement.dataset.fontMetrics.split(' ').map(Number);
  const scale = size / unitsPerEm;
  const ascent = rounding(ascender * scale);
  return { columnWidth: Math.round(averageWidth * scale), ascent,
           lineHeight: ascent + rounding(descender * scale) };
};

// An SVG element, and the patient's body water as the core laid it out
// (boxes filled, then their hatching and the brackets, the boxes' outlines
// over them, and each label's lines, their baselines `ascent` below the top
// of each line).
Module.svg = (name, attributes, text) => {
  const element = document.createElementNS('http://www.w3.org/2000/svg', name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
  if (text !== undefined) element.textContent = text;
  return element;
};

Module.pictureSvg = (picture, ascent, attributes) => {
  const svg = Module.svg;
  const drawing = svg('svg', Object.assign({ viewBox: `0 0 ${picture.width} ${picture.height}` },
                                           attributes));
  const rect = (box, more) => svg('rect', Object.assign(
    { x: box[0], y: box[1], width: box[2], height: box[3] }, more));
  drawing.append(...picture.boxes.map((box) => rect(box.box, { class: 'fill', fill: box.fill })),
    ...picture.lines.map(({ line, hatching }) => svg('line', {
      x1: line[0], y1: line[1], x2: line[2], y2: line[3], class: hatching ? 'hatching' : 'bracket' })),
    ...picture.boxes.map((box) => rect(box.box, { class: 'outline' })),
    ...picture.texts.flatMap((text) => text.lines.map((line, n) => svg('text', {
      x: text.box[0], y: text.box[1] + n * picture.lineHeight + ascent }, line))));
  return drawing;
};
