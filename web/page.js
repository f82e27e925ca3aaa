// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the exercise: builds the window's layout from the
// core's layout table (positions, sizes, the zoom rule, the font size and
// every word), draws what the core prints onto two canvases, adds what each
// step printed to a live region for screen readers, and forwards the
// clicks. Prepended to the WebAssembly module's own script.

Module.compartica = (() => {
  // The font is fetched at once, while the module itself loads.
  const fontFile = fetch('LiberationSans-Bold.ttf').then((response) => response.arrayBuffer());
  const family = 'Compartica Sans';
  const inks = ['#000000', '#ff0000']; // the question panel, the answer panel
  const panelControls = ['Picture1', 'Picture3'];
  const state = { form: null, zoom: 1, ratio: 0, ascent: 0, runs: [[], []], canvases: [], spoken: [],
                  controls: new Map(), measure: null };

  // What Qt reads from the same font file: the average character width
  // (OS/2 xAvgCharWidth) and the height, ascent plus descent, each rounded
  // outwards to whole pixels as FreeType does (hhea ascender and descender).
  function fontMetrics(buffer, pixelSize) {
    const view = new DataView(buffer);
    const tables = {};
    for (let i = 0, count = view.getUint16(4); i < count; i++) {
      const at = 12 + 16 * i;
      const tag = String.fromCharCode(...new Uint8Array(buffer, at, 4));
      tables[tag] = view.getUint32(at + 8);
    }
    const unitsPerEm = view.getUint16(tables.head + 18);
    const scale = pixelSize / unitsPerEm;
    const ascent = Math.ceil(view.getInt16(tables.hhea + 4) * scale);
    const descent = Math.ceil(-view.getInt16(tables.hhea + 6) * scale);
    const columnWidth = Math.round(view.getInt16(tables['OS/2'] + 2) * scale);
    return { columnWidth, lineHeight: ascent + descent, ascent };
  }

  function textWidth(text) {
    return Math.round(state.measure.measureText(text).width);
  }

  // A canvas has one pixel per device pixel of the panel as shown, at the
  // zoom the layout is drawn at; text is placed in layout pixels.
  function paint(panel) {
    const canvas = state.canvases[panel];
    const ratio = (window.devicePixelRatio || 1) * state.zoom;
    const width = Number(canvas.dataset.width), height = Number(canvas.dataset.height);
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    const context = canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.font = `bold ${state.form.fontSize}px "${family}"`;
    blank(panel);
    for (const run of state.runs[panel])
      context.fillText(run.text, run.x, run.y + state.ascent);
  }

  function blank(panel) {
    const canvas = state.canvases[panel];
    const context = canvas.getContext('2d');
    context.fillStyle = '#ffffff';
    context.fillRect(0, 0, Number(canvas.dataset.width), Number(canvas.dataset.height));
    context.fillStyle = inks[panel];
  }

  function draw(panel, x, y, text) {
    state.runs[panel].push({ x, y, text });
    const context = state.canvases[panel].getContext('2d');
    context.fillText(text, x, y + state.ascent);
  }

  function clear(panel) {
    state.runs[panel] = [];
    blank(panel);
  }

  // The layout is drawn smaller where the viewport is smaller than it, by
  // the core's rule.
  function fitToViewport() {
    const form = document.getElementById('form1');
    const zoom = call('compartica_zoom_to_fit', 'number', ['number', 'number'],
                      [window.innerWidth, window.innerHeight]);
    // A browser zoom changes the device pixel ratio and the size together.
    const ratio = window.devicePixelRatio || 1;
    if (zoom === state.zoom && ratio === state.ratio) return;
    state.zoom = zoom;
    state.ratio = ratio;
    form.style.transform = `scale(${zoom})`;
    paint(0);
    paint(1);
  }

  function call(name, returns, types, args) {
    return Module.ccall(name, returns, types || [], args || []);
  }

  // The core's layout table: the form's line, then one line a control.
  function layoutTable() {
    const rows = call('compartica_layout', 'string').trim().split('\n').map((line) => line.split('\t'));
    const [, width, height, fontSize, title] = rows.find((row) => row[0] === 'form');
    const controls = rows.filter((row) => row[0] === 'control').map(
      ([, index, name, kind, left, top, width, height, caption, accessibleName]) => (
        { index: Number(index), name, kind, left: Number(left), top: Number(top),
          width: Number(width), height: Number(height), caption, accessibleName }));
    return { form: { width: Number(width), height: Number(height), fontSize: Number(fontSize), title },
             controls };
  }

  function place(element, row) {
    element.id = row.name;
    Object.assign(element.style, { left: `${row.left}px`, top: `${row.top}px`,
                                   width: `${row.width}px`, height: `${row.height}px` });
    return element;
  }

  function buildControls(form, controls) {
    form.style.width = `${state.form.width}px`;
    form.style.height = `${state.form.height}px`;
    for (const row of [...controls].reverse()) {
      let element;
      if (row.kind === 'button') {
        element = document.createElement('button');
        element.type = 'button';
        element.textContent = row.caption;
        element.addEventListener('click', () => click(row.index));
      } else if (row.kind === 'panel') {
        const panel = panelControls.indexOf(row.name);
        element = document.createElement('canvas');
        element.dataset.width = row.width;
        element.dataset.height = row.height;
        element.setAttribute('aria-hidden', 'true');
        element.tabIndex = -1;
        state.canvases[panel] = element;
        const spoken = document.createElement('div');
        spoken.className = 'spoken';
        spoken.setAttribute('aria-live', 'polite');
        spoken.setAttribute('aria-label', row.accessibleName);
        spoken.setAttribute('role', 'log');
        spoken.id = `${row.name}-text`;
        state.spoken[panel] = spoken;
        form.append(spoken);
      } else if (row.kind === 'emblem') {
        element = document.createElement('div');
        const emblem = document.createElement('img');
        emblem.src = 'emblem.png';
        emblem.alt = row.accessibleName;
        element.append(emblem);
      } else {
        continue; // the white backdrop is the page itself
      }
      state.controls.set(row.index, place(element, row));
      form.append(element);
    }
  }

  // What assistive technology hears of a panel: only what a step added, or,
  // after a clear, the new text alone.
  function announce(panel, change) {
    const region = state.spoken[panel];
    if (change.cleared) region.replaceChildren();
    if (change.added) {
      const added = document.createElement('div');
      added.textContent = change.added;
      region.append(added);
    }
  }

  function finish(message) {
    const form = document.getElementById('form1');
    const note = document.createElement('p');
    note.id = 'ended';
    note.setAttribute('role', 'status');
    note.textContent = message;
    form.replaceWith(note);
  }

  // After each step: shows what the exercise shows, and the control that
  // takes the focus appears before any other hides. Hidden controls keep
  // their place (visibility, not display), so a step changes no layout and
  // the focus moves at once; hidden, they take no clicks and no focus and
  // are not read out.
  function stage(report) {
    if (report.message) {
      finish(report.message);
      return;
    }
    const shown = (index) => (report.shown & (1 << index)) !== 0;
    state.controls.forEach((element, index) => { if (shown(index)) element.style.visibility = ''; });
    const focus = state.controls.get(report.focus);
    if (focus && document.activeElement !== focus) focus.focus();
    state.controls.forEach((element, index) => { if (!shown(index)) element.style.visibility = 'hidden'; });
    report.panels.forEach((change, panel) => announce(panel, change));
  }

  function click(index) {
    call('compartica_click', null, ['number'], [index]);
  }

  // One key press makes at most one step: auto-repeated presses do nothing,
  // and Enter, which does nothing on the desktop's buttons, does nothing here.
  function guardKeys(event) {
    if (event.target.tagName !== 'BUTTON') return;
    if (event.repeat || event.key === 'Enter') event.preventDefault();
  }

  async function start() {
    const table = layoutTable();
    state.form = table.form;
    document.title = state.form.title;
    document.documentElement.style.setProperty('--font-size', `${state.form.fontSize}px`);
    const buffer = await fontFile;
    const metrics = fontMetrics(buffer, state.form.fontSize);
    const face = new FontFace(family, buffer, { weight: '700' });
    document.fonts.add(await face.load());
    state.ascent = metrics.ascent;
    state.measure = document.createElement('canvas').getContext('2d');
    state.measure.font = `bold ${state.form.fontSize}px "${family}"`;
    Module.comparticaMetrics = metrics;

    const form = document.getElementById('form1');
    form.setAttribute('aria-label', state.form.title);
    buildControls(form, table.controls);
    window.addEventListener('resize', fitToViewport);
    document.addEventListener('keydown', guardKeys, true);
    fitToViewport();
    const draws = /^#draws=([0-9.,]+)$/.exec(window.location.hash);
    call('compartica_start', null, ['number', 'number', 'string'],
         [metrics.columnWidth, metrics.lineHeight, draws ? draws[1] : '']);
    performance.mark('compartica-case-drawn');
  }

  Module.onRuntimeInitialized = () => {
    start().catch((error) =>
      finish(call('compartica_start_failed', 'string', ['string'], [error.message])));
  };
  return { textWidth, draw, clear, stage };
})();
