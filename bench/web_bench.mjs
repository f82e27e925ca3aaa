// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web edition in headless Chromium, served gzipped as a web server
// that compresses serves it: the bytes of a first visit (every file of the
// site, as the service worker fetches them all, but the teacher's page's
// own, which only a visit to that page fetches, and which are counted
// apart), the time from navigation
// to the case text on Chromium's emulated Fast 3G and Slow 3G and without
// throttling, and the time one See or Hide click takes to be handled and
// shown (the click runs the core and places the text synchronously).
// Usage: node web_bench.mjs SITE-DIR [RUNS]

import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { PredefinedNetworkConditions, launchChromium, sentBody, serveFolder } from '../tests/web/chromium.mjs';

const [siteDir, runsText] = process.argv.slice(2);
const runs = Number(runsText || 10);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const range = (values, digits) => `median ${median(values).toFixed(digits)} ms ` +
  `(min ${Math.min(...values).toFixed(digits)}, max ${Math.max(...values).toFixed(digits)})`;

const teachers = ['teacher.html', 'teacher.js', 'qrcode.js'];
const bytes = (names) => names.reduce((sum, name) => sum + sentBody(name, readFileSync(join(siteDir, name))).length, 0);
const exercise = readdirSync(siteDir).filter((name) => !teachers.includes(name));
console.log(`first visit: ${bytes(exercise)} bytes, ${exercise.length} files (text gzipped); ` +
            `the teacher's page's own files: ${bytes(teachers)} bytes more`);

const server = await serveFolder(siteDir, { compress: true });

// Navigation to the case text. Throttled, as a first visit: in a fresh
// browser, with nothing cached. Unthrottled, as the page tests load it: a
// new page of one browser, past the service worker; then, once the page
// has loaded, the time of each step.
async function caseTime(page, conditions) {
  if (conditions) await page.emulateNetworkConditions(conditions);
  await page.goto(`http://127.0.0.1:${server.address().port}/`,
                  { waitUntil: conditions ? 'domcontentloaded' : 'load', timeout: 120000 });
  await page.waitForFunction(() => performance.getEntriesByName('compartica-case-drawn').length,
                             { timeout: 120000 });
  const time = await page.evaluate(() =>
    performance.getEntriesByName('compartica-case-drawn')[0].startTime);
  const clicks = conditions ? [] : await page.evaluate(() => {
    const times = [];
    for (let step = 0; step < 7; step++) {
      const button = [...document.querySelectorAll('button')].find((b) =>
        b.id !== 'end' && b.checkVisibility({ visibilityProperty: true, opacityProperty: true }));
      const start = performance.now();
      button.click();
      document.body.getBoundingClientRect(); // the text laid out, as shown
      times.push(performance.now() - start);
    }
    return times;
  });
  return { time, clicks };
}

for (const name of ['Slow 3G', 'Fast 3G']) {
  const times = [];
  for (let run = 0; run < Math.min(runs, 3); run++) {
    const browser = await launchChromium();
    times.push((await caseTime(await browser.newPage(), PredefinedNetworkConditions[name])).time);
    await browser.close();
  }
  console.log(`${name}: navigation to the case text ${range(times, 0)}, ${times.length} loads`);
}
const browser = await launchChromium();
const drawn = [];
const clicks = [];
for (let run = 0; run < runs; run++) {
  const page = await browser.newPage();
  await page.setBypassServiceWorker(true);
  const result = await caseTime(page, null);
  drawn.push(result.time);
  clicks.push(...result.clicks);
  await page.close();
}
await browser.close();
server.close();
console.log(`no throttling: navigation to the case text ${range(drawn, 1)}, ${runs} loads`);
console.log(`one See or Hide click handled and shown: ${range(clicks, 2)}, ${clicks.length} clicks`);
