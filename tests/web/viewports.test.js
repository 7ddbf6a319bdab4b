// The exact sheet on a phone (scaled to the width, driven by touch), on a
// desktop (at 100 %, centred), on a laptop (whole, with its commands
// beside it), zoomed in (larger, scrolling), and served from a sub-folder.
import { test, expect } from '@playwright/test';
import { cli, control, openSheet, shownFields } from './sheet_helpers.js';

const clientBox = (page) => control(page, 'Form1').boundingBox();

test.describe('phone', () => {
  test.use({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });

  test('the whole width shows without scrolling sideways, and every action works by touch', async ({ page }) => {
    await page.addInitScript(() => localStorage.setItem('orvandel.vue', 'exacte'));
    await openSheet(page, '?seed=4');
    await test.step('the sheet fits the width', async () => {
      const box = await clientBox(page);
      expect(box.x).toBeCloseTo(0, 0);
      expect(box.width).toBeCloseTo(390, 0);
      expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(390);
    });
    await test.step('a tap on Saisie/Reroll with empty boxes is refused', async () => {
      await control(page, 'Command1').tap();
      await page.getByRole('dialog').getByRole('button').tap();
      await expect(control(page, 'forc')).toBeFocused();
    });
    await test.step('a tap on the title picture, then on a skill name', async () => {
      await control(page, 'orvandel').tap();
      const rolled = cli(['generate', '--seed', '4']).sheet;
      expect(await shownFields(page, rolled)).toEqual(rolled);
      await control(page, 'comp(1)').tap();
      await expect(control(page, 'des_comp')).toHaveValue(String(Number(rolled.des_comp) - 1));
    });
  });
});

test('a desktop shows the sheet at 100 %, centred, its bar beside it', async ({ page }) => {
  await openSheet(page);
  const box = await clientBox(page);
  const bar = await page.locator('#keeping').boundingBox();
  expect(box.width).toBe(894);
  expect(box.x).toBeCloseTo((1280 - 894) / 2, 0);
  expect(bar.x).toBeGreaterThanOrEqual(box.x + box.width);
});

test.describe('laptop', () => {
  test.use({ viewport: { width: 1366, height: 768 } });
  test('the sheet and every command show whole, without scrolling', async ({ page }) => {
    await openSheet(page);
    const outside = await page.evaluate(() => [...document.querySelectorAll('[data-control="Form1"], #keeping button')]
      .filter((e) => {
        const box = e.getBoundingClientRect();
        return box.left < 0 || box.top < 0 || box.right > window.innerWidth || box.bottom > window.innerHeight;
      }).map((e) => e.dataset.control ?? e.textContent));
    expect(outside).toEqual([]);
    expect(await page.evaluate(() => document.documentElement.scrollHeight)).toBeLessThanOrEqual(768);
  });
});

// A 1366 × 768 laptop zoomed to 200 %: half as many CSS pixels, each twice
// as large, and a mouse.
test.describe('zoomed to 200 %', () => {
  test.use({ viewport: { width: 683, height: 384 }, deviceScaleFactor: 2 });
  test('the exact sheet is drawn at the zoom and scrolls, instead of being fitted back', async ({ page }) => {
    await openSheet(page);
    await expect(page.locator('html')).not.toHaveClass(/phone/);
    expect((await clientBox(page)).width).toBe(894);
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
  expect(await shownFields(page, expected)).toEqual(expected);
});
