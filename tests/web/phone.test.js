// The phone view: one readable column at 320, 390 and 768 px, every text at
// 16 px, every target 44 × 44, every control that holds a value or takes an
// action there once, seeded sheets as the CLI rolls them, and both entries
// and the improvement clicks by touch.
import { test, expect } from '@playwright/test';
import { boxesOf, cli, control, openSheet, pressCommand, seedAfter, shownFields } from './sheet_helpers.js';

const touchPhone = (width) => ({ viewport: { width, height: 800 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });

// What the column shows: texts under 16 px, targets under 44 × 44, and each
// control that must be there with how many of it the player can see.
function column(page) {
  return page.evaluate(async () => {
    const engine = await (await import('./engine.js')).default();
    const seen = (e) => e.checkVisibility() && e.getBoundingClientRect().width > 1 && e.getBoundingClientRect().height > 1;
    const all = [...document.body.querySelectorAll('*')].filter(seen);
    const ownText = (e) => [...e.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim()) ||
      ((e.tagName === 'INPUT' || e.tagName === 'TEXTAREA') && e.type !== 'checkbox');
    const small = all.filter((e) => ownText(e) && parseFloat(getComputedStyle(e).fontSize) < 16)
      .map((e) => e.dataset.control ?? e.outerHTML.slice(0, 60));
    const target = (e) => e.tabIndex >= 0 || e.classList.contains('clickable');
    const tiny = all.filter((e) => target(e)).filter((e) => {
      const box = e.getBoundingClientRect();
      return box.width < 44 - 0.5 || box.height < 44 - 0.5;
    }).map((e) => e.dataset.control ?? e.outerHTML.slice(0, 60));
    const fixed = engine.fixedControls();
    const needed = [...Object.keys(JSON.parse(new engine.Session('').json())), fixed.typedEntry, fixed.title, fixed.quit];
    const shown = Object.fromEntries(needed.map((name) =>
      [name, [...document.querySelectorAll('[data-control]')].filter((e) => e.dataset.control === name && seen(e)).length]));
    return { small, tiny, shown, scrollWidth: document.documentElement.scrollWidth };
  });
}

for (const width of [320, 390, 768]) {
  test.describe(`${width} px`, () => {
    test.use(touchPhone(width));
    test('one column: no sideways scrolling, 16 px texts, 44 px targets, every control once', async ({ page }) => {
      await openSheet(page, '?seed=2');
      await control(page, 'orvandel').tap();
      await expect(page.locator('html')).toHaveClass(/phone/);
      const shown = await column(page);
      expect(shown.scrollWidth).toBeLessThanOrEqual(width);
      expect(shown.small).toEqual([]);
      expect(shown.tiny).toEqual([]);
      expect(Object.entries(shown.shown).filter(([, count]) => count !== 1)).toEqual([]);
    });
  });
}

test.describe('on a phone', () => {
  test.use(touchPhone(390));

  test('a seeded sheet reads as the CLI rolls it, in the column and in the exact sheet', async ({ page }) => {
    await openSheet(page, '?seed=4');
    await control(page, 'orvandel').tap();
    const rolled = cli(['generate', '--seed', '4']).sheet;
    expect(await shownFields(page, rolled)).toEqual(boxesOf(rolled));
    await pressCommand(page, 'Fiche exacte', 'tap');
    await expect(page.locator('html')).not.toHaveClass(/phone/);
    await expect(control(page, 'Form1')).toBeVisible();
    expect(await shownFields(page, rolled)).toEqual(boxesOf(rolled));
    const box = await control(page, 'Form1').boundingBox();
    expect(box.width).toBeCloseTo(390, 0);
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(390);
    await test.step('the choice is remembered', async () => {
      await openSheet(page, '?seed=4');
      await expect(page.locator('html')).not.toHaveClass(/phone/);
      await pressCommand(page, 'Vue en colonne', 'tap');
      await openSheet(page, '?seed=4');
      await expect(page.locator('html')).toHaveClass(/phone/);
    });
  });

  test('a typed entry and two improvement clicks, by touch, agree with the CLI', async ({ page }) => {
    const seed = '8';
    const boxes = { forc: '12', con: '15', tai: '9', dex: '16', intl: '17', pou: '11', cha: '8', nationalite: '42', profession: '60', age: '19' };
    await openSheet(page, `?seed=${seed}`);
    for (const [name, value] of Object.entries(boxes)) {
      await control(page, name).tap();
      await page.keyboard.type(value);
    }
    await control(page, 'des_ok(15)').tap();
    await control(page, 'des_ok(17)').tap();
    await control(page, 'Command1').tap();
    const typed = cli(['generate', '--typed', '--seed', seed], { ...boxes, 'des_ok(15)': true, 'des_ok(17)': true });
    expect(await shownFields(page, typed.sheet)).toEqual(boxesOf(typed.sheet));
    const first = cli(['improve', 'Text1(1)', '--seed', seedAfter(seed, typed.rolls)], typed.sheet);
    const second = cli(['improve', 'arme_att(1)', '--seed', seedAfter(seed, typed.rolls + 1)], first.sheet);
    await control(page, 'Text1(1)').tap();
    await control(page, 'arme_att(1)').tap();
    expect(await shownFields(page, second.sheet)).toEqual(boxesOf(second.sheet));
  });
});

test('printing a page in the column prints the exact sheet', async ({ browser }) => {
  const context = await browser.newContext(touchPhone(390));
  const page = await context.newPage();
  await openSheet(page, '?seed=16');
  await expect(page.locator('html')).toHaveClass(/phone/);
  await page.emulateMedia({ media: 'print' });
  const box = await control(page, 'Form1').boundingBox();
  expect(box.width).toBeGreaterThan(800);
  expect(await control(page, 'Image1').isVisible()).toBe(true);
  await context.close();
});
