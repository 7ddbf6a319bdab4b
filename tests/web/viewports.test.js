// The sheet on a phone (scaled to the width, driven by touch), on a desktop
// (at 100 %, centred), and served from a sub-folder.
import { test, expect } from '@playwright/test';
import { cli, control, openSheet, shownFields } from './sheet_helpers.js';

const clientBox = (page) => control(page, 'Form1').boundingBox();

test.describe('phone', () => {
  test.use({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });

  test('the whole width shows without scrolling sideways, and every action works by touch', async ({ page }) => {
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

test('a desktop shows the sheet at 100 %, centred', async ({ page }) => {
  await openSheet(page);
  const box = await clientBox(page);
  expect(box.width).toBe(894);
  expect(box.x).toBeCloseTo((1280 - 894) / 2, 0);
});

test('the site works from a sub-folder', async ({ page }) => {
  await openSheet(page, '?seed=3', process.env.ORVANDEL_SUBFOLDER_URL);
  await control(page, 'orvandel').click();
  const expected = cli(['generate', '--seed', '3']).sheet;
  expect(await shownFields(page, expected)).toEqual(expected);
});
