// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web edition in Debian's headless Chromium, served from a local
// server: the worked example clicked through with real clicks and with
// Space, read from the live regions a screen reader reads, compared with
// the native core's transcripts; the layout against the layout table; the
// red answer ink; a small viewport; and "end".
// Usage: node tst_page.mjs WEB-DIR TRANSCRIPTS LAYOUT-TABLE [SCREENSHOT.png]

import { readFileSync } from 'node:fs';
import { launchChromium, serveFolder } from './chromium.mjs';

const [webDir, transcriptsFile, layoutFile, screenshot] = process.argv.slice(2);
const workedDraws = '0.25,0.4375,0.25,0.5,0.5,0.25';
let failures = 0;

function check(ok, what, detail = '') {
  if (ok) console.log(`ok: ${what}`);
  else { failures++; console.log(`FAIL: ${what}${detail ? `\n${detail}` : ''}`); }
}

// "== stage N questions" / "== stage N answer" blocks, as tst_core prints them.
function stages(text) {
  const result = [];
  for (const block of text.split(/^== /m).slice(1)) {
    const [header, ...lines] = block.replace(/\n$/, '').split('\n');
    const [, stage, panel] = /^stage (\d) (questions|answer)$/.exec(header);
    result[stage] = result[stage] || {};
    result[stage][panel] = lines.join('\n');
  }
  return result;
}

function layoutTable(text) {
  const rows = {};
  for (const line of text.trim().split('\n')) {
    const [kind, , name, , left, top, width, height] = line.split('\t');
    if (kind === 'control') rows[name] = { left: +left, top: +top, width: +width, height: +height };
  }
  return rows;
}

const expected = stages(readFileSync(transcriptsFile, 'utf8'));
const table = layoutTable(readFileSync(layoutFile, 'utf8'));
const sequence = ['seeanswer1', 'hideanswer1', 'seeanswer2', 'hideanswer2', 'seeanswer3',
                  'hideanswer3', 'seeanswer4'];
const server = await serveFolder(webDir);
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await launchChromium();

async function open(viewport = { width: 1280, height: 900 }) {
  const page = await browser.newPage();
  page.on('pageerror', (error) => check(false, `no script error (${error.message})`));
  await page.setViewport(viewport);
  await page.goto(`${base}#draws=${workedDraws}`);
  await page.waitForFunction(() => performance.getEntriesByName('compartica-case-drawn').length);
  return page;
}

const spoken = (page, name) => page.$eval(`#${name}-text`, (region) =>
  [...region.children].map((piece) => piece.textContent));
const visibleButtons = (page) => page.$$eval('button', (buttons) =>
  buttons.filter((b) => getComputedStyle(b).visibility !== 'hidden').map((b) => b.id).sort().join(' '));

// Each stage: the live regions hold the panels' text, each step added one
// piece, and the one button that leads on shows.
async function checkStage(page, stage, how) {
  const questions = await spoken(page, 'Picture1');
  const answer = await spoken(page, 'Picture3');
  check(questions.join('') === expected[stage].questions, `${how}: stage ${stage} questions`,
        `${JSON.stringify(questions.join(''))}\n${JSON.stringify(expected[stage].questions)}`);
  check(answer.join('') === expected[stage].answer, `${how}: stage ${stage} answer`,
        `${JSON.stringify(answer.join(''))}\n${JSON.stringify(expected[stage].answer)}`);
  check(questions.length === 1 + Math.floor(stage / 2) && answer.length <= 1,
        `${how}: stage ${stage}: one announcement a step`);
  const next = stage < 7 ? `${sequence[stage]} end` : 'end';
  check((await visibleButtons(page)) === next.split(' ').sort().join(' '),
        `${how}: stage ${stage}: buttons ${next}`);
}

try {
  let page = await open();
  const metrics = await page.evaluate(() => Module.comparticaMetrics);
  check(metrics.columnWidth === 8 && metrics.lineHeight === 15,
        `font metrics from the bundled font are the desktop's (${metrics.columnWidth} x ${metrics.lineHeight})`);
  check((await page.title()) === 'Compartica', 'title');
  for (const name of ['seeanswer1', 'end', 'Picture1', 'Picture2']) {
    const box = await page.$eval(`#${name}`, (e) => {
      const r = e.getBoundingClientRect();
      return { left: r.left, top: r.top, width: r.width, height: r.height };
    });
    const want = table[name];
    check(box.left === want.left && box.top === want.top && box.width === want.width &&
          box.height === want.height, `${name} lies where the layout table says`,
          JSON.stringify(box));
  }

  for (let stage = 0; stage < 7; stage++) {
    await checkStage(page, stage, 'mouse');
    await page.click(`#${sequence[stage]}`);
  }
  await checkStage(page, 7, 'mouse');
  const red = await page.$eval('#Picture3', (canvas) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let count = 0;
    for (let i = 0; i < data.length; i += 4)
      count += data[i] === 255 && data[i + 1] === 0 && data[i + 2] === 0;
    return count;
  });
  check(red > 300, `answer 4 is drawn in red (${red} pure red pixels)`);
  if (screenshot) await page.screenshot({ path: screenshot, clip: { x: 0, y: 0, width: 1024, height: 768 } });
  await page.click('#end');
  check(await page.$('#ended') !== null && (await page.$$('button')).length === 0,
        'end: the page says the exercise has ended and offers no button');
  await page.close();

  page = await open();
  await page.keyboard.down(' ');
  for (let i = 0; i < 10; i++) await page.keyboard.down(' '); // auto-repeat
  await page.keyboard.up(' ');
  await checkStage(page, 1, 'held Space');
  await page.keyboard.press('Enter');
  await checkStage(page, 1, 'Enter');
  for (let stage = 1; stage < 7; stage++) await page.keyboard.press(' ');
  await checkStage(page, 7, 'Space');
  await page.close();

  page = await open({ width: 1024, height: 600 });
  await page.click('#seeanswer1');
  const bottoms = await page.$$eval('#end, #Picture3', (elements) =>
    elements.map((e) => e.getBoundingClientRect().bottom));
  check(bottoms.every((bottom) => bottom <= 600),
        `a 1024 x 600 viewport shows end and the answer panel (bottoms ${bottoms})`);
  await page.close();
} finally {
  await browser.close();
  server.close();
}
console.log(failures ? `page: ${failures} failed` : 'page: passed');
process.exit(failures ? 1 : 0);
