// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the exercise: builds the controls from the core's
// layout table (positions, sizes, the font size and every word), places
// what the core prints as the page's own text, and forwards the clicks.
// Where the viewport is as wide as the window, the page lays the controls
// out as the window does; where it is narrower, the same text flows, with
// print columns as indents and the buttons in a bar at the foot.
// It tells whoever listens (a course's adapter) of each step (with how each
// question stands: outcomes), of the exercise complete and of the page closing ("ended" when "end" closed it),
// as window events "compartica:step", "compartica:complete" and
// "compartica:closing", and in practice of each value's first check
// ("compartica:checked") and the score ("compartica:score"); before it
// begins, a "compartica:starting" listener may name the case and step to
// start from, what was typed and checked before (record) and the language
// the learner prefers (learnerLanguage), say that the page runs in a
// course and whether it practises, why it records nothing (recording:
// "finished-shown", "finished", "preview", "unrecorded") and that a
// finished attempt is only shown (showOnly), or (tests) give scripted draws.
// Practice is on with "#practice" in the link, or by the student's choice,
// which the page remembers. Prepended to the WebAssembly module's own
// script, after the page's own texts in each language (pageCatalogues,
// from po/).
// The panels are not live regions: after each step one polite region is
// given what the step printed, whole and in reading order, for a screen
// reader to say once.

