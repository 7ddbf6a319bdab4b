// Something to look at at once: the sheet's frame, captions and boxes are in
// the page as it arrives, in the view the page opens in, before the engine:
// with the WebAssembly held back, each caption and the frame stand where the
// engine's sheet later draws them, with the same text, on a laptop (the
// exact sheet) and on a phone (the column). A phone never asks for the exact
// sheet's fonts. The captions that the sheet fills in (the weapons' names)
// are empty until the engine writes them. The roster, the journal and the
// share links are fetched only when first used.
import { test, expect } from '@playwright/test';
import { openSheet } from './sheet_helpers.js';

// The frame's and every caption's text and box, as drawn, in CSS pixels of
// the page (the first picture's copies or the engine's controls).
function captions(page, within) {
  return page.evaluate((selector) => [...document.querySelectorAll(selector)]
    .filter((e) => e.checkVisibility())
    .map((e) => {
      const box = e.getBoundingClientRect();
      const text = e.classList.contains('frame') ? e.querySelector('.frame-caption').textContent : e.textContent;
      return [`@${Math.round(box.x + scrollX)},${Math.round(box.y + scrollY)} ${Math.round(box.width)}x${Math.round(box.height)}`, text];
    }), within);
}

const engineCaptions = '[data-control].caption, [data-control].frame';
const firstCaptions = '.first-picture .caption, .first-picture .frame';

const devices = {
  laptop: { viewport: { width: 1366, height: 768 } },
  phone: { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
};

for (const [device, use] of Object.entries(devices)) {
  test.describe(device, () => {
    test.use(use);

    test('the frame and captions show before the engine, where the engine draws them', async ({ page, browser }) => {
      // What only the exact sheet shows: its faces and its side strips.
      const exactOnly = [];
      page.on('request', (request) => {
        if (/\/fonts\/|\/strip_/.test(request.url())) exactOnly.push(new URL(request.url()).pathname);
      });
      await page.route('**/engine.wasm', (route) => route.abort());
      await page.goto(`${process.env.ORVANDEL_ROOT_URL}?seed=1`);
      await expect(page.locator('html')).toHaveClass(device === 'phone' ? /\bphone\b/ : /^(?!.*\bphone\b)/);
      await expect(page.locator('.first-picture')).toBeVisible();
      await expect(page.locator('#waiting')).toBeVisible();
      await expect(page.locator('[data-control]')).toHaveCount(0);
      const before = await captions(page, firstCaptions);

      const ready = await (await browser.newContext(use)).newPage();
      await openSheet(ready, '?seed=1');
      const after = new Map(await captions(ready, engineCaptions));
      expect(before.map(([box]) => box).sort()).toEqual([...after.keys()].sort());
      const written = before.filter(([, text]) => text !== '');
      expect(written.length).toBeGreaterThan(device === 'phone' ? 30 : 40);
      for (const [box, text] of written) expect(after.get(box), box).toBe(text);
      await expect(ready.locator('.first-picture')).toHaveCount(0);
      await page.waitForLoadState('networkidle');
      if (device === 'phone') expect(exactOnly).toEqual([]);
    });
  });
}

test('a phone whose player chose the exact sheet opens on it before the engine, fitted to the width as the engine fits it', async ({ browser }) => {
  const chosen = async () => {
    const page = await (await browser.newContext(devices.phone)).newPage();
    await page.addInitScript(() => localStorage.setItem('orvandel.vue', 'exacte'));
    return page;
  };
  const drawn = (page, selector) => page.locator(selector).evaluate((client) => {
    const box = client.getBoundingClientRect();
    return { box: [box.x, box.y, box.width, box.height].map(Math.round), sideways: document.documentElement.scrollWidth > innerWidth };
  });
  const page = await chosen();
  await page.route('**/engine.wasm', (route) => route.abort());
  await page.goto(process.env.ORVANDEL_ROOT_URL);
  await expect(page.locator('.first-picture')).toBeVisible();
  await expect(page.locator('html')).not.toHaveClass(/\bphone\b/);
  const first = await drawn(page, '.first-picture');
  expect(first.box[2]).toBe(devices.phone.viewport.width);
  expect(first.sideways).toBe(false);

  const ready = await chosen();
  await openSheet(ready, '');
  expect(await drawn(ready, '#stage > .client')).toEqual(first);
});

test('the roster, the journal and the share links are fetched when first used, and answer that first use', async ({ page }) => {
  const fetched = [];
  page.on('request', (request) => fetched.push(new URL(request.url()).pathname.split('/').pop()));
  const lazy = ['roster.js', 'journal.js', 'share.js'];
  await openSheet(page, '?seed=1');
  expect(fetched.filter((name) => lazy.includes(name))).toEqual([]);
  // One by its button, the other by its shortcut.
  await page.getByRole('button', { name: 'Journal', exact: true }).click();
  await expect(page.locator('#journal')).toBeVisible();
  await page.keyboard.press('Escape');
  await page.keyboard.press('Control+Shift+L');
  await expect(page.locator('#roster')).toBeVisible();
  await expect(page.locator('#roster-count')).not.toBeEmpty();
  expect(fetched.filter((name) => lazy.includes(name)).sort()).toEqual(['journal.js', 'roster.js']);
});
