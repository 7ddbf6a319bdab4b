// Both entries and the improvement clicks against orvandel-cli: a ?seed=N
// page rolls exactly the sheet of `orvandel-cli generate --seed N`.
import { test, expect } from '@playwright/test';
import { cli, openSheet, shownFields } from './sheet_helpers.js';

test.describe('random entry', () => {
  for (const seed of ['1', '2', '77', '18446744073709551615']) {
    test(`a click on the title picture of ?seed=${seed} shows the CLI's sheet`, async ({ page }) => {
      await openSheet(page, `?seed=${seed}`);
      await page.locator('[data-control="orvandel"]').click();
      const expected = cli(['generate', '--seed', seed]).sheet;
      expect(await shownFields(page, expected)).toEqual(expected);
    });
  }
});
