// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How often a course package commits in one practice attempt, under
// scorm-again as the LMS: the worked example with every value typed and
// Check pressed at each question (seven checked values), through answer 4
// and "end". An LMS such as Moodle commits by a synchronous request, which
// holds the page until its server answers.
// Usage: NODE_PATH=/usr/share/nodejs node course_commits.mjs SCORM-DIR 1.2|2004

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { launchChromium, serveFolder } from '../tests/web/chromium.mjs';

const [scormDir, version] = process.argv.slice(2);
const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const v12 = version === '1.2';
const runTime = readFileSync(require.resolve(`scorm-again/${v12 ? 'scorm12' : 'scorm2004'}/min`), 'utf8');
const lms = await serveFolder(scormDir, { pages: { '/lms.html': '<!doctype html><title>LMS</title>' } });
const browser = await launchChromium();
const page = await browser.newPage();
await page.evaluateOnNewDocument(() => addEventListener('compartica:starting', (event) => {
  event.detail.draws = '0.25,0.4375,0.25,0.5,0.5,0.25';
}));
await page.goto(`http://127.0.0.1:${lms.address().port}/lms.html`);
await page.addScriptTag({ content: runTime });
await page.evaluate((v12, src) => {
  window.commits = 0;
  const api = new window[v12 ? 'Scorm12API' : 'Scorm2004API']({ logLevel: 5 });
  const commit = v12 ? 'LMSCommit' : 'Commit';
  const original = api[commit].bind(api);
  api[commit] = (...args) => {
    window.commits++;
    return original(...args);
  };
  window[v12 ? 'API' : 'API_1484_11'] = api;
  const frame = document.createElement('iframe');
  frame.src = src;
  document.body.append(frame);
}, v12, `scorm${version.replace('.', '')}/index.html`);
const frame = await (await page.waitForSelector('iframe')).contentFrame();
await frame.waitForFunction(() => performance.getEntriesByName('compartica-case-drawn').length);

const settle = () => frame.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 20))));
const press = async (selector) => {
  await frame.$eval(selector, (button) => button.click());
  await settle();
};
const step = async () => press(`#${await frame.evaluate(() =>
  document.querySelector('#bar button:not([hidden]):not(.leaving):not(#end)').id)}`);
const values = [['43478', '0.577'], ['24.15', '55.5'], ['2.8', '6.4'], ['5.09']];
for (const [n, typed] of values.entries()) {
  for (const [k, text] of typed.entries()) {
    await frame.$eval(`#answer${2 * n + k + 1}`, (input, value) => {
      input.value = value;
      input.dispatchEvent(new Event('input'));
    }, text);
  }
  await press('#check');
  await step();
  if (n < 3) await step();
}
await press('#end');
console.log(`SCORM ${version}: ${await page.evaluate(() => window.commits)} commits for seven checked values, ` +
            'answer 4 and "end"');
await browser.close();
lms.close();
