// The browser edition's speed and size, in headless Chromium against the
// site served locally (node bench/web_bench.mjs [SITE_DIR]):
// - navigation to a sheet ready for its first click, first visit (empty
//   cache), median of 15 loads;
// - one random generation with its redraw (the engine, the DOM updates and
//   the layout they cause), median of 1000 clicks on the title picture;
// - the bytes of WebAssembly and JavaScript, and of the whole first visit.
// A benchmark, not a test: it reports and never fails on a figure.
import { spawn } from 'node:child_process';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.resolve(here, '../tests/web/package.json'));
const { chromium } = require('@playwright/test');
const site = path.resolve(process.argv[2] ?? path.resolve(here, '../build-web/site'));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function serve(directory) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '--directory', directory, '0'],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  return new Promise((resolve) => server.stdout.on('data', (chunk) => {
    const port = /port (\d+)/.exec(chunk.toString())?.[1];
    if (port) resolve({ server, url: `http://127.0.0.1:${port}/` });
  }));
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

const { server, url } = await serve(site);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
try {
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
  console.log(`web: WebAssembly + JavaScript ${(code / 1024).toFixed(0)} KiB; whole first visit ${(total / 1024).toFixed(0)} KiB in ${Object.keys(visit.bytes).length} files (uncompressed)`);
} finally {
  await browser.close();
  server.kill();
}
