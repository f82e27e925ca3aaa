// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teacher's page: a class set's choices, checked by the core as the
// command line checks them, and the set's sheets and key laid out by the
// core as compartica-sheets lays them out, shown as pages of placed text,
// QR codes and pictures that the browser prints (or saves as PDF) a page a
// sheet. Loaded before the WebAssembly module's script, whose module it
// sets up; the page's own texts come with that script (pageCatalogues).
// The choices are kept in the address, so a set can be bookmarked and
// shared: ?count=30&seed=4242&paper=a4, and link, key-per-page and lang.

var Module = (() => {
  const root = document.documentElement;
  const element = (id) => document.getElementById(id);
  const languageKey = 'compartica-language';
  const checkedFields = ['count', 'seed', 'paper', 'link'];
  const state = { language: 'en', titles: null, timer: 0, problems: {}, given: {},
                  languageKept: new URLSearchParams(window.location.search).has('lang') };
  // The fonts in units of 1/1200 inch: the sheets' 9 points, the key's 8
  // and the labels' 7, each at its size rounded to a whole unit, as the
  // PDF writer takes it.
  const fontSizes = [9, 8, 7].map((points) => Math.round((points * 1200) / 72));
  const measures = [];

  const N_ = (text) => (pageCatalogues[state.language] || {})[text] || text;
  const NC_ = (context, text) => N_(`${context}\u0004${text}`).replace(/^.*\u0004/, '');
  const filled = (text, values) => text.replace(/\{(\w+)\}/g, (match, name) => values[name]);

  // Lines and columns of the page's font at `size` units, rounded to whole
  // units as the PDF writer rounds them.
  const metrics = (size) => Module.fontMetrics(size, Math.round);

  // Widths, kept: a set measures the same few hundred texts again and again.
  function textWidth(font, text) {
    if (!measures[font]) {
      const context = document.createElement('canvas').getContext('2d');
      context.font = `bold ${fontSizes[font]}px "Compartica Sans"`;
      measures[font] = { context, widths: new Map() };
    }
    const { context, widths } = measures[font];
    if (!widths.has(text)) widths.set(text, Math.round(context.measureText(text).width));
    return widths.get(text);
  }

  function remembered() {
    try { return localStorage.getItem(languageKey); } catch (error) { return null; }
  }

  // The address's "lang=", the student's or teacher's choice on either
  // page, then the browser's languages; else English.
  function chooseLanguage() {
    return Module.firstLanguage([new URLSearchParams(window.location.search).get('lang'), remembered(),
                                 ...(navigator.languages || [navigator.language])]);
  }

  function translatePage() {
    root.lang = state.language;
    const texts = {
      heading: N_('Worksheets for a class'),
      intro: N_('Every student gets a case of their own on paper, with the address and a QR code ' +
        'that open it on screen; you get the answer key. Print them on paper, or to a PDF file.'),
      'count-label': N_('Cases'),
      'count-hint': N_('1 to 500, a case a sheet.'),
      'seed-label': N_('Set seed'),
      'new-seed': N_('New seed'),
      'seed-hint': N_('The same seed makes the same set again; S-i makes case i of set S alone, ' +
        'as its sheet names it.'),
      'paper-label': N_('Paper'),
      // TRANSLATORS: the paper size of North America, 8.5 x 11 inches.
      'paper-letter': NC_('paper size', 'Letter'),
      'link-label': N_('Link to the exercise'),
      'link-hint': N_("Where the exercise is published: this site, or a course's copy. Each " +
        'sheet prints the address of its case there and its QR code; left empty, neither.'),
      'key-per-page-label': N_('The key one case a page'),
      'language-label': N_('Language'),
      'print-sheets': N_('Print the sheets'),
      'print-key': N_('Print the key'),
      'sheets-heading': N_('The sheets'),
      'key-heading': N_('The answer key'),
      'exercise-link': N_('The exercise'),
    };
    for (const [id, text] of Object.entries(texts)) element(id).textContent = text;
    document.title = N_('Compartica: worksheets for a class');
  }

  // Every language of the catalogues, each in its own name; the choice is
  // remembered for both pages.
  function offerLanguages() {
    const choice = element('language');
    for (const code of Object.keys(pageCatalogues)) {
      const name = pageCatalogues[code]['language name\u0004English'] || 'English';
      choice.append(Object.assign(new Option(name, code, false, code === state.language),
                                  { lang: code }));
    }
    choice.addEventListener('change', () => {
      try { localStorage.setItem(languageKey, choice.value); } catch (error) { /* not kept */ }
      state.language = choice.value;
      state.languageKept = true;
      translatePage(); // the form's own listener then lays the set out again
    });
  }

  // A new set seed: 53 random bits, exact in a double.
  function freshSeed() {
    const [high, low] = crypto.getRandomValues(new Uint32Array(2));
    return String((high >>> 11) * 4294967296 + low);
  }

  // The choices from the address, the rest as they stand: a new seed, and a
  // link to the exercise beside this page. A field shows the first of its
  // choice's texts, but until it is changed the texts are checked as the
  // address gave them (all of them, with what a field cannot hold, such as
  // a newline), so that the page takes or refuses them as
  // compartica-sheets does. A paper the select does not offer stays
  // chosen, to be refused beside it.
  function fromAddress() {
    const query = new URLSearchParams(window.location.search);
    for (const name of checkedFields) if (query.has(name)) state.given[name] = query.getAll(name);
    const given = (name, fallback) => (query.has(name) ? query.get(name) : fallback);
    element('count').value = given('count', element('count').value);
    element('seed').value = given('seed', freshSeed());
    element('link').value = given('link', siteLink());
    element('key-per-page').checked = query.get('key-per-page') === '1';
    const paper = element('paper');
    const asked = given('paper', 'a4');
    if (![...paper.options].some((option) => option.value === asked))
      paper.append(new Option(asked, asked));
    paper.value = asked;
  }

  const siteLink = () => new URL('./', window.location.href).href;

  // Each choice's texts: the address's, or once its field has changed, the
  // field's.
  function choices() {
    const texts = {};
    for (const name of checkedFields) texts[name] = state.given[name] || [element(name).value];
    return { texts, keyPerPage: element('key-per-page').checked };
  }

  // The choices as an address's query, for the core and for a bookmark.
  function query(chosen, { bookmark = false } = {}) {
    const pairs = new URLSearchParams();
    for (const name of checkedFields) {
      const texts = chosen.texts[name];
      if (bookmark && name === 'link' && texts.length === 1 && texts[0] === siteLink()) continue;
      for (const text of texts) pairs.append(name, text);
    }
    return pairs;
  }

  // The address of the set, for a bookmark; the link only where it is not
  // this site's own, the language where the address or the teacher chose it.
  function keepInAddress(chosen) {
    const kept = query(chosen, { bookmark: true });
    if (chosen.keyPerPage) kept.set('key-per-page', '1');
    if (state.languageKept) kept.set('lang', state.language);
    window.history.replaceState(null, '', `?${kept}`);
  }

  const call = (name, args) => Module.callWhole(name, 'string', args);

  // Each refused choice's one line beside its field, and beside the link a
  // warning where it is taken but leads only to this computer; true where
  // all are taken.
  function checkChoices(chosen) {
    state.problems = JSON.parse(call('compartica_set_problems',
                                     [query(chosen).toString(), state.language]));
    for (const name of checkedFields) {
      element(`${name}-problem`).textContent = state.problems[name];
      element(name).setAttribute('aria-invalid', String(!!state.problems[name]));
    }
    element('link-warning').textContent = state.problems.linkWarning;
    return checkedFields.every((name) => !state.problems[name]);
  }

  // A sheet's QR code as vector squares, a row's dark run as one rectangle.
  function codeSvg(link) {
    const code = qrcode(0, 'M');
    code.addData(link, 'Byte');
    code.make();
    const width = code.getModuleCount();
    let path = '';
    for (let row = 0; row < width; row += 1) {
      for (let column = 0; column < width;) {
        let end = column;
        while (end < width && code.isDark(row, end)) end += 1;
        if (end > column) path += `M${column} ${row}h${end - column}v1h${column - end}z`;
        column = Math.max(end, column + 1);
      }
    }
    const drawing = Module.svg('svg', { viewBox: `0 0 ${width} ${width}`, 'shape-rendering': 'crispEdges',
                                        role: 'img', 'aria-label': link });
    drawing.append(Module.svg('path', { d: path, fill: '#000' }));
    return drawing;
  }

  function placed(item, x, y, width, height) {
    item.classList.add('drawn');
    for (const [name, value] of Object.entries({ x, y, w: width, h: height }))
      item.style.setProperty(`--${name}`, value);
    return item;
  }

  function pageOf(blocks) {
    const page = Object.assign(document.createElement('div'), { className: 'page' });
    const area = Object.assign(document.createElement('div'), { className: 'area' });
    const labels = metrics(fontSizes[2]);
    for (const block of blocks) {
      for (const [x, y, text] of block.runs) {
        const run = Object.assign(document.createElement('span'), { className: 'run', textContent: text });
        run.style.setProperty('--x', x);
        run.style.setProperty('--y', y);
        area.append(run);
      }
      if (block.code) area.append(placed(codeSvg(block.code.link), ...block.code.box));
      if (block.picture) {
        const picture = Module.pictureSvg(block.picture, labels.ascent,
                                          { class: 'picture', 'font-size': fontSizes[2] });
        area.append(placed(picture, 0, block.picture.top, block.picture.width, block.picture.height));
      }
    }
    page.append(area);
    return page;
  }

  // One document's pages, in its font: the sheets' or the key's.
  function showDocument(id, pages, font, set) {
    const section = element(id);
    const shown = metrics(fontSizes[font]);
    section.classList.toggle('letter', set.paper === 'letter');
    for (const [name, value] of Object.entries({ 'page-width': set.width, 'page-height': set.height,
                                                 font: fontSizes[font], line: shown.lineHeight,
                                                 stroke: `${shown.lineHeight / 16}px` }))
      section.style.setProperty(`--${name}`, value);
    section.querySelector('.pages').replaceChildren(...pages.map(pageOf));
  }

  // The set as chosen, checked, kept in the address, laid out and shown.
  function update() {
    window.clearTimeout(state.timer);
    const chosen = choices();
    keepInAddress(chosen);
    state.titles = null;
    element('summary').textContent = '';
    if (!checkChoices(chosen)) return;
    const [sheet, key, labels] = fontSizes.map(metrics);
    const set = JSON.parse(call('compartica_class_set',
      [query(chosen).toString(), chosen.keyPerPage, state.language, sheet.columnWidth,
       sheet.lineHeight, key.columnWidth, key.lineHeight, labels.lineHeight]));
    showDocument('sheets', set.sheets, 0, set);
    showDocument('key', set.key, 1, set);
    state.titles = { sheets: set.sheetsTitle, key: set.keyTitle };
    element('summary').textContent = filled(N_('Pages to print: {sheets} of sheets, {key} of key.'),
      { sheets: set.sheets.length, key: set.key.length });
  }

  // The browser prints the one document, under its title (a PDF's name).
  function printDocument(which) {
    if (!state.titles) {
      element(checkedFields.find((name) => state.problems[name]) || 'count').focus();
      return;
    }
    root.dataset.print = which;
    document.title = state.titles[which];
    window.print();
  }

  // Once the page has its worker, the worker keeps the page's own files as
  // well (it keeps the exercise's at once): asked for through it, each is
  // taken from the browser's cache where it can be.
  function keepOffline() {
    if (!('serviceWorker' in navigator)) return;
    const keep = () => Promise.all(['teacher.html', 'teacher.js', 'qrcode.js'].map((name) => fetch(name)))
      .catch(() => {});
    navigator.serviceWorker.register('sw.js').then(() => {
      if (navigator.serviceWorker.controller) keep();
      else navigator.serviceWorker.addEventListener('controllerchange', keep, { once: true });
    }).catch(() => {});
  }

  async function start() {
    await document.fonts.load(`bold ${fontSizes[0]}px "Compartica Sans"`);
    fromAddress();
    const form = element('choices');
    // A changed field's own text replaces what the address gave for it.
    const changed = (event) => delete state.given[event.target.name];
    form.addEventListener('input', changed);
    form.addEventListener('change', changed);
    form.addEventListener('input', () => {
      window.clearTimeout(state.timer);
      state.timer = window.setTimeout(update, 300);
    });
    form.addEventListener('change', update);
    element('new-seed').addEventListener('click', () => {
      delete state.given.seed;
      element('seed').value = freshSeed();
      update();
    });
    element('print-sheets').addEventListener('click', () => printDocument('sheets'));
    element('print-key').addEventListener('click', () => printDocument('key'));
    window.addEventListener('afterprint', () => {
      root.dataset.print = 'sheets';
      translatePage();
    });
    element('status').textContent = '';
    update();
    performance.mark('compartica-set-shown');
    if (document.readyState === 'complete') keepOffline();
    else window.addEventListener('load', keepOffline, { once: true });
  }

  // Opened from a file, the browser loads none of the page's parts: in
  // place of the form, the page says how to serve it, as the exercise page
  // does, and goes no further.
  function servedOnly() {
    state.language = chooseLanguage();
    translatePage();
    for (const id of ['choices', 'sheets', 'key']) element(id).hidden = true;
    // TRANSLATORS: {command} is a command to type, {address} the address
    // it serves the page at.
    const served = N_('This page must be opened from a web server, not as a file: a browser ' +
      'does not let a page opened from a file load its parts. In the folder that holds it, run ' +
      '{command} and open {address} in the browser, or copy the folder to any web server.');
    const values = { command: Object.assign(document.createElement('code'),
                                            { textContent: 'python3 -m http.server 8080' }),
                     address: 'http://127.0.0.1:8080/teacher.html' };
    element('status').replaceChildren(
      ...served.split(/\{(\w+)\}/).map((part, n) => (n % 2 ? values[part] : part)));
    return {};
  }

  const unloaded = () => {
    element('status').textContent = N_('Compartica could not load all of its parts. Reload the ' +
      'page; if it still does not start, tell whoever looks after this site.');
  };

  return {
    sheets: { textWidth },
    preRun: [() => {
      state.language = chooseLanguage();
      translatePage();
      offerLanguages();
      element('status').textContent = N_('Loading…');
    }],
    onRuntimeInitialized: () => { start().catch(unloaded); },
    onAbort: unloaded,
    ...(window.location.protocol === 'file:' ? { instantiateWasm: servedOnly } : {}),
  };
})();
