// "Partager par QR code": the sheet's share link as a QR code that a
// scanner (zbarimg) reads back as the very link the panel shows and that
// opens the same sheet; a rolled sheet's short recipe link makes a small
// code, under the verdict that the sheet is what its dice gave; drawn sharp, black on white with its quiet zone;
// opened and closed by keyboard; copied exactly; read well by axe and whole
// on a phone in a dark scheme and at twice the text size; and working with
// the network cut once the page has been visited.
import AxeBuilder from '@axe-core/playwright';
import { spawnSync } from 'node:child_process';
import { test, expect } from '@playwright/test';
import { control, openSheet, pressCommand, setTextSize, shownSheet } from './sheet_helpers.js';

const scanner = spawnSync('zbarimg', ['--version']);
test.skip(scanner.error !== undefined, 'zbarimg is not installed (package zbar-tools)');

const panel = (page) => page.locator('#qr');
const canvas = (page) => page.locator('#qr-code');

// What zbarimg reads in the code as the screen shows it (the picture kept
// with the test's results), its newline left out.
async function scanned(page, name) {
  const file = test.info().outputPath(`${name}.png`);
  await canvas(page).screenshot({ path: file });
  const run = spawnSync('zbarimg', ['--raw', '-q', file], { encoding: 'utf8' });
  return run.status === 0 ? run.stdout.replace(/\n$/, '') : `zbarimg failed (${run.status})`;
}

// The code as drawn: whether it is one device pixel a canvas pixel, whether
// every pixel is pure black or white, its quiet zone in modules and its
// modules a side (the top-left finder pattern is 7 modules wide).
const drawing = (page) => canvas(page).evaluate((code) => {
  const { data, width } = code.getContext('2d').getImageData(0, 0, code.width, code.height);
  const dark = (x, y) => data[(y * width + x) * 4] === 0;
  let margin = 0;
  while (margin < width && !dark(margin, margin)) margin += 1;
  let finder = 0;
  while (margin + finder < width && dark(margin + finder, margin)) finder += 1;
  return {
    unscaled: code.width === Math.round(code.getBoundingClientRect().width * window.devicePixelRatio),
    blackAndWhite: data.every((value, at) => at % 4 === 3 || value === 0 || value === 255),
    quietModules: margin / (finder / 7),
    modules: (width - 2 * margin) / (finder / 7),
    side: code.getBoundingClientRect().width,
  };
});

// "Plus…", then down the menu to "Partager par QR code", all by keyboard.
async function openByKeyboard(page) {
  await page.getByRole('button', { name: 'Plus…' }).focus();
  await page.keyboard.press('ArrowDown');
  const item = page.getByRole('menuitem', { name: 'Partager par QR code' });
  for (let presses = 0; presses < 10 && !(await item.evaluate((e) => e === document.activeElement)); ++presses) {
    await page.keyboard.press('ArrowDown');
  }
  await page.keyboard.press('Enter');
  await expect(panel(page)).toBeVisible();
}

test('a rolled character\'s code, small, reads back as its recipe link, which opens the sheet; copied; Escape closes', async ({ page, context }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await openSheet(page, '?seed=12');
  await control(page, 'orvandel').click();
  const sheet = await shownSheet(page);
  await openByKeyboard(page);
  await expect(panel(page).getByRole('heading')).toHaveText('Partager par QR code');
  await expect(panel(page).getByRole('button', { name: 'Copier le lien' })).toBeFocused();
  const link = await page.locator('#qr-link').textContent();
  expect(link).toMatch(/#r=[\w.~%-]+$/);
  await expect(page.locator('#qr-caption')).toHaveText('Conforme : tiré au hasard (graine 12), aucun jet d’amélioration');
  await expect(page.getByRole('img', { name: 'QR code du lien de partage' })).toHaveAccessibleDescription(link);
  expect(await scanned(page, 'desktop')).toBe(link);
  const drawn = await drawing(page);
  expect(drawn).toMatchObject({ unscaled: true, blackAndWhite: true, quietModules: 4 });
  expect(drawn.modules).toBeLessThanOrEqual(41);

  await page.evaluate(() => navigator.clipboard.writeText('rien'));
  await page.keyboard.press('Enter');
  await expect(page.locator('#qr-status')).toHaveText('Lien copié.');
  expect(await page.evaluate(() => navigator.clipboard.readText())).toBe(link);
  await page.keyboard.press('Escape');
  await expect(panel(page)).toBeHidden();
  await expect(page.getByRole('button', { name: 'Plus…' })).toBeFocused();

  const other = await context.newPage();
  const { hash, origin, pathname } = new URL(link);
  await openSheet(other, hash, origin + pathname);
  expect(await shownSheet(other)).toEqual(sheet);
});

// A phone 360 pixels wide, by touch, at twice its pixels: in a dark scheme,
// and at twice the text size, the code takes most of the width (the room
// left over by whole device pixels a module stays unused), still
// black on white and sharp, axe finds nothing in the panel and nothing in
// it runs past the screen's edge.
for (const [scheme, text] of [['dark', 16], ['light', 32]]) {
  test(`on a 360-pixel phone, ${scheme}, text at ${text} px: a large sharp code that reads, axe finds nothing, nothing clipped`, async ({ browser }) => {
    test.setTimeout(90000);
    const context = await browser.newContext({ viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true,
      deviceScaleFactor: 2, colorScheme: scheme });
    const page = await context.newPage();
    await setTextSize(page, text);
    await openSheet(page, '?seed=5');
    await control(page, 'orvandel').tap();
    await page.locator('#more').tap();
    await page.getByRole('menuitem', { name: 'Partager par QR code' }).tap();
    await expect(panel(page)).toBeVisible();
    const link = await page.locator('#qr-link').textContent();
    expect(await scanned(page, `phone-${scheme}-${text}`)).toBe(link);
    const drawn = await drawing(page);
    expect(drawn).toMatchObject({ unscaled: true, blackAndWhite: true, quietModules: 4 });
    expect(drawn.side).toBeGreaterThan((360 * 2) / 3);
    await page.screenshot({ path: test.info().outputPath(`phone-${scheme}-${text}-page.png`) });
    const { violations } = await new AxeBuilder({ page }).include('#qr')
      .withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']).analyze();
    expect(violations.flatMap((v) => v.nodes.map((n) => `${v.id} ${n.html}`))).toEqual([]);
    const overflow = await panel(page).evaluate((dialog) => ({
      sideways: dialog.scrollWidth - dialog.clientWidth,
      past: [...dialog.querySelectorAll('h2, p, canvas, output, button')]
        .filter((e) => e.checkVisibility())
        .filter((e) => { const box = e.getBoundingClientRect(); return box.left < 0 || box.right > window.innerWidth; })
        .map((e) => e.outerHTML.slice(0, 60)),
    }));
    expect(overflow).toEqual({ sideways: 0, past: [] });
    await context.close();
  });
}

test('after one visit, with no network, the code is drawn and reads back', async ({ page, context }) => {
  await openSheet(page, '?seed=31');
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await page.reload();
  await page.locator('html[data-ready="true"]').waitFor();
  await control(page, 'orvandel').click();
  await pressCommand(page, 'Partager par QR code');
  await expect(canvas(page)).toBeVisible();
  const link = await page.locator('#qr-link').textContent();
  expect(await scanned(page, 'offline')).toBe(link);
});
