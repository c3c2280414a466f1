// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests and the benchmark share: the site served on 127.0.0.1 by an
// HTTP server inside this process (closed by whoever starts it), and Debian's chromium,
// headless, driven by playwright-core in a fresh profile under a temporary folder. Nothing
// is downloaded: playwright-core brings no browser, and the browser's own background
// traffic is switched off.
import {createServer} from 'node:http';
import {mkdtempSync, readFileSync, rmSync, statSync} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

let chromium;
try {
  ({chromium} = await import('playwright-core'));
} catch {
  console.error('playwright-core is missing: run scripts/setup.sh (npm ci in web).');
  process.exit(1);
}

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.json': 'application/json',
};

// Serves `site` on a free port of 127.0.0.1 as a plain static host does: each file with
// its type and a validator, so that a browser asking again for a file it holds is told
// "304 Not Modified". `served` lists every answer, {path, status}. `extra` maps further
// paths ("/blank.html") to the files' texts, served beside the site's.
export async function serve(site, extra = {}) {
  const root = path.resolve(site);
  const served = [];
  const server = createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    if (Object.hasOwn(extra, url.pathname)) {
      served.push({path: url.pathname, status: 200});
      response.writeHead(200, {'Content-Type': kTypes[path.extname(url.pathname)], 'Cache-Control': 'no-cache'});
      response.end(extra[url.pathname]);
      return;
    }
    let file = path.join(root, decodeURIComponent(url.pathname));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = path.join(file, 'index.html');
      const {mtimeMs, size} = statSync(file);
      const tag = `"${Math.floor(mtimeMs).toString(36)}-${size.toString(36)}"`;
      if (request.headers['if-none-match'] === tag) {
        served.push({path: url.pathname, status: 304});
        response.writeHead(304, {ETag: tag}).end();
        return;
      }
      const body = readFileSync(file);
      served.push({path: url.pathname, status: 200});
      response.writeHead(200, {
        'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
        ETag: tag,
        'Cache-Control': 'no-cache',
      });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const {port} = server.address();
  return {
    url: `http://127.0.0.1:${port}/`,
    served,
    close: () =>
      new Promise((resolve) => {
        server.closeAllConnections();
        server.close(resolve);
      }),
  };
}

const kBrowser = {
  executablePath: process.env.AMPORA_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: [
    '--headless',
    '--no-sandbox',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-gpu',
    '--no-first-run',
    '--disable-sync',
  ],
};

// A browser with a fresh profile; close() also removes the profile.
export async function launch(options = {}) {
  const profile = mkdtempSync(path.join(os.tmpdir(), 'ampora-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    ...kBrowser,
    viewport: {width: 1280, height: 900},
    ...options,
  });
  return {
    context,
    close: async () => {
      await context.close();
      rmSync(profile, {recursive: true, force: true});
    },
  };
}

// A browser whose every new context is a first visit: playwright keeps its profile in a
// temporary folder of its own and removes it when the browser closes.
export const launchBrowser = () => chromium.launch(kBrowser);

export const here = path.dirname(fileURLToPath(import.meta.url));

// A test's tally: check(ok, what) counts a pass or keeps what failed and returns ok;
// finish() prints what failed and the counts, and ends the process, failing if any did.
export function tally() {
  let passed = 0;
  const failures = [];
  return {
    failures,
    check(ok, what) {
      if (ok) ++passed;
      else failures.push(what);
      return ok;
    },
    finish() {
      for (const f of failures) console.error(`FAIL: ${f}`);
      console.log(`${passed} passed, ${failures.length} failed`);
      process.exit(failures.length ? 1 : 0);
    },
  };
}
