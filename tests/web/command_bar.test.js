// The command bar: at every phone width every command lies within two taps
// and nothing runs out of the bar; "Plus…" works as a menu from the
// keyboard; what each press did is said above the bar, in sight and to
// screen readers, including a tap that spends nothing. The first minute:
// the lead in the message area, the dice beside each blue box, the
// numbers' keyboard, and Suplé. ticked with the blue boxes.
import AxeBuilder from '@axe-core/playwright';
import { test, expect } from '@playwright/test';
import { cli, control, openSheet, pressCommand, setTextSize } from './sheet_helpers.js';

const touchPhone = (width) => ({ viewport: { width, height: 740 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
const said = (page) => page.locator('#keeping-status');

// The message area wholly on screen, its text not cut.
async function expectSaidInSight(page) {
  await expect(said(page)).toBeInViewport({ ratio: 1 });
  expect(await said(page).evaluate((area) => area.clientHeight > 0 && area.scrollHeight <= area.clientHeight + 1)).toBe(true);
}

// The bar's buttons that run out of it or clip their text, and how many
// rows they take.
const barFit = (page) => page.locator('#keeping').evaluate((bar) => {
  const edge = bar.getBoundingClientRect();
  const buttons = [...bar.querySelectorAll('.bar button')];
  return {
    outside: buttons.filter((b) => {
      const box = b.getBoundingClientRect();
      return box.left < edge.left || box.right > edge.right || b.scrollWidth > b.clientWidth + 1;
    }).map((b) => b.textContent),
    rows: new Set(buttons.map((b) => Math.round(b.getBoundingClientRect().top))).size,
  };
});

for (const width of [320, 360, 390, 430]) {
  test.describe(`${width} px`, () => {
    test.use(touchPhone(width));

    test('every command within two taps, none running out of the bar', async ({ page }) => {
      await openSheet(page, '?seed=5');
      expect(await barFit(page)).toEqual({ outside: [], rows: width < 360 ? 3 : 2 });
      expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(width);
      for (const button of await page.locator('#keeping .bar button').all()) await expect(button).toBeInViewport();
      await page.locator('#more').tap();
      const items = page.getByRole('menuitem');
      await expect(items).toHaveCount(10);
      for (const item of await items.all()) await expect(item).toBeInViewport({ ratio: 1 });
      for (const colorScheme of ['light', 'dark']) {
        await page.emulateMedia({ colorScheme });
        const { violations } = await new AxeBuilder({ page }).include('#keeping').analyze();
        expect(violations.map((v) => `${colorScheme} ${v.id}`)).toEqual([]);
      }
    });
  });
}

test.describe('on a phone', () => {
  test.use(touchPhone(360));

  test('at twice the text size the bar leaves the sheet half the screen, and its commands still answer', async ({ page }) => {
    await setTextSize(page, 32);
    await openSheet(page, '?seed=6');
    const bar = await page.locator('#keeping').boundingBox();
    expect(bar.height).toBeLessThanOrEqual(740 / 2 + 1);
    await pressCommand(page, 'Tirer un personnage', 'tap');
    await expectSaidInSight(page);
    await pressCommand(page, 'Copier le texte', 'tap');
    await expect(said(page)).not.toContainText('Personnage tiré');
    for (const box of ['con', 'Text1(17)', 'arme_att(1)']) {
      await control(page, box).focus();
      const [shown, top] = [await control(page, box).boundingBox(), (await page.locator('#keeping').boundingBox()).y];
      expect(shown.y + shown.height, `${box} clear of the bar`).toBeLessThanOrEqual(top + 1);
    }
  });

  test('each press says what it did, above the bar and to screen readers', async ({ page, context }) => {
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await openSheet(page, '?seed=6');
    await expect(said(page)).toHaveAttribute('aria-live', 'polite');
    await expect(said(page)).toContainText('Pour commencer');
    await test.step('a tap that spends nothing says why', async () => {
      await control(page, 'Text1(1)').tap();
      await expect(said(page)).toHaveText('Aucun jet d’amélioration à dépenser (Suplé. -1)');
      await expectSaidInSight(page);
    });
    const rolled = cli(['generate', '--seed', '6']).sheet;
    const steps = [
      ['Tirer un personnage', `Personnage tiré : ${rolled.profession_nom}, ${rolled.nationalite_nom} · PV ${rolled.pv} · SAN ${rolled.san} ; Suplé. ${rolled.des_comp}`],
      ['Annuler', 'Action annulée'],
      ['Rétablir', 'Action rétablie'],
      ['Copier le texte', 'Fiche copiée en texte dans le presse-papiers'],
      ['Fiche exacte', 'Fiche exacte.'],
      ['Vue en colonne', 'Fiche en colonne.'],
    ];
    for (const [command, sentence] of steps) {
      await test.step(command, async () => {
        await pressCommand(page, command, 'tap');
        await expect(said(page)).toHaveText(sentence);
        await expectSaidInSight(page);
      });
    }
    await test.step('a tap on a value spends a roll and says on what', async () => {
      await control(page, 'Text1(1)').tap();
      await expect(said(page)).toContainText(`; Suplé. ${Number(rolled.des_comp) - 1}`);
    });
  });

  test('the first minute: the dice each blue box takes, the numbers\' keys, Suplé. before Saisie/Reroll', async ({ page }) => {
    await openSheet(page, '?seed=6');
    const dice = { forc: '3d6', cha: '3d6', nationalite: 'd100', profession: 'd100', age: '18 + 2d6' };
    for (const [box, rolled] of Object.entries(dice)) {
      await expect(control(page, box)).toHaveAccessibleDescription(rolled);
      await expect(control(page, box)).toHaveAttribute('inputmode', 'numeric');
    }
    const shown = await control(page, 'Label1(0)').evaluate((caption) => getComputedStyle(caption, '::after').content);
    expect(shown).toBe('"3d6"');
    const order = await page.evaluate(() => {
      const [tick, entry] = ['des_ok(17)', 'Command1'].map((name) => document.querySelector(`[data-control="${name}"]`));
      return { before: Boolean(tick.compareDocumentPosition(entry) & Node.DOCUMENT_POSITION_FOLLOWING),
        above: tick.getBoundingClientRect().bottom <= entry.getBoundingClientRect().top };
    });
    expect(order).toEqual({ before: true, above: true });
  });
});

test('"Plus…" is a menu for the keyboard: arrows, Escape, and a choice that runs', async ({ page, context }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await openSheet(page, '?seed=7');
  const more = page.getByRole('button', { name: 'Plus…' });
  await more.focus();
  await page.keyboard.press('ArrowUp');
  await expect(more).toHaveAttribute('aria-expanded', 'true');
  await expect(page.getByRole('menuitem', { name: 'Vue en colonne' })).toBeFocused();
  await page.keyboard.press('ArrowDown');
  await expect(page.getByRole('menuitem', { name: 'Personnages' })).toBeFocused();
  await page.keyboard.press('Escape');
  await expect(page.getByRole('menu')).toBeHidden();
  await expect(more).toBeFocused();
  await expect(more).toHaveAttribute('aria-expanded', 'false');
  await page.keyboard.press('Enter');
  await expect(page.getByRole('menuitem', { name: 'Personnages' })).toBeFocused();
  await page.keyboard.press('End');
  for (let i = 0; i < 3; ++i) await page.keyboard.press('ArrowUp');
  await expect(page.getByRole('menuitem', { name: 'Enregistrer' })).toBeFocused();
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('Enter');
  await expect(page.getByRole('menu')).toBeHidden();
  await expect(more).toBeFocused();
  await expect(said(page)).toHaveText('Fiche copiée en texte dans le presse-papiers');
});
