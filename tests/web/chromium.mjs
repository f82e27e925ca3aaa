// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's tests and benchmark share: a local server for a folder
// and Debian's headless Chromium.

import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

export { PredefinedNetworkConditions } from 'puppeteer-core';

export const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                       '.png': 'image/png', '.ttf': 'font/ttf', '.woff2': 'font/woff2', '.txt': 'text/plain',
                       '.webmanifest': 'application/manifest+json' };

// Serves the folder on a free port of 127.0.0.1; resolves to the server.
// With compress, text, scripts and the module go gzipped to a browser that
// accepts it, as a web server that compresses sends them.
export function serveFolder(folder, { compress = false } = {}) {
  const server = createServer((request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    try {
      let body = readFileSync(join(folder, path === '/' ? 'index.html' : path));
      const type = types[extname(path)] || 'text/html';
      const headers = { 'Content-Type': type };
      if (compress && !/^(image|font)\//.test(type) &&
          /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        body = gzipSync(body, { level: 9 });
        headers['Content-Encoding'] = 'gzip';
      }
      response.writeHead(200, headers).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

export function launchChromium() {
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}
