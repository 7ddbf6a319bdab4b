// "Journal des jets" in the page: the journal of the last generation, word
// for word as orvandel-cli --journal writes it for the same dice, opened from
// the bar and by Ctrl+J, following improvement clicks, undo and redo.
import { test, expect } from '@playwright/test';
import { openSheet, control, runCli } from './sheet_helpers.js';

// The CLI's journal of `generate --seed N`, one line an entry.
const cliJournal = (seed) => runCli(['generate', '--seed', String(seed), '--journal']).stderr.trim().split('\n');

const lines = (page) => page.locator('#journal-lines li');

test('the journal shows the last generation as the CLI writes it and follows the steps', async ({ page }) => {
  await openSheet(page, '?seed=20');
  await control(page, 'orvandel').click();
  await page.keyboard.press('Control+j');
  await expect(page.locator('#journal')).toBeVisible();
  await expect(page.locator('#journal-lines')).toBeFocused();
  const generated = cliJournal(20);
  await expect(lines(page)).toHaveText(generated);

  // An improvement click adds its line; undo takes it back, redo again.
  await page.keyboard.press('Escape');
  await control(page, 'Text1(23)').focus();
  await page.keyboard.press('Enter');
  await page.keyboard.press('Control+j');
  await expect(lines(page)).toHaveCount(generated.length + 1);
  await expect(lines(page).last()).toHaveText(/^Amélioration — /);
  await page.keyboard.press('Control+z');
  await expect(lines(page)).toHaveText(generated);
  await page.keyboard.press('Control+Shift+Z');
  await expect(lines(page)).toHaveCount(generated.length + 1);
});

test('the bar opens the journal, Escape closes it and gives the focus back', async ({ page }) => {
  await openSheet(page);
  const button = page.getByRole('button', { name: 'Journal', exact: true });
  await button.click();
  await expect(lines(page)).toHaveText(['Aucun jet pour cette fiche : elle vient d’un fichier, ou rien n’a encore été tiré.']);
  await page.keyboard.press('Escape');
  await expect(page.locator('#journal')).toBeHidden();
  await expect(button).toBeFocused();
});
