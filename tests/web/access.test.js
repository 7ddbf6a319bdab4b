// Everyone can use the sheet: axe-core finds nothing to fault in either
// view, at launch, after a generation and with the refusal up (the game's
// light inks read through their dark edges in the exact sheet, and in
// darker shades in the column). Each tick box says what a
// tick does. Tab walks the document in the window's order, the title
// picture is a button early in it, and the focus ring is plainly visible.
// The column and the panels read as well in a dark scheme, and the column at
// twice the text size.
import AxeBuilder from '@axe-core/playwright';
import { test, expect } from '@playwright/test';
import { control, openSheet, pressCommand, setTextSize } from './sheet_helpers.js';

const channel = (c) => (c / 255 <= 0.03928 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
const luminance = ([r, g, b]) => 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b);
const contrast = (a, b) => {
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
};
const rgb = (text) => text.match(/[\d.]+/g).slice(0, 3).map(Number);

// Each fault axe finds, as "rule control-or-markup". The exact sheet draws
// the game's sheet at its own size, tick boxes of 9 × 13 pixels 24 pixels
// apart: its targets are what the sheet is, and the column, one tap away,
// has them at 44 pixels; its target sizes are left to the column's test.
// The command bar stays at the foot of the screen over whatever scrolls
// under it: axe looks with the page at its end, where the bar covers nothing.
async function faults(page, view, within = 'html') {
  await page.evaluate(() => window.scrollTo(0, document.documentElement.scrollHeight));
  const { violations } = await new AxeBuilder({ page }).include(within)
    .withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'])
    .disableRules(view === 'exacte' ? ['target-size'] : []).analyze();
  return violations.flatMap((v) => v.nodes.map((n) => `${v.id} ${/data-control="([^"]+)"/.exec(n.html)?.[1] ?? n.html}`));
}

for (const view of ['exacte', 'colonne']) {
  test(`axe finds no fault in the ${view} view: at launch, after a generation, with the refusal up`, async ({ page }) => {
    // Three full passes of axe over some 600 elements take a while on a busy machine.
    test.setTimeout(120000);
    await page.addInitScript((choice) => localStorage.setItem('orvandel.vue', choice), view);
    await openSheet(page, '?seed=3');
    expect(await faults(page, view), 'at launch').toEqual([]);
    await control(page, 'orvandel').click();
    expect(await faults(page, view), 'after a generation').toEqual([]);
    await control(page, 'forc').fill('');
    await control(page, 'Command1').click();
    await expect(page.getByRole('dialog')).toBeVisible();
    expect(await faults(page, view), 'with the refusal up').toEqual([]);
  });
}

// The column and its message in a dark scheme and at twice the text size.
for (const [how, colorScheme, text] of [['in a dark scheme', 'dark', 16], ['at twice the text size', 'light', 32]]) {
  test(`the column ${how}: no fault for axe, the ring and the edges at 3:1, the refused box marked`, async ({ page }) => {
    test.setTimeout(120000);
    await page.emulateMedia({ colorScheme });
    await setTextSize(page, text);
    await page.addInitScript(() => localStorage.setItem('orvandel.vue', 'colonne'));
    await openSheet(page, '?seed=3');
    await control(page, 'orvandel').click();
    expect(await faults(page, 'colonne'), 'after a generation').toEqual([]);
    await control(page, 'forc').fill('');
    // The ring on the blue box and on the face around it, the box's edge on the face.
    const lines = await control(page, 'forc').evaluate((box) => {
      const [style, face] = [getComputedStyle(box), getComputedStyle(box.closest('.client')).backgroundColor];
      return [[style.outlineColor, style.backgroundColor], [style.outlineColor, face], [style.borderTopColor, face]];
    });
    for (const [line, paper] of lines) expect(contrast(rgb(line), rgb(paper)), `${line} on ${paper}`).toBeGreaterThanOrEqual(3);
    await control(page, 'Command1').click();
    await expect(page.getByRole('dialog')).toBeVisible();
    expect(await faults(page, 'colonne'), 'with the refusal up').toEqual([]);
    // The refused box stands out from the other boxes by its edge.
    const [, [, face], [edge]] = lines;
    const refused = await control(page, 'forc').evaluate((box) => getComputedStyle(box).borderTopColor);
    expect(refused).not.toBe(edge);
    expect(contrast(rgb(refused), rgb(face))).toBeGreaterThanOrEqual(3);
  });
}

