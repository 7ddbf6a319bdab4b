// The page drawn from the layout table: every control once, at its place
// and size at 100 %, with its caption, tooltip, colours and alignment; the
// window's title, the window's Tab order; and nothing fetched from elsewhere.
import { test, expect } from '@playwright/test';
import { openSheet } from './sheet_helpers.js';

const TWIPS_PER_PIXEL = 15;

// The table's rows and the window's facts, read from the engine itself.
function engineFacts(page) {
  return page.evaluate(async () => {
    const engine = await (await import('./engine.js')).default();
    return { rows: engine.layoutRows(), window: engine.windowFacts(), tabOrder: engine.tabOrder() };
  });
}

// Each control element's box relative to the client area, its own text
// (a frame's caption only), tooltip and computed look.
function drawnControls(page) {
  return page.evaluate(() => {
    const client = document.querySelector('[data-control="Form1"]').getBoundingClientRect();
    return [...document.querySelectorAll('[data-control]')].map((e) => {
      const box = e.getBoundingClientRect();
      const style = getComputedStyle(e);
      const own = e.querySelector(':scope > .frame-caption') ?? e;
      return {
        name: e.dataset.control,
        left: box.left - client.left, top: box.top - client.top, width: box.width, height: box.height,
        text: e.tagName === 'INPUT' || e.tagName === 'TEXTAREA' ? e.value : own.textContent,
        tooltip: e.getAttribute('title'),
        color: style.color, background: style.backgroundColor, align: style.textAlign,
        readOnly: e.readOnly ?? null,
      };
    });
  });
}

test('every control of the layout table is drawn once, at its place, with its caption and look', async ({ page }) => {
  const requests = [];
  const problems = [];
  page.on('request', (request) => requests.push(request.url()));
  page.on('console', (message) => { if (message.type() === 'error') problems.push(message.text()); });
  page.on('pageerror', (error) => problems.push(error.message));
  await openSheet(page);
  const { rows, window } = await engineFacts(page);
  const drawn = await drawnControls(page);

  await test.step('the window: client area, title, language', async () => {
    const client = drawn.find((c) => c.name === 'Form1');
    expect([client.width, client.height]).toEqual([window.widthTwips / TWIPS_PER_PIXEL, window.heightTwips / TWIPS_PER_PIXEL]);
    expect(await page.locator('title').textContent()).toBe(window.title);
    expect(await page.locator('html').getAttribute('lang')).toBe('fr');
  });

  await test.step('one element per row, nothing more', async () => {
    expect(drawn.map((c) => c.name).sort()).toEqual(['Form1', ...rows.map((r) => r.name)].sort());
  });

  await test.step('each row at its twip place and size, with its caption, tooltip and look', async () => {
    const frame = rows.find((r) => r.kind === 'frame').twips;
    for (const row of rows) {
      const c = drawn.find((d) => d.name === row.name);
      const origin = row.container === 'frame' ? frame : { left: 0, top: 0 };
      const expected = {
        left: (origin.left + row.twips.left) / TWIPS_PER_PIXEL,
        top: (origin.top + row.twips.top) / TWIPS_PER_PIXEL,
        width: row.twips.width / TWIPS_PER_PIXEL,
        height: row.twips.height / TWIPS_PER_PIXEL,
      };
      for (const side of Object.keys(expected)) expect(c[side], `${row.name} ${side}`).toBeCloseTo(expected[side], 1);
      if (row.caption) expect(c.text, row.name).toBe(row.caption);
      expect(c.tooltip, row.name).toBe(row.tooltip);
      if (row.look.ink) expect(c.color, row.name).toBe(row.look.ink.replaceAll(',', ', '));
      if (row.look.paper) expect(c.background, row.name).toBe(row.look.paper.replaceAll(',', ', '));
      if (row.kind !== 'picture' && row.kind !== 'line')
        expect(c.align, row.name).toBe(row.look.align === 'centre' ? 'center' : 'left');
      if (row.kind === 'field' || row.kind === 'multiline') expect(c.readOnly, row.name).toBe(!row.look.editable);
    }
  });

  await test.step('every request stayed on the page\'s origin, and nothing was refused', async () => {
    const origin = new URL(page.url()).origin;
    expect(requests.filter((url) => new URL(url).origin !== origin)).toEqual([]);
    expect(problems).toEqual([]);
  });
});

test('Tab walks the window\'s order: each blue box, then its selector, then the rest', async ({ page }) => {
  await openSheet(page);
  const { tabOrder: tabStops } = await engineFacts(page);
  await page.locator(`[data-control="${tabStops[0]}"]`).focus();
  const order = [tabStops[0]];
  for (let i = 1; i < tabStops.length; ++i) {
    await page.keyboard.press('Tab');
    order.push(await page.evaluate(() => document.activeElement.dataset.control));
  }
  expect(order).toEqual(tabStops);
});
