// The browser edition's speed and size, in headless Chromium against the
// site served locally (node bench/web_bench.mjs [SITE_DIR]):
// - navigation to a sheet ready for its first click, first visit (empty
//   cache), median of 15 loads;
// - one random generation with its redraw (the engine, the DOM updates and
//   the layout they cause), median of 1000 clicks on the title picture;
// - the bytes of WebAssembly and JavaScript, and of the whole first visit;
// - a slow phone (4× slower processor, 150 ms round trip, 1.6 Mbit/s down,
//   750 kbit/s up, 390 × 844 at 3 pixels, touch): first paint and sheet
//   ready on a cold visit, median of 5, and ready on a warm visit (the
//   service worker's cache); once from a server that sends every file as
//   it stands, once from one that compresses them as web hosts do (gzip);
// - Lighthouse's four scores and its FCP, LCP, TBT and CLS, mobile and
//   desktop;
// - the "Personnages" panel with 3 000 characters stored, on the slow
//   phone's processor: opening it (the stored roster read and listed), a
//   keystroke of search, opening it again; and how many <li> are drawn.
//   `node bench/web_bench.mjs SITE_DIR roster` runs this part alone;
// - "Préparer un groupe…" on the slow phone's processor: 20 "Capitain" (about
//   one character in a hundred), the time until they are kept and the
//   longest gap between two paints of a changed progress, median of 3.
//   `node bench/web_bench.mjs SITE_DIR group` runs this part alone.
// A benchmark, not a test: it reports and never fails on a figure.
import { spawn, spawnSync } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import http from 'node:http';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.resolve(here, '../tests/web/package.json'));
const { chromium } = require('@playwright/test');
const chromeLauncher = require('chrome-launcher');
const { default: lighthouse } = await import(require.resolve('lighthouse'));
const { default: desktopConfig } = await import(require.resolve('lighthouse/core/config/desktop-config.js'));
const site = path.resolve(process.argv[2] ?? path.resolve(here, '../build-web/site'));
const onlyPart = process.argv[3];
const cliPath = process.env.ORVANDEL_CLI ?? path.resolve(here, '../build/src/cli/orvandel-cli');

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function serve(directory) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '--directory', directory, '0'],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  return new Promise((resolve) => server.stdout.on('data', (chunk) => {
    const port = /port (\d+)/.exec(chunk.toString())?.[1];
    if (port) resolve({ server, url: `http://127.0.0.1:${port}/` });
  }));
}

// The site as a web host serves it: the files that compress (all but the
// pictures) gzipped for a browser that takes gzip.
const mediaTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml', '.woff2': 'font/woff2', '.png': 'image/png', '.ico': 'image/x-icon',
};
function serveCompressed(directory) {
  const gzipped = new Map();
  const server = http.createServer(async (request, response) => {
    let name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(directory, path.normalize(name));
    const type = mediaTypes[path.extname(file)] ?? 'application/octet-stream';
    let body;
    try {
      body = await readFile(file);
    } catch {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': type };
    if (!type.startsWith('image/png') && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      if (!gzipped.has(file)) gzipped.set(file, zlib.gzipSync(body, { level: 9 }));
      body = gzipped.get(file);
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, headers).end(request.method === 'HEAD' ? undefined : body);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () =>
    resolve({ server, url: `http://127.0.0.1:${server.address().port}/` })));
}

async function firstVisit(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
  const page = await context.newPage();
  const bytes = {};
  page.on('response', async (response) => {
    const body = await response.body().catch(() => Buffer.alloc(0));
    bytes[new URL(response.url()).pathname] = body.length;
  });
  await page.goto(url);
  await page.locator('html[data-ready="true"]').waitFor();
  const ready = await page.evaluate(() => performance.getEntriesByName('sheet-ready')[0].startTime);
  await page.waitForLoadState('networkidle');
  return { context, page, ready, bytes };
}

// One visit of the slow phone: first contentful paint and the sheet ready,
// from the start of navigation.
async function slowPhoneVisit(page, siteUrl) {
  await page.goto(page.url() === 'about:blank' ? `${siteUrl}?seed=1` : page.url());
  await page.locator('html[data-ready="true"]').waitFor({ timeout: 60000 });
  return page.evaluate(() => ({
    paint: performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN,
    ready: performance.getEntriesByName('sheet-ready')[0].startTime,
  }));
}

async function slowPhone(browser, siteUrl) {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', {
    offline: false, latency: 150, downloadThroughput: (1.6e6 / 8) * 0.9, uploadThroughput: (750e3 / 8) * 0.9,
  });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  const cold = await slowPhoneVisit(page, siteUrl);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 60000 });
  const warm = await slowPhoneVisit(page, siteUrl);
  await context.close();
  return { cold, warm };
}

