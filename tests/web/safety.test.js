// Sheet texts are shown as text, never as markup: markup in every field of
// the sheet creates no element and runs nothing.
import { test, expect } from '@playwright/test';
import { openSheet } from './sheet_helpers.js';

test('a sheet holding markup in every field shows it as text and runs nothing', async ({ page }) => {
  await openSheet(page);
  const markup = '<img src=x onerror="document.documentElement.dataset.ran=1"><b>gras</b>';
  const shown = await page.evaluate(async (text) => {
    const engine = await (await import('./engine.js')).default();
    const { SheetView } = await import('./sheet_view.js');
    const stage = document.body.appendChild(document.createElement('div'));
    const view = new SheetView(engine.layoutRows(), engine.windowFacts(), engine.fixedControls());
    stage.appendChild(view.client);
    const sheet = JSON.parse(new engine.Session('').json());
    for (const name of Object.keys(sheet)) if (typeof sheet[name] === 'string') sheet[name] = text;
    view.show(sheet);
    await new Promise((resolve) => setTimeout(resolve, 100));
    const texts = Object.keys(sheet).filter((name) => typeof sheet[name] === 'string')
      .map((name) => view.element(name)).map((e) => ('value' in e && e.tagName !== 'BUTTON' ? e.value : e.textContent));
    return { texts, made: stage.querySelectorAll('img:not([data-control]), b').length, ran: document.documentElement.dataset.ran ?? null };
  }, markup);
  expect(shown.made).toBe(0);
  expect(shown.ran).toBeNull();
  expect(new Set(shown.texts)).toEqual(new Set([markup]));
});
