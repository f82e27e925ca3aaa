// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web edition in headless Chromium: time from navigation to the case
// text drawn, and the time one See or Hide click takes to be handled and
// drawn (the click runs the core and draws the canvases synchronously).
// Usage: node web_bench.mjs WEB-DIR [RUNS]

import { launchChromium, serveFolder } from '../tests/web/chromium.mjs';

const [webDir, runsText] = process.argv.slice(2);
const runs = Number(runsText || 10);
const server = await serveFolder(webDir);
const browser = await launchChromium();
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const drawn = [];
const clicks = [];
for (let run = 0; run < runs; run++) {
  const page = await browser.newPage();
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.waitForFunction(() => performance.getEntriesByName('compartica-case-drawn').length);
  drawn.push(await page.evaluate(() =>
    performance.getEntriesByName('compartica-case-drawn')[0].startTime));
  clicks.push(...await page.evaluate(() => {
    const times = [];
    for (let step = 0; step < 7; step++) {
      const button = [...document.querySelectorAll('button')].find((b) => b.style.visibility !== 'hidden' && b.id !== 'end');
      const start = performance.now();
      button.click();
      times.push(performance.now() - start);
    }
    return times;
  }));
  await page.close();
}
await browser.close();
server.close();
console.log(`navigation to case drawn: median ${median(drawn).toFixed(1)} ms ` +
            `(min ${Math.min(...drawn).toFixed(1)}, max ${Math.max(...drawn).toFixed(1)}), ${runs} loads`);
console.log(`one See or Hide click handled and drawn: median ${median(clicks).toFixed(2)} ms, ` +
            `max ${Math.max(...clicks).toFixed(2)} ms, ${clicks.length} clicks`);
