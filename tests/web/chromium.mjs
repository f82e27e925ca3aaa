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

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.png': 'image/png', '.woff2': 'font/woff2', '.txt': 'text/plain',
                '.webmanifest': 'application/manifest+json' };

// The body a server that compresses sends for a file: text, scripts and the
// module gzipped, images and fonts (compressed already) as they are.
export function sentBody(path, body) {
  return /^(image|font)\//.test(types[extname(path)]) ? body : gzipSync(body, { level: 9 });
}

// Serves the folder on a free port of 127.0.0.1, and pages given as
// { '/path.html': text }; resolves to the server. With compress, text,
// scripts and the module go gzipped to a browser that accepts it, as a web
// server that compresses sends them. A path ending in "/" serves its
// index.html. override(path, request, response), where given, may answer
// a request itself (returning true), to play a failing server. The server
// counts the requests for each path in `requests`.
export function serveFolder(folder, { compress = false, pages = {}, override = null } = {}) {
  const server = createServer((request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    server.requests[path] = (server.requests[path] || 0) + 1;
    if (override && override(path, request, response)) return;
    try {
      const file = path.endsWith('/') ? `${path}index.html` : path;
      const body = pages[file] ?? readFileSync(join(folder, file));
      const headers = { 'Content-Type': types[extname(file)] || 'text/html' };
      const sent = compress && /\bgzip\b/.test(request.headers['accept-encoding'] || '')
        ? sentBody(file, body) : body;
      if (sent !== body) headers['Content-Encoding'] = 'gzip';
      response.writeHead(200, headers).end(sent);
    } catch {
      response.writeHead(404).end();
    }
  });
  server.requests = {};
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

export function launchChromium() {
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}