// Each text of `within` whose ink reads under 4.5:1 on the paper under it.
// Axe leaves these out in a modal panel, the top layer hiding from it what
// lies under the panel's texts.
async function faintTexts(page, within) {
  const inks = await page.locator(within).evaluate((panel) => [panel, ...panel.querySelectorAll('*')]
    .filter((e) => e.checkVisibility() && [...e.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim()))
    .map((e) => {
      let paper = e;
      while (getComputedStyle(paper).backgroundColor === 'rgba(0, 0, 0, 0)') paper = paper.parentElement;
      return [e.textContent.trim().slice(0, 30), getComputedStyle(e).color, getComputedStyle(paper).backgroundColor];
    }));
  return inks.filter(([, ink, paper]) => contrast(rgb(ink), rgb(paper)) < 4.5);
}

for (const colorScheme of ['light', 'dark']) {
  test(`the roster, the journal and the message in a ${colorScheme} scheme: no fault for axe, every text at 4.5:1`, async ({ page }) => {
    await page.emulateMedia({ colorScheme });
    await openSheet(page, '?seed=3');
    await control(page, 'orvandel').click();
    await page.keyboard.press('Control+d');
    await page.getByLabel('Nom du personnage :').fill('Aldo');
    await page.keyboard.press('Enter');
    await pressCommand(page, 'Personnages');
    await expect(page.locator('#roster [aria-current="true"]')).toBeVisible();
    expect(await faults(page, 'exacte', '#roster'), 'the roster').toEqual([]);
    expect(await faintTexts(page, '#roster'), 'the roster').toEqual([]);
    await page.keyboard.press('Escape');
    await page.keyboard.press('Control+j');
    await expect(page.locator('#journal')).toBeVisible();
    expect(await faults(page, 'exacte', '#journal'), 'the journal').toEqual([]);
    expect(await faintTexts(page, '#journal'), 'the journal').toEqual([]);
    await page.keyboard.press('Escape');
    await control(page, 'forc').fill('');
    await control(page, 'Command1').click();
    expect(await faintTexts(page, 'dialog#message'), 'the message').toEqual([]);
  });
}

test('every box and tick box has the name the window speaks, and the values say what a press does', async ({ page }) => {
  await openSheet(page, '?seed=3');
  await control(page, 'orvandel').click();
  const { names, unnamed } = await page.evaluate(async () => {
    const engine = await (await import('./engine.js')).default();
    const session = new engine.Session('3');
    session.randomEntry();
    const shown = [...document.querySelectorAll('input[data-control], textarea[data-control], button[data-control]')];
    return {
      names: session.spokenNames(),
      unnamed: shown.filter((e) => !e.getAttribute('aria-label') && !e.textContent.trim()).map((e) => e.dataset.control),
    };
  });
  expect(unnamed).toEqual([]);
  for (const [name, spoken] of Object.entries(names)) await expect(control(page, name), name).toHaveAccessibleName(spoken);
  const tips = await page.evaluate(async () => (await (await import('./engine.js')).default()).selectorTips());
  expect(Object.keys(tips)).toHaveLength(11);
  for (const [name, tip] of Object.entries(tips)) await expect(control(page, name), name).toHaveAccessibleDescription(tip);
  await expect(page.getByRole('button', { name: 'Tirer un personnage au hasard' })).toHaveCount(1);
  await expect(control(page, 'Text1(1)')).toHaveAccessibleDescription(/jet d’amélioration/);
  await expect(control(page, 'arme_att(1)')).toHaveAccessibleDescription(/jet d’amélioration/);
  await expect(page.locator('h1')).toHaveCount(1);
  expect(await page.locator('[tabindex]').evaluateAll((all) => all.filter((e) => e.tabIndex > 0).length)).toBe(0);
});

test('Tab walks the document in the window\'s order, the title button among the first stops, with a plain ring', async ({ page }) => {
  await openSheet(page);
  const order = await page.evaluate(async () => (await (await import('./engine.js')).default()).tabOrder());
  const walked = [];
  await control(page, order[0]).focus();
  for (let i = 0; i < order.length + 1; ++i) {
    walked.push(await page.evaluate(() => document.activeElement.dataset.control ?? document.activeElement.id));
    await page.keyboard.press('Tab');
  }
  expect(walked.slice(0, order.length)).toEqual(order);
  expect(walked.indexOf('orvandel')).toBeLessThan(25);

  await control(page, order[0]).focus();
  await page.keyboard.press('Tab');
  const ring = await page.evaluate(() => {
    const style = getComputedStyle(document.activeElement);
    const client = getComputedStyle(document.querySelector('[data-control="Form1"]'));
    return { width: parseFloat(style.outlineWidth), line: style.outlineStyle, colour: style.outlineColor, around: client.backgroundColor };
  });
  expect(ring.line).toBe('solid');
  expect(ring.width).toBeGreaterThanOrEqual(2);
  expect(contrast(rgb(ring.colour), rgb(ring.around))).toBeGreaterThanOrEqual(3);
});