async function lighthouseScores(url, config) {
  const chrome = await chromeLauncher.launch({
    chromePath: '/usr/bin/chromium',
    chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
  });
  try {
    const { lhr } = await lighthouse(url, { port: chrome.port, output: 'json', logLevel: 'error' }, config);
    const score = (name) => Math.round(lhr.categories[name].score * 100);
    const audit = (name) => lhr.audits[name].numericValue;
    return `performance ${score('performance')}, accessibility ${score('accessibility')}, ` +
      `best practices ${score('best-practices')}, SEO ${score('seo')}; FCP ${audit('first-contentful-paint').toFixed(0)} ms, ` +
      `LCP ${audit('largest-contentful-paint').toFixed(0)} ms, TBT ${audit('total-blocking-time').toFixed(0)} ms, ` +
      `CLS ${audit('cumulative-layout-shift').toFixed(3)}`;
  } finally {
    await chrome.kill();
  }
}

// Runs `act` in the page and resolves once the roster's list is drawn and
// painted (a frame after the one that drew it): milliseconds from the act.
// `act`: 'show' clicks "Personnages" in the menu "Plus…", opened beforehand
// by openMenu and not timed; a character is typed into the search
// box; null takes its last character away. Resolves with the milliseconds
// until painted and, on a first opening, until the stored roster was read.
function untilListed(page, act) {
  return page.evaluate((act) => new Promise((resolve) => {
    const start = performance.now();
    const painted = () => setTimeout(() => resolve({
      listed: performance.now() - start,
      read: (performance.getEntriesByName('roster-read')[0]?.startTime ?? start) - start,
    }));
    const drawn = () => (document.querySelector('#roster[open] [aria-posinset]') ? requestAnimationFrame(painted) : requestAnimationFrame(drawn));
    const search = document.getElementById('roster-search');
    if (act === 'show') {
      document.querySelector('#more-menu [data-roster-command="show"]').click();
    } else {
      search.value = act === null ? search.value.slice(0, -1) : search.value + act;
      search.dispatchEvent(new InputEvent('input', { bubbles: true }));
    }
    requestAnimationFrame(drawn);
  }), act);
}

// Taps "Plus…": the menu that holds "Personnages" stands open.
async function openMenu(page) {
  await page.locator('#more').tap();
  await page.locator('#more-menu').getByRole('menuitem', { name: 'Personnages', exact: true }).waitFor();
}

async function rosterPanel(browser, siteUrl) {
  const cli = spawnSync(cliPath, ['generate', '--count', '3000', '--seed', '1'], { encoding: 'utf8', maxBuffer: 1 << 26 });
  if (cli.status !== 0) throw new Error(`orvandel-cli: ${cli.stderr}`);
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  const page = await context.newPage();
  await page.goto(siteUrl);
  await page.locator('html[data-ready="true"]').waitFor();
  await openMenu(page);
  await page.locator('#more-menu').getByRole('menuitem', { name: 'Personnages', exact: true }).tap();
  await page.locator('#roster-import').setInputFiles({ name: 'lot.jsonl', mimeType: 'application/json', buffer: Buffer.from(cli.stdout) });
  await page.locator('#roster-status').getByText('3000 personnages importés').waitFor({ timeout: 120000 });
  await page.waitForFunction(() => new Promise((resolve) => {
    indexedDB.open('orvandel', 1).onsuccess = (event) => {
      const request = event.target.result.transaction('personnages').objectStore('personnages').get('personnages.json');
      request.onsuccess = () => resolve(request.result?.length > 1e6);
    };
  }), null, { timeout: 60000 });
  const cdp = await context.newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  const close = () => page.evaluate(() => document.getElementById('roster').close());
  const reading = [];
  const opening = [];
  const reopening = [];
  const keystrokes = [];
  let drawn = 0;
  for (let i = 0; i < 3; ++i) {
    await page.reload();
    await page.locator('html[data-ready="true"]').waitFor({ timeout: 60000 });
    await openMenu(page);
    const first = await untilListed(page, 'show');
    reading.push(first.read);
    opening.push(first.listed - first.read);
    drawn = Math.max(drawn, await page.evaluate(() => document.querySelectorAll('li').length));
    for (const key of [...'noble gu', ...Array(8).fill(null)]) keystrokes.push((await untilListed(page, key)).listed);
    await page.locator('#roster-view').evaluate((box) => { box.scrollTop = box.scrollHeight; });
    await page.waitForTimeout(100);
    drawn = Math.max(drawn, await page.evaluate(() => document.querySelectorAll('li').length));
    for (let j = 0; j < 3; ++j) {
      await close();
      await openMenu(page);
      reopening.push((await untilListed(page, 'show')).listed);
    }
    await close();
  }
  await context.close();
  return { reading, opening, keystrokes, reopening, drawn };
}