// On the teacher's page, whose script has set Module.sheets, it does nothing.
Module.compartica = Module.sheets ? null : (() => {
  // The page's script has arrived and runs: the note that stands in for
  // it after a while if it never does stays hidden.
  document.documentElement.classList.add('scripted');
  const family = 'Compartica Sans';
  // The longest case name, "S-i" with S below 2^64 and i up to 500; longer
  // text is cut to one character more, which names no case, before it
  // reaches the module.
  const longestCaseName = 24;
  // A press of the pointer this soon after a step (ms) is the second half of
  // a double tap or click, not a step: the student has not yet seen the one
  // it follows.
  const settleTime = 500;
  // How long (ms) the button a step leaves stays in the accessibility tree.
  const leaveTime = 150;
  const panelControls = ['Picture1', 'Picture3'];
  // In the window's layout the choice of language stands this far (px)
  // below the top of "end", in "end"'s column, and is this tall: within the
  // layout's foot, whatever the height it is fitted to.
  const footGap = 37;
  const footHeight = 26;
  const root = document.documentElement;
  const state = { form: null, metrics: null, panels: [], lines: [[], []], fresh: new Set(),
                  controls: new Map(), measure: null, stepped: false,
                  from: null, complete: false, closed: false, steppedAt: -Infinity,
                  course: false, shown: 0, step: 0, language: 'en', preferred: null,
                  practice: false, record: '', fieldsKey: '', rows: [], posedAt: 0,
                  picture: null, recording: '' };
  // Where the student's choices of language and of practice are kept.
  const languageKey = 'compartica-language';
  const practiceKey = 'compartica-practice';

  // The page's own words in its language, or another (the English text
  // where the catalogue has none), marked for the catalogues' template.
  const N_ = (text) => pageCatalogues[state.language][text] || text;
  const NC_ = (context, text, language = state.language) =>
    pageCatalogues[language][`${context}\u0004${text}`] || text;
  // A text with its placeholders ("{address}") filled in: strings, or
  // elements for the parts that are markup.
  const filled = (text, values) => text.split(/\{(\w+)\}/).map((part, n) => (n % 2 ? values[part] : part));

  // The first language there is a catalogue for of a link's "lang=", the
  // student's choice on this page, the course's learner preference and the
  // browser's languages; else English.
  function chooseLanguage(linked, preferred) {
    return Module.firstLanguage([linked, remembered(languageKey), preferred,
                                 ...(navigator.languages || [navigator.language])]);
  }

  // The page's own texts, which stand in the page before its script runs,
  // in the page's language; and the language a screen reader speaks them in.
  function translatePage() {
    root.lang = state.language;
    const set = (id, text) => { document.getElementById(id).textContent = text; };
    set('update-text', N_('A new version of Compartica is ready.'));
    set('reload', N_('Load it'));
    set('language-label', N_('Language'));
    set('practise-label', N_('Practise with your own answers'));
    set('teacher-link', N_('Worksheets for a class'));
    set('unloaded', N_('Compartica could not load all of its parts. Reload the page; if it still ' +
                       'does not start, tell whoever looks after this site.'));
    set('offline', N_('Compartica could not load all of its parts: this device is offline. ' +
                      'Connect it, then reload the page.'));
    const command = Object.assign(document.createElement('code'),
                                  { textContent: 'python3 -m http.server 8080' });
    // TRANSLATORS: {command} is a command to type, {address} the address
    // it serves the page at.
    const served = N_('This page must be opened from a web server, not as a file: a browser ' +
      'does not let a page opened from a file load its parts. In the folder that holds it, run ' +
      '{command} and open {address} in the browser, or copy the folder to any web server.');
    document.getElementById('served').replaceChildren(
      ...filled(served, { command, address: 'http://127.0.0.1:8080/' }));
    if (!state.form) setStatus(N_('Loading the exercise…'));
  }

  // The choice of language at the foot of the page: each language in its
  // own name, remembered for the next visit.
  function offerLanguages() {
    const choice = document.getElementById('language');
    for (const code of Object.keys(pageCatalogues)) {
      // TRANSLATORS: the name of this catalogue's language, in itself:
      // "Deutsch", "Español".
      const name = NC_('language name', 'English', code);
      choice.append(Object.assign(new Option(name, code, false, code === state.language),
                                  { lang: code }));
    }
    choice.addEventListener('change', () => {
      remember(languageKey, choice.value);
      const hash = new URLSearchParams(window.location.hash.slice(1));
      if (hash.has('lang')) {
        hash.set('lang', choice.value);
        window.history.replaceState(null, '', `#${hash}`);
      }
      changeLanguage(choice.value);
    });
  }

  function remembered(key) {
    try { return localStorage.getItem(key); } catch (error) { return null; }
  }
  function remember(key, value) {
    try { localStorage.setItem(key, value); } catch (error) { /* not kept */ }
  }

  // The choice of practice, remembered; the same case then starts again,
  // with or without the fields. A course makes the choice itself.
  function offerPractice() {
    const choice = document.getElementById('practise');
    choice.checked = state.practice;
    document.getElementById('practise-choice').hidden = state.course;
    choice.addEventListener('change', () => {
      remember(practiceKey, choice.checked ? 'on' : 'off');
      state.practice = choice.checked;
      state.record = '';
      begin(Object.assign({}, state.begun, state.from, { resumed: true }));
    });
  }

  // The page's texts and its controls' captions and names in a language.
  function relabel(code) {
    state.language = code;
    document.getElementById('language').value = code;
    translatePage();
    for (const row of layoutTable().controls) {
      const element = state.controls.get(row.index);
      if (!element) continue;
      if (row.kind === 'button') element.textContent = row.caption;
      else if (row.kind === 'panel') element.setAttribute('aria-label', row.accessibleName);
      else element.querySelector('img').alt = row.accessibleName;
    }
  }

  // The same case at the same step, in another language; once the exercise
  // has ended, only the page's words change.
  function changeLanguage(code) {
    if (code === state.language) return;
    relabel(code);
    if (!document.getElementById('bar').hidden)
      begin(Object.assign({}, state.begun, state.from, { resumed: true, step: state.step,
                                                         record: state.record }));
  }

  function textWidth(text) {
    return Math.round(state.measure.measureText(text).width);
  }

  // Where a flowing line may break: between words and between the parts of
  // a formula, never inside a part. A value keeps the operator before it
  // and its unit or closing bracket after it, and a bracket that holds at
  // most one word is one part. The spaces a line keeps together become
  // no-break spaces (which copy as spaces), in the lines a step printed; a
  // browser may still break after a hyphen, so "- " in a part is kept
  // together by its own element.
  const tokenKind = (token) => (/^(L|kg|mg|mL|min|µg|\/mL,?|%)$/.test(token) ? 'unit'
    : /\d/.test(token) ? 'number' : /^[=/x+\-()]$/.test(token) ? 'operator' : 'word');
  const joined = (a, b) => (a.kind === 'operator' && a.token !== ')' && b.kind === 'number') ||
    (a.kind !== 'operator' && a.kind !== 'word' && (b.kind === 'unit' || b.token === ')'));

  function keepTogether(line) {
    const spans = [...line.children];
    const text = spans.map((span) => span.textContent).join('').replace(/\u00a0/g, ' ');
    const tokens = [...text.matchAll(/[^ ]+/g)].map((match) => (
      { token: match[0], kind: tokenKind(match[0]), start: match.index }));
    const kept = tokens.map((token, n) => n + 1 < tokens.length && joined(token, tokens[n + 1]));
    tokens.forEach((token, n) => {
      if (!token.token.startsWith('(')) return;
      const close = tokens.findIndex((other, m) => m >= n && other.token.endsWith(')'));
      if (close > n && tokens.slice(n, close + 1).filter((other) => other.kind === 'word').length < 2)
        kept.fill(true, n, close);
    });
    const glued = text.split('');
    tokens.forEach((token, n) => {
      const end = token.start + token.token.length;
      if (kept[n]) glued.fill('\u00a0', end, tokens[n + 1].start);
    });
    let at = 0;
    for (const span of spans) {
      const length = span.textContent.length;
      const wanted = glued.slice(at, at + length).join('');
      if (span.textContent !== wanted)
        span.replaceChildren(...wanted.split(/(-\u00a0)/).map((piece, n) => (n % 2
          ? Object.assign(document.createElement('span'), { className: 'joint', textContent: piece })
          : piece)));
      at += length;
    }
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
      line.element.style.setProperty('--line-left', run.x);
      line.element.style.setProperty('--line-top', run.y);
      line.first = run.column;
    } else {
      line.last.span.style.setProperty('--run-width', run.x - line.last.x);
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

  const call = (name, returns, args) => Module.callWhole(name, returns, args);

  // The core's layout table: the form's line, then one line a control.
  function layoutTable() {
    const rows = call('compartica_layout', 'string', [state.language]).trim().split('\n').map((line) => line.split('\t'));
    const [, width, height, fontSize, title] = rows.find((row) => row[0] === 'form');
    const controls = rows.filter((row) => row[0] === 'control').map(
      ([, index, name, kind, left, top, width, height, caption, accessibleName]) => (
        { index: Number(index), name, kind, left, top, width, height, caption, accessibleName }));
    const room = rows.find((row) => row[0] === 'picture').map(Number);
    return { form: { width: Number(width), height: Number(height), fontSize: Number(fontSize), title },
             controls,
             picture: { name: 'body-water', left: room[1], top: room[2], width: room[3], height: room[4] } };
  }

  // Where the window's layout puts a control, in the layout's pixels; used
  // only while the page shows that layout.
  function place(element, row) {
    element.id = row.name;
    element.classList.add('control');
    for (const side of ['left', 'top', 'width', 'height'])
      element.style.setProperty(`--${side}`, row[side]);
    return element;
  }

  function controlElement(row) {
    if (row.kind === 'button') {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = row.caption;
      button.addEventListener('click', (event) => click(row.index, event));
      return button;
    }
    if (row.kind === 'panel') {
      const panel = document.createElement('div');
      panel.setAttribute('role', 'region');
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
  function buildControls(controls, picture) {
    const end = controls.find((row) => row.name === 'end');
    const foot = document.getElementById('foot');
    foot.classList.add('control');
    const box = { left: end.left, width: end.width, height: footHeight };
    for (const side of Object.keys(box)) foot.style.setProperty(`--${side}`, box[side]);
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
    // Practice's fields, over the answer panel's place or below its text.
    const answers = controls.find((row) => row.name === 'Picture3');
    const fields = place(Object.assign(document.createElement('div'), { hidden: true }),
                         Object.assign({}, answers, { name: 'practice' }));
    bar.before(fields);
    // The patient's body water after answer 4: in the window's layout in
    // the room the buttons leave below the emblem, flowing below the answers.
    state.picture = Object.assign({ endTop: Number(end.top) }, picture);
    bar.before(place(Object.assign(document.createElement('figure'), { hidden: true }), picture));
  }

  function tableOf(picture) {
    const row = (cells, head) => {
      const tr = document.createElement('tr');
      cells.forEach((cell, n) => {
        const element = document.createElement(head || n === 0 ? 'th' : 'td');
        if (head || n === 0) element.scope = head ? 'col' : 'row';
        element.textContent = cell;
        tr.append(element);
      });
      return tr;
    };
    // Hidden in a box of its own: a table is never narrower than its text.
    const table = document.createElement('table');
    const caption = Object.assign(document.createElement('caption'), { textContent: picture.title });
    const head = document.createElement('thead');
    head.append(row(picture.headings, true));
    const body = document.createElement('tbody');
    body.append(...picture.rows.map((cells) => row(cells, false)));
    table.append(caption, head, body);
    const box = Object.assign(document.createElement('div'), { className: 'visually-hidden' });
    box.append(table);
    return box;
  }

  // The picture as SVG, drawn as the core laid it out, with the summary as
  // its text alternative and a table of every value for a screen reader.
  // Once answer 4 is shown; laid out again when the layout changes.
  function showPicture() {
    const figure = document.getElementById('body-water');
    figure.hidden = !state.complete;
    if (!state.complete) { figure.replaceChildren(); return; }
    const flowing = root.classList.contains('flow');
    // Flowing, the picture is drawn a quarter larger than the window's.
    const room = flowing ? { width: Math.min(400, Math.max(200, Math.floor((figure.clientWidth - 24) / 1.25))),
                             height: 2000 }
      : { width: state.picture.width, height: Number(figure.style.getPropertyValue('--height')) };
    const json = call('compartica_picture', 'string', [room.width, room.height]);
    const picture = JSON.parse(json);
    const drawing = Module.pictureSvg(picture, state.metrics.ascent,
                                      { role: 'img', 'aria-label': picture.summary });
    drawing.style.setProperty('--picture-width', picture.width);
    drawing.style.setProperty('--picture-height', picture.height);
    figure.replaceChildren(drawing, tableOf(picture));
  }

  // A box of the core's practice layout, in the answer panel's pixels.
  function placeIn(element, box) {
    element.classList.add('placed');
    ['left', 'top', 'width', 'height'].forEach((side, n) => element.style.setProperty(`--${side}`, box[n]));
    return element;
  }

  // One field of practice: its label, the input with its unit, and the
  // verdict of the last check, which the input's description names.
  function fieldRow(field) {
    const id = `answer${field.quantity + 1}`;
    const input = Object.assign(document.createElement('input'), {
      id, type: 'text', inputMode: 'decimal', autocomplete: 'off', spellcheck: false, maxLength: 24 });
    input.setAttribute('aria-describedby', `${id}-verdict`);
    input.addEventListener('input', () =>
      call('compartica_type', null, [field.quantity, input.value]));
    input.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      checkAnswers();
    });
    const label = Object.assign(document.createElement('label'), { htmlFor: id });
    const unit = Object.assign(document.createElement('span'), { className: 'unit' });
    unit.setAttribute('aria-hidden', 'true');
    const verdict = Object.assign(document.createElement('p'), { id: `${id}-verdict`, className: 'verdict' });
    return { label, input, unit, verdict };
  }

  // Shows practice as the stage has it; a new question's fields are made
  // afresh, and otherwise only their texts change, so typing goes on.
  function showPractice(practice) {
    const box = document.getElementById('practice');
    state.record = practice.record || '';
    if (!practice.fields) {
      box.hidden = true;
      box.replaceChildren();
      state.fieldsKey = '';
      state.rows = [];
      return;
    }
    box.hidden = false;
    const posed = practice.fields[0].editable;
    const key = `${practice.question}${posed}${state.language}`;
    if (key !== state.fieldsKey) {
      state.fieldsKey = key;
      state.rows = practice.fields.map(fieldRow);
      const check = Object.assign(document.createElement('button'), { type: 'button', id: 'check' });
      check.addEventListener('click', checkAnswers);
      const summary = Object.assign(document.createElement('p'), { id: 'summary' });
      box.replaceChildren(...state.rows.flatMap((row) => [row.label, row.input, row.unit, row.verdict]),
                          check, summary);
      if (posed) state.posedAt = performance.now();
    }
    practice.fields.forEach((field, n) => {
      const row = state.rows[n];
      placeIn(row.label, field.labelBox).textContent = field.label;
      placeIn(row.input, field.fieldBox).setAttribute('aria-label', field.name);
      if (row.input.value !== field.typed) row.input.value = field.typed;
      row.input.readOnly = !field.editable;
      placeIn(row.unit, field.unitBox).textContent = field.unit;
      placeIn(row.verdict, field.verdictBox).textContent = field.verdict;
    });
    const check = document.getElementById('check');
    placeIn(check, practice.checkBox).textContent = practice.checkCaption;
    check.hidden = !practice.checkShown;
    placeIn(document.getElementById('summary'), practice.summaryBox).textContent = practice.summary;
  }

  // Each value's first check, for a course's record, with the time since
  // its question was posed (ms); and the score so far.
  function reportChecks(practice) {
    const firstChecks = practice.firstChecks || [];
    for (const first of firstChecks)
      emit('checked', Object.assign({ latency: performance.now() - state.posedAt }, first));
    if (firstChecks.length) emit('score', { score: practice.score });
  }

  // What a step or a check leaves to read in practice: each field's label
  // and verdict, the Check button while it shows, and the summary.
  function practiceShown() {
    const check = document.getElementById('check');
    const shown = check && !check.hidden ? [check] : [];
    return state.rows.flatMap((row) => [row.label, row.verdict])
      .concat(shown, state.rows.length ? [document.getElementById('summary')] : []);
  }

  function checkAnswers() {
    call('compartica_check', null);
  }

  // The window's layout where it fits whole, below what stands above it,
  // with a fine pointer; the flowing layout elsewhere, and on paper. The layout is drawn
  // at the reader's text size (1rem for 16 px) and, where the viewport is
  // shorter than the form, with the answer panel and "end" raised as the
  // core fits them. Browser zoom enlarges it as it does any page.
  function chooseLayout() {
    const unit = parseFloat(getComputedStyle(root).fontSize) / 16;
    root.classList.replace('flow', 'window') || root.classList.add('window');
    const above = document.getElementById('form1').getBoundingClientRect().top + window.scrollY;
    const height = Math.floor((window.innerHeight - above) / unit);
    const fitted = call('compartica_fit', 'string',
                        [height, state.metrics.lineHeight, state.practice]).split('\t').map(Number);
    const wide = !window.matchMedia('print, (pointer: coarse)').matches && fitted.length > 1 &&
      window.innerWidth >= state.form.width * unit;
    root.classList.replace('window', wide ? 'window' : 'flow');
    if (wide) placeWindow(fitted);
    if (state.complete) showPicture();
  }

  // The window's layout fitted to the viewport's height: the panels, "end",
  // the choice of language and the picture's room, which ends where it did
  // above "end".
  function placeWindow(fitted) {
    const [formHeight, questionsTop, questionsHeight, answersTop, answersHeight, endTop] = fitted;
    root.style.setProperty('--form-height', formHeight);
    const set = (id, top, height) => {
      const element = document.getElementById(id);
      element.style.setProperty('--top', top);
      if (height !== undefined) element.style.setProperty('--height', height);
    };
    set('Picture1', questionsTop, questionsHeight);
    set('Picture3', answersTop, answersHeight);
    set('practice', answersTop, answersHeight);
    set('end', endTop);
    set('foot', endTop + footGap);
    set('body-water', state.picture.top, state.picture.height - (state.picture.endTop - endTop));
  }

  // After a step, scrolls the least that shows every line it printed, or
  // as many as fit from the first one, above the bar of buttons.
  function reveal(lines) {
    const boxes = [...lines].filter((line) => line.textContent).map((line) => line.getBoundingClientRect());
    if (!boxes.length) return;
    const top = Math.min(...boxes.map((box) => box.top));
    const bottom = Math.max(...boxes.map((box) => box.bottom));
    const bar = document.getElementById('bar').getBoundingClientRect();
    const visibleBottom = root.classList.contains('flow') ? Math.min(bar.top, window.innerHeight)
      : window.innerHeight;
    const by = Math.min(Math.max(0, bottom - visibleBottom), top);
    if (by) window.scrollBy({ top: by, behavior: 'instant' });
  }

  // What a step printed, its lines in order, said once by a screen reader;
  // a stage that printed nothing (a course's record brought back) leaves
  // what was said.
  function announce(text) {
    const lines = text.split('\n').map((line) => line.trim()).filter(Boolean).join('\n');
    if (lines) document.getElementById('spoken').textContent = lines;
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
    if (state.metrics) chooseLayout();
  }

  // The exercise has stopped or ended: its controls give way to the message
  // and a button that starts again with a new patient.
  function finish(message, restart) {
    closing(true);
    state.controls.forEach((element) => { element.hidden = true; });
    document.getElementById('bar').hidden = true;
    const picture = document.getElementById('body-water');
    if (picture) picture.hidden = true;
    setStatus(message);
    const again = document.getElementById('again');
    again.textContent = restart;
    again.hidden = !restart;
    if (restart) again.focus();
  }

  const shown = (index) => ((state.shown >> index) & 1) === 1;

  // The controls the exercise no longer shows: hidden, they take no clicks
  // and no focus and are not read out.
  function hideLeaving() {
    state.controls.forEach((element, index) => {
      if (shown(index) || element.hidden) return;
      element.hidden = true;
      element.classList.remove('leaving');
    });
  }

  // After each step: shows what the exercise shows, and the control that
  // takes the focus appears before any other goes, so the focus moves at
  // once. The button the focus left stays in the accessibility tree a
  // moment longer, unseen and untouchable: a screen reader that loses the
  // object it was on moves on silently and would not say where the focus
  // went. Only the controls that change are touched, so a step restyles
  // little.
  function stage(report) {
    if (report.message) {
      finish(report.message, report.restart);
      return;
    }
    state.shown = report.shown;
    state.step = report.step;
    showPractice(report.practice);
    // A check keeps the focus where the student is, and is heard by its verdicts.
    const checking = !!report.practice.checking;
    state.controls.forEach((element, index) => {
      if (!shown(index)) return;
      element.hidden = false;
      element.classList.remove('leaving');
    });
    const firstField = report.practice.focusField && state.stepped && state.rows[0].input;
    const focus = firstField || state.controls.get(report.focus);
    if (focus && document.activeElement !== focus && !checking)
      focus.focus({ preventScroll: true });
    state.controls.forEach((element, index) => {
      if (!shown(index) && !element.hidden) element.classList.add('leaving');
    });
    setTimeout(hideLeaving, leaveTime);
    // A step is heard by what it printed (in practice after answer 4, and
    // the summary).
    announce(checking ? state.rows.map((row) => row.verdict.textContent).join('\n')
      : `${report.spoken}\n${report.practice.summary || ''}`);
    state.fresh.forEach(keepTogether);
    if (state.stepped || checking) reveal([...state.fresh, ...practiceShown()]);
    state.fresh.clear();
    state.stepped = false;
    emit('step', Object.assign({ step: report.step, record: state.record, outcomes: report.outcomes },
                               state.from));
    reportChecks(report.practice);
    const completed = report.complete && !state.complete;
    state.complete = report.complete;
    if (completed) {
      showPicture();
      emit('complete');
    }
  }

  const settling = () => performance.now() - state.steppedAt < settleTime;

  // A press by the pointer (a click's detail counts its presses; a key's
  // click has none) while the last step settles is not taken.
  function click(index, event) {
    if (event.detail > 0 && settling()) return;
    state.steppedAt = performance.now();
    state.stepped = true;
    call('compartica_click', null, [index]);
  }

  // One key press makes at most one step: auto-repeated presses do nothing.
  // Space on a panel (the worked answer holds the focus after answer 4)
  // presses nothing and scrolls nothing.
  function guardKeys(event) {
    if (event.target.tagName === 'BUTTON' && event.repeat) event.preventDefault();
    if (event.key === ' ' && event.target.classList.contains('panel')) event.preventDefault();
  }

  // The second press of a double click lands where the button that was
  // pressed has gone: the focus stays on the button that leads on, and a
  // link that came under the pointer (the teacher's page, at the foot) is
  // not followed.
  function guardFocus(event) {
    if (settling()) event.preventDefault();
  }
  function guardLink(event) {
    if (event.detail > 0 && settling()) event.preventDefault();
  }

  // The case a link names, as mail and chat programs leave links: without
  // the stops, brackets, commas, slashes and spaces they add at its end.
  function fromAddress() {
    const hash = new URLSearchParams(window.location.hash.slice(1));
    return { case: (hash.get('case') || '').replace(/[\s.,)/]+$/, ''), linked: hash.has('case'),
             language: (hash.get('lang') || '').replace(/[\s.,)/]+$/, ''),
             practice: hash.has('practice') || null };
  }

  // A new address in the tab: its case, in its language. One that names
  // only another language shows the same case at the same step in it.
  function addressChanged() {
    if (state.course) return;
    const from = fromAddress();
    const language = chooseLanguage(from.language, state.preferred);
    const sameCase = from.linked === state.from.linked && (!from.linked || from.case === state.from.case);
    if (sameCase && language !== state.language) {
      changeLanguage(language);
      return;
    }
    if (language !== state.language) relabel(language);
    if (from.practice) document.getElementById('practise').checked = state.practice = true;
    begin(from);
  }

  // from: { draws, case, linked, resumed, course, step, record, showOnly },
  // each optional: scripted draws, the case's name as its worksheet gives
  // it (linked: it came by a link, and the page shows it; resumed: a course
  // kept it), that the page runs in a course, the step to go on to, in
  // practice what was typed and checked, and that it is a finished attempt
  // shown as it ended, in which nothing can be typed or checked.
  function begin(from) {
    state.panels.forEach((panel, index) => clear(index));
    setStatus('');
    document.getElementById('again').hidden = true;
    document.getElementById('bar').hidden = false;
    window.scrollTo(0, 0);
    state.from = { case: String(from.case || '').slice(0, longestCaseName + 1),
                   linked: !!from.linked };
    state.begun = { draws: from.draws, course: from.course, showOnly: from.showOnly };
    state.complete = false;
    showPicture();
    state.fieldsKey = '';
    root.classList.toggle('practising', state.practice);
    showCourseNote();
    if (state.metrics) chooseLayout();
    call('compartica_start', null,
         [state.metrics.columnWidth, state.metrics.lineHeight, from.draws || '', state.from.case,
          state.from.linked, !!from.resumed, !!from.course, state.language, state.practice]);
    call('compartica_resume', null, [from.step || 0, String(from.record || '').slice(0, 500),
                                     !!from.showOnly]);
  }

  // Where a course's copy records nothing, the line that says so.
  function showCourseNote() {
    const note = document.getElementById('course-note');
    note.textContent = call('compartica_course_note', 'string', [state.recording, state.language]);
    note.hidden = !note.textContent;
  }

  // A new build of the page has taken over from the one on screen (a
  // returning visitor sees the cached build first): the page says so and
  // offers to load it. A course's copy registers no worker: it needs the
  // network to record anyway, and an LMS serves each new package from a
  // new address, where each worker would stay behind.
  function watchForUpdates() {
    if (!('serviceWorker' in navigator)) return;
    if (state.course) {
      removeWorker();
      return;
    }
    const replacing = !!navigator.serviceWorker.controller;
    navigator.serviceWorker.addEventListener('controllerchange', () => {
      if (!replacing) return;
      document.getElementById('update').hidden = false;
      chooseLayout();
    });
    document.getElementById('reload').addEventListener('click', () => window.location.reload());
    // Registered once the page has loaded all it shows, which the worker
    // then finds in the browser's cache. Without its worker (a server that
    // lacks it, a private window) the page works as ever, only not offline.
    const register = () => navigator.serviceWorker.register('sw.js').catch(() => {});
    if (document.readyState === 'complete') register();
    else window.addEventListener('load', register, { once: true });
  }

  // A worker an earlier build of a course's copy registered at this
  // address, and the caches it kept (named for this address), removed;
  // other copies on the same host keep theirs.
  async function removeWorker() {
    const scope = new URL('./', window.location.href).href;
    const registration = await navigator.serviceWorker.getRegistration(scope).catch(() => null);
    if (registration && registration.scope === scope) await registration.unregister().catch(() => {});
    if (!('caches' in window)) return;
    const names = await caches.keys().catch(() => []);
    await Promise.all(names.filter((name) => name.startsWith(`compartica ${scope} `))
      .map((name) => caches.delete(name).catch(() => {})));
  }

  async function start() {
    const from = fromAddress();
    emit('starting', from);
    state.course = !!from.course;
    state.recording = from.recording || '';
    // A course's copy of the page has no teacher's page beside it.
    document.getElementById('teachers').hidden = state.course;
    state.preferred = from.learnerLanguage || null;
    // A link's "practice" or a course's choice, else the student's.
    state.practice = from.practice !== null && from.practice !== undefined ? !!from.practice
      : remembered(practiceKey) === 'on';
    state.language = chooseLanguage(from.language, state.preferred);
    translatePage();
    offerLanguages();
    offerPractice();
    const table = layoutTable();
    state.form = table.form;
    document.title = state.form.title;
    document.getElementById('title').textContent = state.form.title;
    root.style.setProperty('--font-size', state.form.fontSize);
    root.style.setProperty('--form-width', state.form.width);
    // Without its font (blocked, or cut short), the page goes on in the
    // fallback face, which has the same widths.
    const font = `bold ${state.form.fontSize}px "${family}", Arial, sans-serif`;
    await document.fonts.load(font).catch(() => []);
    state.metrics = Module.fontMetrics(state.form.fontSize, Math.ceil);
    root.style.setProperty('--line-height', state.metrics.lineHeight);
    state.measure = document.createElement('canvas').getContext('2d');
    state.measure.font = font;

    buildControls(table.controls, table.picture);
    window.addEventListener('resize', chooseLayout);
    window.matchMedia('print, (pointer: coarse)').addEventListener('change', chooseLayout);
    chooseLayout();
    document.addEventListener('keydown', guardKeys, true);
    document.addEventListener('mousedown', guardFocus);
    document.getElementById('teacher-link').addEventListener('click', guardLink);
    // A new patient leaves the address of the case before it, so that a
    // reload does not bring that case back; a new address opens its case.
    document.getElementById('again').addEventListener('click', () => {
      window.history.replaceState(null, '', window.location.pathname + window.location.search);
      begin({});
    });
    window.addEventListener('hashchange', addressChanged);
    window.addEventListener('pagehide', () => closing(false));
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
      finish(call('compartica_start_failed', 'string', [state.language, String(error.message)]), ''));
  };
  // Until the module has started, the page's notes speak the language of
  // the link or the browser.
  state.language = chooseLanguage(fromAddress().language, null);
  translatePage();
  return { textWidth, print, clear, stage, caseShown };
})();
