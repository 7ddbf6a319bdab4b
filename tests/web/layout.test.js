// The page drawn from the layout table: every control once, at the place
// and size, with the caption, font and colours that the window's reviewed
// layout record (tests/window/golden/layout.tsv) gives it at 100 %, with its
// tooltip and alignment; the window's title; and nothing fetched from
// elsewhere.
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { test, expect } from '@playwright/test';
import { openSheet } from './sheet_helpers.js';

const recordPath = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../window/golden/layout.tsv');

// The record, one control a line: name, widget class, parent, "left,top
// widthxheight" in pixels within the parent, "points [bold] [underline] ink
// #rrggbb paper #rrggbb", caption.
function layoutRecord() {
  return readFileSync(recordPath, 'utf8').trimEnd().split('\n').map((line) => {
    const [name, widget, parent, place, look, caption = ''] = line.split('\t');
    const [left, top, width, height] = place.split(/[, x]/).map(Number);
    return {
      name, widget, parent, left, top, width, height, caption,
      pixels: parseFloat(look), bold: /\bbold\b/.test(look), underline: /\bunderline\b/.test(look),
      ink: /ink (#\w{6})/.exec(look)[1],
    };
  });
}

const hex = (rgb) => `#${rgb.match(/\d+/g).slice(0, 3).map((c) => Number(c).toString(16).padStart(2, '0')).join('')}`;

// The table's rows and the window's facts, read from the engine itself.
function engineFacts(page) {
  return page.evaluate(async () => {
    const engine = await (await import('./engine.js')).default();
    return { rows: engine.layoutRows(), window: engine.windowFacts(), tips: engine.selectorTips() };
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
      const caption = e.querySelector(':scope > .frame-caption');
      return {
        name: e.dataset.control,
        fontSize: parseFloat(getComputedStyle(caption ?? e).fontSize),
        bold: Number(getComputedStyle(caption ?? e).fontWeight) >= 600,
        underline: getComputedStyle(e).textDecorationLine.includes('underline'),
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
  const { rows, window, tips } = await engineFacts(page);
  const drawn = await drawnControls(page);

  await test.step('the window: client area, title, language', async () => {
    const client = drawn.find((c) => c.name === 'Form1');
    expect([client.width, client.height]).toEqual([window.widthTwips / window.twipsPerPixel, window.heightTwips / window.twipsPerPixel]);
    expect(await page.locator('title').textContent()).toBe(window.title);
    expect(await page.locator('html').getAttribute('lang')).toBe('fr');
  });

  await test.step('one element per row, nothing more', async () => {
    expect(drawn.map((c) => c.name).sort()).toEqual(['Form1', ...rows.map((r) => r.name)].sort());
  });

  await test.step('each control where the window\'s record puts it, with its caption and font', async () => {
    const record = layoutRecord();
    expect(record.map((r) => r.name).sort()).toEqual(rows.map((r) => r.name).sort());
    for (const r of record) {
      const c = drawn.find((d) => d.name === r.name);
      const parent = drawn.find((d) => d.name === r.parent);
      const place = { left: c.left - parent.left, top: c.top - parent.top, width: c.width, height: c.height };
      for (const side of Object.keys(place)) expect(place[side], `${r.name} ${side}`).toBeCloseTo(r[side], 1);
      expect({ size: c.fontSize, bold: c.bold, underline: c.underline }, r.name)
        .toEqual({ size: r.pixels, bold: r.bold, underline: r.underline });
      if (['QLabel', 'QPushButton', 'QGroupBox'].includes(r.widget)) expect(c.text, r.name).toBe(r.caption);
      // The record's inks of boxes and buttons; its captions' colours are
      // left to the window's own test.
      if (['QLineEdit', 'QPlainTextEdit', 'QPushButton'].includes(r.widget)) expect(hex(c.color), r.name).toBe(r.ink);
    }
  });

  await test.step('each row with its tooltip, colours and alignment from the layout table', async () => {
    for (const row of rows) {
      const c = drawn.find((d) => d.name === row.name);
      expect(c.tooltip, row.name).toBe(row.tooltip ?? tips[row.name] ?? null);
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
