// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the exercise: builds the controls from the core's
// layout table (positions, sizes, the font size and every word), places
// what the core prints as the page's own text, and forwards the clicks.
// Where the viewport is as wide as the window, the page lays the controls
// out as the window does; where it is narrower, the same text flows, with
// print columns as indents and the buttons in a bar at the foot.
// It tells whoever listens (a course's adapter) of each step, of the
// exercise complete and of the page closing ("ended" when "end" closed it),
// as window events "compartica:step", "compartica:complete" and
// "compartica:closing"; before it begins, a "compartica:starting" listener
// may name the case and step to start from, say that the page runs in a
// course, or (tests) give scripted draws. Prepended to the WebAssembly
// module's own script.

Module.compartica = (() => {
  // The page's script has arrived and runs: the note that stands in for
  // it after a while if it never does stays hidden.
  document.documentElement.classList.add('scripted');
  const family = 'Compartica Sans';
  // The longest case name, "S-i" with S below 2^64 and i up to 500; longer
  // text is cut to one character more, which names no case, before it
  // reaches the module.
  const longestCaseName = 24;
  const panelControls = ['Picture1', 'Picture3'];
  const root = document.documentElement;
  const state = { form: null, metrics: null, panels: [], lines: [[], []], fresh: new Set(),
                  controls: new Map(), measure: null, stepped: false,
                  from: null, complete: false, closed: false };

  // What Qt reads from the same font: the average character width and the
  // height, ascent plus descent, each rounded outwards to whole pixels as
  // FreeType does. The build writes the font's numbers into the page.
  function fontMetrics(pixelSize) {
    const [unitsPerEm, ascender, descender, averageWidth] =
      root.dataset.fontMetrics.split(' ').map(Number);
    const scale = pixelSize / unitsPerEm;
    return { columnWidth: Math.round(averageWidth * scale),
             lineHeight: Math.ceil(ascender * scale) + Math.ceil(descender * scale) };
  }

  function textWidth(text) {
    return Math.round(state.measure.measureText(text).width);
  }

  // A printed line: its element, the column its first run starts at, the
  // column just past its last run, and that run.
  function lineOf(panel, number) {
    const lines = state.lines[panel];
    while (lines.length <= number) {
      const element = document.createElement('div');
      element.className = 'line';
      state.panels[panel].append(element);
      lines.push({ element, first: 0, end: 0, last: null });
    }
    return lines[number];
  }

  // One run of printed text. In the window's layout a line sits at its y and
  // each run at its x (a run's box reaches to the next run). Flowing, the
  // line is indented to the column its last tabbed run starts at, and what
  // stands before that column hangs in the margin. A run followed by a tab
  // keeps the spaces the tab stands for, so copied text reads as printed.
  function print(panel, run) {
    const line = lineOf(panel, run.line);
    const span = document.createElement('span');
    span.textContent = run.text;
    const tabbed = !line.last || run.column > line.end;
    if (!line.last) {
      line.element.style.setProperty('--line-left', `${run.x}px`);
      line.element.style.setProperty('--line-top', `${run.y}px`);
      line.first = run.column;
    } else {
      line.last.span.style.setProperty('--run-width', `${run.x - line.last.x}px`);
      if (tabbed) {
        line.last.span.textContent += ' '.repeat(run.column - line.end);
        line.last.span.classList.add('tab');
        line.last.span.style.setProperty('--columns', run.column - line.last.column);
      }
    }
    if (tabbed) {
      line.element.style.setProperty('--indent', run.column - 1);
      line.element.style.setProperty('--hang', line.first - run.column);
    }
    line.element.append(span);
    line.last = { span, x: run.x, column: run.column };
    line.end = run.column + [...run.text].length;
    state.fresh.add(line.element);
  }

  function clear(panel) {
    state.panels[panel].replaceChildren();
    state.lines[panel] = [];
  }

  function call(name, returns, types, args) {
    return Module.ccall(name, returns, types || [], args || []);
  }

  // The core's layout table: the form's line, then one line a control.
  function layoutTable() {
    const rows = call('compartica_layout', 'string').trim().split('\n').map((line) => line.split('\t'));
    const [, width, height, fontSize, shortest, title] = rows.find((row) => row[0] === 'form');
    const controls = rows.filter((row) => row[0] === 'control').map(
      ([, index, name, kind, left, top, width, height, caption, accessibleName]) => (
        { index: Number(index), name, kind, left, top, width, height, caption, accessibleName }));
    return { form: { width: Number(width), height: Number(height), fontSize: Number(fontSize),
                     shortest: Number(shortest), title },
             controls };
  }

  // Where the window's layout puts a control; used only while the page
  // shows that layout.
  function place(element, row) {
    element.id = row.name;
    element.classList.add('control');
    for (const side of ['left', 'top', 'width', 'height'])
      element.style.setProperty(`--${side}`, `${row[side]}px`);
    return element;
  }

  function controlElement(row) {
    if (row.kind === 'button') {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = row.caption;
      button.addEventListener('click', () => click(row.index));
      return button;
    }
    if (row.kind === 'panel') {
      // The panel is its own live region: a screen reader says what a step
      // appends, and nothing of what a clear removes.
      const panel = document.createElement('div');
      panel.setAttribute('role', 'log');
      panel.setAttribute('aria-label', row.accessibleName);
      panel.tabIndex = -1;
      panel.className = 'panel';
      state.panels[panelControls.indexOf(row.name)] = panel;
      return panel;
    }
    if (row.kind === 'emblem') {
      const emblem = document.createElement('div');
      const image = document.createElement('img');
      image.src = 'emblem.png';
      image.alt = row.accessibleName;
      emblem.append(image);
      return emblem;
    }
    return null; // the white backdrop is the page itself
  }

  // In reading order: the emblem, the two panels, then the buttons in the
  // order a student meets them.
  function buildControls(controls) {
    const bar = document.getElementById('bar');
    const order = { emblem: 0, panel: 1, button: 2 };
    const sorted = [...controls].sort((a, b) => order[a.kind] - order[b.kind] || a.index - b.index);
    for (const row of sorted) {
      const element = controlElement(row);
      if (!element) continue;
      state.controls.set(row.index, place(element, row));
      if (row.kind === 'button') bar.append(element);
      else bar.before(element);
    }
  }

  // The window's layout where the viewport is as wide as the window and at
  // least as tall as the window at its smallest; the flowing layout
  // elsewhere. The page never scales itself: browser zoom and the reader's
  // text size enlarge it as they do any page.
  function chooseLayout(wide) {
    root.classList.toggle('window', wide.matches);
    root.classList.toggle('flow', !wide.matches);
  }

  // After a step, scrolls the least that shows every line it printed, or
  // as many as fit from the first one, above the bar of buttons.
  function reveal(lines) {
    const boxes = [...lines].filter((line) => line.textContent).map((line) => line.getBoundingClientRect());
    if (!boxes.length) return;
    const top = Math.min(...boxes.map((box) => box.top));
    const bottom = Math.max(...boxes.map((box) => box.bottom));
    const bar = document.getElementById('bar').getBoundingClientRect();
    const visibleBottom = root.classList.contains('flow') ? bar.top : window.innerHeight;
    const by = Math.min(Math.max(0, bottom - visibleBottom), top);
    if (by) window.scrollBy({ top: by, behavior: 'instant' });
  }

  function setStatus(message) {
    document.getElementById('status').textContent = message;
  }

  function emit(name, detail) {
    window.dispatchEvent(new CustomEvent(`compartica:${name}`, { detail }));
  }

  function closing(ended) {
    if (!state.closed) emit('closing', { ended });
    state.closed = true;
  }

  // The case begun: its name for a course to keep, the label of a case
  // opened by its link, and the line for a link that names no case.
  function caseShown(ref, label, notice) {
    state.from.case = ref;
    state.from.linked = !!label;
    document.title = label ? `${label} – ${state.form.title}` : state.form.title;
    document.getElementById('case-label').textContent = label;
    document.getElementById('notice').textContent = notice;
  }

  // The exercise has stopped or ended: its controls give way to the message
  // and a button that starts again with a new patient.
  function finish(message, restart) {
    closing(true);
    state.controls.forEach((element) => { element.hidden = true; });
    document.getElementById('bar').hidden = true;
    setStatus(message);
    const again = document.getElementById('again');
    again.textContent = restart;
    again.hidden = !restart;
    if (restart) again.focus();
  }

  // After each step: shows what the exercise shows, and the control that
  // takes the focus appears before any other hides, so the focus moves at
  // once. Hidden, controls take no clicks and no focus and are not read out.
  // Only the controls that change are touched, so a step restyles little.
  function stage(report) {
    if (report.message) {
      finish(report.message, report.restart);
      return;
    }
    const show = (visible) => state.controls.forEach((element, index) => {
      const wanted = ((report.shown >> index) & 1) === 1;
      if (wanted === visible && element.hidden === visible) element.hidden = !visible;
    });
    show(true);
    const focus = state.controls.get(report.focus);
    if (focus && document.activeElement !== focus) focus.focus({ preventScroll: true });
    show(false);
    if (state.stepped) reveal(state.fresh);
    state.fresh.clear();
    state.stepped = false;
    emit('step', Object.assign({ step: report.step }, state.from));
    if (report.complete && !state.complete) emit('complete');
    state.complete = report.complete;
  }

  function click(index) {
    state.stepped = true;
    call('compartica_click', null, ['number'], [index]);
  }

  // One key press makes at most one step: auto-repeated presses do nothing.
  function guardKeys(event) {
    if (event.target.tagName === 'BUTTON' && event.repeat) event.preventDefault();
  }

  // from: { draws, case, linked, resumed, course, step }, each optional:
  // scripted draws, the case's name as its worksheet gives it (linked: it
  // came by a link, and the page shows it; resumed: a course kept it), that
  // the page runs in a course, and the step to go on to.
  function begin(from) {
    state.panels.forEach((panel, index) => clear(index));
    setStatus('');
    document.getElementById('again').hidden = true;
    document.getElementById('bar').hidden = false;
    window.scrollTo(0, 0);
    state.from = { case: String(from.case || '').slice(0, longestCaseName + 1),
                   linked: !!from.linked };
    state.complete = false;
    call('compartica_start', null,
         ['number', 'number', 'string', 'string', 'number', 'number', 'number', 'number'],
         [state.metrics.columnWidth, state.metrics.lineHeight, from.draws || '', state.from.case,
          state.from.linked, !!from.resumed, !!from.course, from.step || 0]);
  }

  // A new build of the page has taken over from the one on screen (a
  // returning visitor sees the cached build first): the page says so and
  // offers to load it. In a course the next launch loads it.
  function watchForUpdates() {
    if (!('serviceWorker' in navigator)) return;
    const replacing = !!navigator.serviceWorker.controller;
    navigator.serviceWorker.addEventListener('controllerchange', () => {
      if (!replacing) return;
      document.getElementById('update').hidden = false;
      document.getElementById('reload').hidden = !!state.course;
    });
    document.getElementById('reload').addEventListener('click', () => window.location.reload());
    // Registered once the page has loaded all it shows, which the worker
    // then finds in the browser's cache. Without its worker (a server that
    // lacks it, a private window) the page works as ever, only not offline.
    const register = () => navigator.serviceWorker.register('sw.js').catch(() => {});
    if (document.readyState === 'complete') register();
    else window.addEventListener('load', register, { once: true });
  }

  async function start() {
    const table = layoutTable();
    state.form = table.form;
    document.title = state.form.title;
    document.getElementById('title').textContent = state.form.title;
    root.style.setProperty('--font-size', `${state.form.fontSize}px`);
    root.style.setProperty('--form-height', `${state.form.height}px`);
    // Without its font (blocked, or cut short), the page goes on in the
    // fallback face, which has the same widths.
    const font = `bold ${state.form.fontSize}px "${family}", Arial, sans-serif`;
    await document.fonts.load(font).catch(() => []);
    state.metrics = fontMetrics(state.form.fontSize);
    root.style.setProperty('--line-height', `${state.metrics.lineHeight}px`);
    state.measure = document.createElement('canvas').getContext('2d');
    state.measure.font = font;

    buildControls(table.controls);
    const wide = window.matchMedia(
      `(min-width: ${state.form.width}px) and (min-height: ${state.form.shortest}px)`);
    wide.addEventListener('change', () => chooseLayout(wide));
    chooseLayout(wide);
    document.addEventListener('keydown', guardKeys, true);
    document.getElementById('again').addEventListener('click', () => begin({}));
    window.addEventListener('pagehide', () => closing(false));
    const hash = new URLSearchParams(window.location.hash.slice(1));
    const from = { case: hash.get('case'), linked: hash.has('case') };
    emit('starting', from);
    state.course = !!from.course;
    begin(from);
    performance.mark('compartica-case-drawn');
    watchForUpdates();
  }

  // The module could not be loaded or did not compile: the page says so,
  // blaming the connection only where the browser knows it is offline.
  function unloaded() {
    document.getElementById(navigator.onLine ? 'unloaded' : 'offline').hidden = false;
    setStatus('');
  }

  // The module, fetched and compiled here so that every failure (a network
  // error, a file cut short) reaches the page. Opened from a file, the
  // browser will not fetch it: the page says how to serve it instead.
  Module.instantiateWasm = (imports, receive) => {
    if (window.location.protocol === 'file:') {
      document.getElementById('served').hidden = false;
      setStatus('');
      return {};
    }
    fetch('compartica.wasm', { credentials: 'same-origin' })
      .then((response) => {
        if (!response.ok) throw new Error(`compartica.wasm: ${response.status}`);
        return response.arrayBuffer();
      })
      .then((bytes) => WebAssembly.instantiate(bytes, imports))
      .then((result) => receive(result.instance, result.module), unloaded);
    return {};
  };
  Module.onAbort = unloaded;
  Module.onRuntimeInitialized = () => {
    start().catch((error) =>
      finish(call('compartica_start_failed', 'string', ['string'], [error.message]), ''));
  };
  return { textWidth, print, clear, stage, caseShown };
})();
