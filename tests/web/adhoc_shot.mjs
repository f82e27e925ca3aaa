import { launchChromium, serveFolder } from './chromium.mjs';
const [site, out] = process.argv.slice(2);
const server = await serveFolder(site);
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await launchChromium();
for (const [name, vp, url] of [['laptop', { width: 1366, height: 768 }, ''], ['phone', { width: 360, height: 740, isMobile: true, hasTouch: true, deviceScaleFactor: 2 }, ''], ['short', { width: 1024, height: 600 }, ''], ['de', { width: 1366, height: 768 }, '#lang=de']]) {
  const page = await browser.newPage();
  page.on('pageerror', (e) => console.log('ERROR', e.message));
  page.on('console', (m) => console.log('console', m.text()));
  await page.setViewport(vp);
  await page.goto(base + url);
  await page.waitForFunction(() => performance.getEntriesByName('compartica-case-drawn').length);
  for (let i = 0; i < 7; i++) {
    await new Promise((d) => setTimeout(d, 600));
    await page.evaluate(() => document.querySelector('#bar button:not([hidden]):not(.leaving):not(#end)').click());
  }
  await new Promise((d) => setTimeout(d, 400));
  const info = await page.evaluate(() => { const f = document.getElementById('body-water'); const r = f.getBoundingClientRect(); return [f.hidden, r.left, r.top, r.width, r.height, f.querySelector('svg')?.getAttribute('aria-label'), f.querySelectorAll('tr').length]; });
  console.log(name, JSON.stringify(info));
  await page.screenshot({ path: `${out}/${name}.png`, fullPage: name === 'phone' });
  await page.close();
}
await browser.close(); server.close();
