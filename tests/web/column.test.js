// The column on narrow touch screens, at the reader's text size: no caption
// cut off and no sideways scrolling from 320 px on, with a sheet's longest
// word too, at the browser's default text size and at twice it; every text
// grows with that setting; and the exact sheet keeps the game's colours in a
// dark scheme.
import { test, expect } from '@playwright/test';
import { cli, control, openSheet, pressCommand, setTextSize } from './sheet_helpers.js';

const touchPhone = (width) => ({ viewport: { width, height: 800 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });

// What does not fit: the captions of the column whose text runs past their
// box, the words of its captions cut across two lines, and how far the page
// scrolls sideways.
function overflow(page) {
  return page.evaluate(() => {
    const captions = [...document.querySelectorAll('.in-column.caption')].filter((e) => e.checkVisibility());
    const cut = (text) => [...text.textContent.matchAll(/\p{L}+/gu)].filter((word) => {
      const range = document.createRange();
      range.setStart(text, word.index);
      range.setEnd(text, word.index + word[0].length);
      return range.getClientRects().length > 1;
    }).map((word) => word[0]);
    return {
      clipped: captions.filter((e) => e.scrollWidth > e.clientWidth + 1).map((e) => e.dataset.control),
      broken: captions.flatMap((e) => [...e.childNodes].filter((n) => n.nodeType === Node.TEXT_NODE).flatMap(cut)),
      sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
      text: getComputedStyle(captions[0]).fontSize,
    };
  });
}

// A skill named with one unbroken word of a thousand letters, as a sheet
// opened from a file may carry.
async function openLongWord(page) {
  const word = 'Anticonstitutionnellement'.repeat(40);
  const sheet = { ...cli(['generate', '--seed', '2']).sheet, 'comp(1)': word };
  await page.locator('#open-file').setInputFiles({ name: 'long.json', mimeType: 'application/json', buffer: Buffer.from(JSON.stringify(sheet)) });
  await expect(control(page, 'comp(1)')).toHaveText(word);
}

for (const width of [320, 360, 390, 430]) {
  test.describe(`${width} px`, () => {
    test.use(touchPhone(width));
    for (const text of [16, 32]) {
      test(`text at ${text} px: every caption whole, no sideways scrolling, with a thousand-letter word too`, async ({ page }) => {
        await setTextSize(page, text);
        await openSheet(page, '?seed=2');
        await expect(page.locator('html')).toHaveClass(/phone/);
        // At the usual text size every word of the sheet's captions fits its column; twice as
        // large, on a phone, a long word may have to break.
        const whole = { clipped: [], sideways: 0, text: `${text}px`, ...(text === 16 && { broken: [] }) };
        expect(await overflow(page)).toMatchObject(whole);
        await openLongWord(page);
        expect(await overflow(page)).toMatchObject({ ...whole, broken: text === 16 ? ['Anticonstitutionnellement'.repeat(40)] : expect.anything() });
      });
    }
  });
}

test.describe('the reader\'s text size', () => {
  test.use(touchPhone(390));

  test('twice the text size makes every text of the column, its message and the panels twice as large', async ({ page }) => {
    const sizes = () => page.evaluate(() => Object.fromEntries(
      [...document.querySelectorAll('.in-column, dialog#message *, #roster *, #journal *')]
        .map((e, i) => [e.dataset.control ?? `${e.tagName} ${e.id} ${i}`, parseFloat(getComputedStyle(e).fontSize)])));
    await openSheet(page, '?seed=2');
    await control(page, 'forc').fill('');
    await control(page, 'Command1').tap();
    await expect(page.locator('dialog#message')).toBeVisible();
    const normal = await sizes();
    await setTextSize(page, 32);
    const doubled = Object.fromEntries(Object.entries(normal).map(([name, size]) => [name, size * 2]));
    expect(await sizes()).toEqual(doubled);
  });
});

test.describe('the panels at 320 px and twice the text size', () => {
  test.use(touchPhone(320));
  for (const [panel, command] of [['#roster', 'Personnages'], ['#journal', 'Journal']]) {
    test(`${panel}: nothing cut off`, async ({ page }) => {
      await setTextSize(page, 32);
      await openSheet(page, '?seed=2');
      await pressCommand(page, command, 'tap');
      await expect(page.locator(panel)).toBeVisible();
      const cut = await page.locator(panel).evaluate((box) => [...box.querySelectorAll('*')]
        .filter((e) => e.checkVisibility() && e.scrollWidth > e.clientWidth + 1).map((e) => e.outerHTML.slice(0, 60)));
      expect(cut).toEqual([]);
    });
  }
});

test('the exact sheet keeps the game\'s colours in a dark scheme', async ({ browser }) => {
  const colours = async (colorScheme) => {
    const context = await browser.newContext({ colorScheme });
    const page = await context.newPage();
    await openSheet(page, '?seed=2');
    await expect(page.locator('html')).not.toHaveClass(/phone/);
    const seen = await page.evaluate(() => [...document.querySelectorAll('[data-control]')].map((e) => {
      const style = getComputedStyle(e);
      return `${e.dataset.control} ${style.color} ${style.backgroundColor} ${style.borderTopColor} ${style.colorScheme}`;
    }));
    await context.close();
    return seen;
  };
  expect(await colours('dark')).toEqual(await colours('light'));
});