// Prepares a group of 20 "Capitain" on the slow phone's processor: the
// milliseconds from "Préparer" until they are kept, and the longest gap
// between two animation frames that show a changed progress (the first
// after the press, the last showing the outcome).
async function groupSearch(browser, siteUrl) {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  const page = await context.newPage();
  await page.goto(siteUrl);
  await page.locator('html[data-ready="true"]').waitFor();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  const runs = [];
  for (let i = 0; i < 3; ++i) {
    await page.locator('#more').tap();
    await page.locator('#more-menu').getByRole('menuitem', { name: 'Préparer un groupe…' }).tap();
    const form = page.locator('#groupe');
    await form.getByLabel('Nombre de personnages :').fill('20');
    await form.getByRole('checkbox', { name: 'Capitain', exact: true }).check();
    runs.push(await page.evaluate(() => new Promise((resolve) => {
      const status = document.getElementById('groupe-status');
      const progress = document.getElementById('groupe-progress');
      const start = performance.now();
      let [shown, last, gap] = ['', start, 0];
      const frame = (now) => {
        const seen = `${progress.value} ${status.textContent}`;
        if (seen !== shown) {
          gap = Math.max(gap, now - last);
          [shown, last] = [seen, now];
        }
        if (status.textContent.includes('gardés')) resolve({ total: now - start, gap });
        else requestAnimationFrame(frame);
      };
      document.querySelector('#groupe-form button[type="submit"]').click();
      requestAnimationFrame(frame);
    })));
    await page.locator('#groupe').getByRole('button', { name: 'Fermer' }).tap();
  }
  await context.close();
  return { total: runs.map((r) => r.total), gap: runs.map((r) => r.gap) };
}

// Every figure but the roster's and the group's.
async function otherFigures(browser, url, compressedUrl, fmt) {
  const loads = [];
  let visit;
  for (let i = 0; i < 15; ++i) {
    visit = await firstVisit(browser, url);
    loads.push(visit.ready);
    if (i < 14) await visit.context.close();
  }
  const generation = await visit.page.evaluate(() => {
    const title = document.querySelector('[data-control="orvandel"]');
    const times = [];
    for (let i = 0; i < 1000; ++i) {
      const start = performance.now();
      title.click();
      void document.body.offsetHeight;
      times.push(performance.now() - start);
    }
    return times;
  });
  const code = Object.entries(visit.bytes).filter(([name]) => /\.(js|wasm)$/.test(name))
    .reduce((sum, [, size]) => sum + size, 0);
  const total = Object.values(visit.bytes).reduce((sum, size) => sum + size, 0);
  console.log(`web: navigation to ready sheet, first visit: median ${median(loads).toFixed(0)} ms of 15 (min ${Math.min(...loads).toFixed(0)}, max ${Math.max(...loads).toFixed(0)})`);
  console.log(`web: random generation + redraw: median ${median(generation).toFixed(3)} ms of 1000 (mean ${(generation.reduce((a, b) => a + b) / 1000).toFixed(3)} ms)`);
  for (const [served, siteUrl] of [['as they stand', url], ['gzipped', compressedUrl]]) {
    const slow = [];
    for (let i = 0; i < 5; ++i) slow.push(await slowPhone(browser, siteUrl));
    console.log(`web: slow phone, files ${served}, cold: first paint ${fmt(slow.map((v) => v.cold.paint))}; ready ${fmt(slow.map((v) => v.cold.ready))}`);
    console.log(`web: slow phone, files ${served}, warm (service worker): ready ${fmt(slow.map((v) => v.warm.ready))}`);
  }
  console.log(`web: Lighthouse mobile: ${await lighthouseScores(url, undefined)}`);
  console.log(`web: Lighthouse desktop: ${await lighthouseScores(url, desktopConfig)}`);
  console.log(`web: WebAssembly + JavaScript ${(code / 1024).toFixed(0)} KiB; whole first visit ${(total / 1024).toFixed(0)} KiB in ${Object.keys(visit.bytes).length} files (uncompressed)`);
}

const { server, url } = await serve(site);
const compressed = await serveCompressed(site);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
try {
  const fmt = (values) => `median ${median(values).toFixed(0)} ms (${values.map((v) => v.toFixed(0)).join(', ')})`;
  if (onlyPart !== 'group') {
    const roster = await rosterPanel(browser, url);
    console.log(`web: slow phone, 3000 characters: first opening after a load, the stored roster read ${fmt(roster.reading)}`);
    console.log(`web: slow phone, 3000 characters: then listed ${fmt(roster.opening)}, target ≤ 150 ms`);
    console.log(`web: slow phone, 3000 characters: search keystroke ${fmt(roster.keystrokes)}, target ≤ 50 ms`);
    console.log(`web: slow phone, 3000 characters: reopen the panel ${fmt(roster.reopening)}, target ≤ 100 ms`);
    console.log(`web: slow phone, 3000 characters: at most ${roster.drawn} <li> in the document`);
  }
  if (onlyPart !== 'roster') {
    const group = await groupSearch(browser, url);
    console.log(`web: slow phone, a group of 20 "Capitain": kept after ${fmt(group.total)}`);
    console.log(`web: slow phone, a group of 20 "Capitain": longest gap between two progress paints ${fmt(group.gap)}, target ≤ 100 ms`);
  }
  if (!onlyPart) await otherFigures(browser, url, compressed.url, fmt);
} finally {
  await browser.close();
  server.kill();
  compressed.server.close();
}
