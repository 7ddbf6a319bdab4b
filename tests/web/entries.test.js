// Both entries and the improvement clicks against orvandel-cli: a ?seed=N
// page rolls exactly the sheet of `orvandel-cli generate --seed N`.
import { test, expect } from '@playwright/test';
import { boxesOf, cli, cliRefusal, control, openSheet, seedAfter, shownFields, shownSheet } from './sheet_helpers.js';

test.describe('random entry', () => {
  for (const seed of ['1', '2', '77', '18446744073709551615']) {
    test(`a click on the title picture of ?seed=${seed} shows the CLI's sheet`, async ({ page }) => {
      await openSheet(page, `?seed=${seed}`);
      await page.locator('[data-control="orvandel"]').click();
      const expected = cli(['generate', '--seed', seed]).sheet;
      expect(await shownFields(page, expected)).toEqual(boxesOf(expected));
    });
  }
});

// Typed rolls, with the profession and the improvement rolls left to the dice.
const typedBoxes = {
  forc: '12', con: '15', tai: '9', dex: '16', intl: '17', pou: '11', cha: '8',
  nationalite: '42', profession: '', age: '19', 'des_ok(15)': true, 'des_ok(17)': true,
};

test('a typed entry and two improvement clicks, by keyboard, agree with the CLI', async ({ page }) => {
  const seed = '9';
  await openSheet(page, `?seed=${seed}`);
  await test.step('type the blue boxes and tick the selectors, tabbing from box to box', async () => {
    await control(page, 'forc').focus();
    for (let stop = 0; stop < 20; ++stop) {
      const name = await page.evaluate(() => document.activeElement.dataset.control);
      if (typeof typedBoxes[name] === 'string') await page.keyboard.type(typedBoxes[name]);
      if (typedBoxes[name] === true) await page.keyboard.press('Space');
      await page.keyboard.press('Tab');
    }
    await control(page, 'des_ok(17)').press('Space');
  });
  const typed = cli(['generate', '--typed', '--seed', seed], typedBoxes);
  await test.step('Enter in a blue box is Saisie/Reroll', async () => {
    await control(page, 'age').press('Enter');
    expect(await shownFields(page, typed.sheet)).toEqual(boxesOf(typed.sheet));
  });
  await test.step('Tab reaches a skill value; Enter on it and Space on an attack take up the same dice', async () => {
    const first = cli(['improve', 'comp(1)', '--seed', seedAfter(seed, typed.rolls)], typed.sheet);
    const second = cli(['improve', 'arme_att(1)', '--seed', seedAfter(seed, typed.rolls + 1)], first.sheet);
    expect(Number(second.sheet.des_comp)).toBe(Number(typed.sheet.des_comp) - 2);
    const skillValue = control(page, 'Text1(1)');
    for (let tabs = 0; tabs < 300 && !(await skillValue.evaluate((e) => e === document.activeElement)); ++tabs)
      await page.keyboard.press('Tab');
    await expect(skillValue).toBeFocused();
    await page.keyboard.press('Enter');
    await control(page, 'arme_att(1)').press(' ');
    expect(await shownFields(page, second.sheet)).toEqual(boxesOf(second.sheet));
  });
});

test.describe('refusal of the typed entry', () => {
  const cases = [
    { field: 'forc', typed: '', view: 'exacte' },
    { field: 'age', typed: '1000', view: 'exacte' },
    { field: 'forc', typed: 'abc', view: 'exacte' },
    { field: 'forc', typed: 'abc', view: 'colonne' },
  ];
  for (const { field, typed, view } of cases) {
    test(`${field} holding "${typed}", ${view} view: the CLI's words, the box focused and invalid, nothing rolled`, async ({ page }) => {
      const seed = '5';
      const boxes = { ...typedBoxes, [field]: typed };
      await page.addInitScript((chosen) => localStorage.setItem('orvandel.vue', chosen), view);
      if (view === 'colonne') await page.setViewportSize({ width: 390, height: 844 });
      await openSheet(page, `?seed=${seed}`);
      for (const [name, value] of Object.entries(boxes))
        if (typeof value === 'string') await control(page, name).fill(value);
        else await control(page, name).setChecked(value);
      const before = await shownSheet(page);
      await control(page, 'Command1').click();
      const message = page.getByRole('dialog');
      await expect(message).toBeVisible();
      await expect(message.getByText('Remplir les cases bleues', { exact: true })).toBeVisible();
      const detail = await message.locator('#message-detail').textContent();
      expect(`Remplir les cases bleues : ${detail.charAt(0).toLowerCase()}${detail.slice(1)}`)
        .toBe(cliRefusal(['generate', '--typed', '--seed', seed], boxes));
      await expect(message.getByRole('button')).toHaveCount(1);
      await page.keyboard.press('Enter');
      await expect(message).toBeHidden();
      const box = control(page, field);
      await expect(box).toBeFocused();
      await expect(box).toBeInViewport();
      await expect(box).toHaveAttribute('aria-invalid', 'true');
      expect(await shownSheet(page)).toEqual(before);
      // Its text is selected: what the player types replaces it.
      await page.keyboard.type('7');
      await expect(box).toHaveValue('7');
      await expect(box).not.toHaveAttribute('aria-invalid');
      // The dice have not moved: the title picture still rolls the seed's first sheet.
      await control(page, 'orvandel').click();
      const expected = cli(['generate', '--seed', seed], { ...boxes, [field]: '7' }).sheet;
      expect(await shownFields(page, expected)).toEqual(boxesOf(expected));
    });
  }
});

test('QUITTER in a tab the page may not close returns the sheet and the dice to their launch state', async ({ page }) => {
  await openSheet(page, '?seed=6');
  const launch = await shownSheet(page);
  await control(page, 'orvandel').click();
  await control(page, 'Command2').click();
  expect(await shownSheet(page)).toEqual(launch);
  await expect(control(page, 'forc')).toBeFocused();
  await page.keyboard.press('Control+N');
  const expected = cli(['generate', '--seed', '6']).sheet;
  expect(await shownFields(page, expected)).toEqual(boxesOf(expected));
});
