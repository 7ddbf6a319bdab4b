// The exact sheet on a desktop (at 100 %, centred), on a laptop (whole, with its commands
// beside it), in a small window (legible, scrolling, the column offered),
// zoomed in (larger, scrolling), and served from a sub-folder.
import { test, expect } from '@playwright/test';
import { boxesOf, cli, control, openSheet, pressCommand, shownFields } from './sheet_helpers.js';

const clientBox = (page) => control(page, 'Form1').boundingBox();

// Where a mouse points, the sheet is as large as the window lets it be: at
// 100 % on a large screen; whole on a laptop, its bar beside it; never below
// a legible scale, where the window offers the column instead.
const sheetSeen = (page) => page.evaluate(() => {
  const box = (e) => e.getBoundingClientRect();
  const client = box(document.querySelector('[data-control="Form1"]'));
  const inSight = (e) => box(e).left >= 0 && box(e).top >= 0 && box(e).right <= innerWidth && box(e).bottom <= innerHeight;
  return {
    width: Math.round(client.width),
    centred: Math.abs(client.left + client.width / 2 - document.documentElement.clientWidth / 2) < 1,
    outOfSight: [...document.querySelectorAll('[data-control="Form1"], [data-control="Command2"], ' +
      '[data-control="equipement"], #keeping button')].filter((e) => !inSight(e)).map((e) => e.dataset.control ?? e.textContent),
    barOverSheet: ((bar) => bar.left < client.right && client.left < bar.right && bar.top < client.bottom &&
      client.top < bar.bottom)(box(document.getElementById('keeping'))),
    scrolls: document.documentElement.scrollHeight > innerHeight,
  };
});

const mouseWindows = [
  { name: 'a desktop', viewport: { width: 1920, height: 1080 }, width: 894 },
  { name: 'a 1366 × 768 laptop\'s browser', viewport: { width: 1366, height: 657 }, width: Math.round(894 * 657 / 751) },
  { name: 'a 1280 × 720 screen', viewport: { width: 1280, height: 720 }, width: Math.round(894 * 720 / 751) },
];
for (const { name, viewport, width } of mouseWindows) {
  test.describe(name, () => {
    test.use({ viewport });
    test('shows the whole sheet, centred, and every command, without scrolling, as first drawn', async ({ page, browser }) => {
      const first = await (await browser.newContext({ viewport })).newPage();
      await first.route('**/engine.wasm', (route) => route.abort());
      await first.goto(process.env.ORVANDEL_ROOT_URL);
      expect(Math.round((await first.locator('.first-picture').boundingBox()).width)).toBe(width);
      await openSheet(page);
      expect(await sheetSeen(page)).toEqual({ width, centred: true, outOfSight: [], barOverSheet: false, scrolls: false });
      await expect(page.locator('#sheet-fit')).toBeHidden();
    });
  });
}

// Text set larger in the browser widens the bar that stands beside the sheet.
test.describe('a browser whose text is set larger', () => {
  test.use({ viewport: { width: 1280, height: 900 } });
  test('keeps the sheet off its bar', async ({ page }) => {
    await (await page.context().newCDPSession(page)).send('Page.setFontSizes', { fontSizes: { standard: 20 } });
    await openSheet(page);
    expect(await sheetSeen(page)).toMatchObject({ centred: true, barOverSheet: false, scrolls: false });
  });
});

// A window too small for the sheet at its legible scale (0.85): the sheet at
// that scale, scrolling, and the column offered until it is chosen.
test.describe('a small window', () => {
  test.use({ viewport: { width: 800, height: 450 } });
  test('shows the sheet at its legible scale and offers the column', async ({ page }) => {
    await openSheet(page);
    expect((await clientBox(page)).width).toBeCloseTo(894 * 0.85, 0);
    const offer = page.getByRole('status').filter({ hasText: '« Vue en colonne »' });
    await expect(offer).toBeInViewport();
    await page.setViewportSize({ width: 1366, height: 768 });
    await expect(offer).toBeHidden();
    expect((await clientBox(page)).width).toBe(894);
    await page.setViewportSize({ width: 800, height: 450 });
    await expect(offer).toBeInViewport();
    await pressCommand(page, 'Vue en colonne');
    await expect(page.locator('html')).toHaveClass(/phone/);
    await expect(offer).toBeHidden();
  });
});

// A 1366 × 768 laptop's browser zoomed to 200 %: half as many CSS pixels,
// each twice as large, and a mouse.
test.describe('zoomed to 200 %', () => {
  test.use({ viewport: { width: 683, height: 328 }, deviceScaleFactor: 2 });
  test('the exact sheet is drawn larger than at 100 % and scrolls, instead of being fitted back', async ({ page }) => {
    await openSheet(page);
    await expect(page.locator('html')).not.toHaveClass(/phone/);
    expect((await clientBox(page)).width * 2).toBeGreaterThan(894);
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeGreaterThan(683);
  });
});

test('the equipment box scrolls to show every line typed into it', async ({ page }) => {
  await openSheet(page);
  const box = control(page, 'equipement');
  await box.fill(Array.from({ length: 7 }, (_, i) => `Ligne ${i + 1}`).join('\n'));
  const scroll = await box.evaluate((e) => ({ overflow: getComputedStyle(e).overflowY, hidden: e.scrollHeight > e.clientHeight }));
  expect(scroll).toEqual({ overflow: 'auto', hidden: true });
  await box.hover();
  await page.mouse.wheel(0, 200);
  await expect.poll(() => box.evaluate((e) => e.scrollTop)).toBeGreaterThan(0);
});

test('the site works from a sub-folder', async ({ page }) => {
  await openSheet(page, '?seed=3', process.env.ORVANDEL_SUBFOLDER_URL);
  await control(page, 'orvandel').click();
  const expected = cli(['generate', '--seed', '3']).sheet;
  expect(await shownFields(page, expected)).toEqual(boxesOf(expected));
});
