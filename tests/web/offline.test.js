// Offline: after one visit, the page opens and both entries work with the
// browser context offline.
import { test, expect } from '@playwright/test';
import { boxesOf, cli, control, openSheet, seedAfter, shownFields } from './sheet_helpers.js';

test('after one visit, a reload with no network shows a working sheet', async ({ page, context }) => {
  await openSheet(page, '?seed=31');
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await page.reload();
  await page.locator('html[data-ready="true"]').waitFor();

  const boxes = { forc: '14', con: '12', tai: '13', dex: '10', intl: '15', pou: '9', cha: '11', nationalite: '70', profession: '55', age: '23' };
  for (const [name, value] of Object.entries(boxes)) await control(page, name).fill(value);
  await control(page, 'Command1').click();
  const typed = cli(['generate', '--typed', '--seed', '31'], boxes);
  expect(await shownFields(page, typed.sheet)).toEqual(boxesOf(typed.sheet));

  await control(page, 'orvandel').click();
  const rolled = cli(['generate', '--seed', seedAfter('31', typed.rolls)], typed.sheet).sheet;
  expect(await shownFields(page, rolled)).toEqual(boxesOf(rolled));
  await expect(page.locator('[data-control="orvandel"] img')).toHaveJSProperty('complete', true);
});
