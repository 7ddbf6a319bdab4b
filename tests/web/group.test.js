// "Préparer un groupe…": random characters that meet the game master's
// conditions go into the roster under the group's name; conditions no
// character can meet are refused before rolling; "Arrêter" keeps what was
// found; the group's game master's page prints; the panel reads well and
// fits a phone.
import AxeBuilder from '@axe-core/playwright';
import { test, expect } from '@playwright/test';
import { control, openSheet, setTextSize } from './sheet_helpers.js';

const panel = (page) => page.locator('#groupe');
const status = (page) => page.locator('#groupe-status');
const bound = (page, caption, side) => panel(page).getByLabel(`${caption} ${side}`, { exact: true });

// The roster as the page stored it: [{nom, fiche}], none before the page
// opened its storage.
const stored = (page) => page.evaluate(async () => {
  if (!(await indexedDB.databases()).some((base) => base.name === 'orvandel')) return [];
  return new Promise((resolve) => { indexedDB.open('orvandel', 1).onsuccess = (event) => {
    const request = event.target.result.transaction('personnages').objectStore('personnages').get('personnages.json');
    request.onsuccess = () => resolve(request.result ? JSON.parse(request.result).personnages : []);
  }; });
});

// Opens the panel and asks for `count` characters of these professions and
// nationalities with these bounds: [caption, 'minimum' | 'maximum', value].
async function ask(page, { count, professions = [], nationalities = [], bounds = [] }) {
  await page.keyboard.press('Control+g');
  await expect(panel(page)).toBeVisible();
  await panel(page).getByLabel('Nombre de personnages :').fill(String(count));
  for (const name of [...professions, ...nationalities]) await panel(page).getByRole('checkbox', { name, exact: true }).check();
  for (const [caption, side, value] of bounds) await bound(page, caption, side).fill(String(value));
}

test('four warriors of Stelmark with FORce 14 or more reach the roster under the group\'s name; their page prints', async ({ page }) => {
  await openSheet(page);
  await ask(page, { count: 4, professions: ['Guerrier'], nationalities: ['Stelmark'], bounds: [['FORce', 'minimum', 14]] });
  await expect(panel(page).getByLabel('Nom du groupe :')).toHaveValue('Guerrier de Stelmark');
  await panel(page).getByRole('button', { name: 'Préparer' }).click();
  await expect(status(page)).toContainText(
    '4 personnages gardés dans les personnages : « Guerrier de Stelmark 1 » à « Guerrier de Stelmark 4 ».');
  await expect(page.locator('#groupe-progress')).toHaveJSProperty('value', 4);
  await expect.poll(() => stored(page)).toHaveLength(4);
  const kept = await stored(page);
  expect(kept.map((c) => c.nom)).toEqual([1, 2, 3, 4].map((k) => `Guerrier de Stelmark ${k}`));
  for (const { fiche } of kept) {
    expect([fiche.profession_nom, fiche.nationalite_nom]).toEqual(['Guerrier', 'Stelmark']);
    expect(Number(fiche.forc_tot)).toBeGreaterThanOrEqual(14);
  }

  await page.evaluate(() => { window.print = () => { document.documentElement.dataset.printed = 'true'; }; });
  await panel(page).getByRole('button', { name: 'Imprimer la page du MJ' }).click();
  await expect(page.locator('html[data-printed="true"]')).toHaveCount(1);
  await page.emulateMedia({ media: 'print' });
  await expect(page.locator('#stage')).toBeHidden();
  const blocks = page.locator('#groupe-print section');
  await expect(blocks).toHaveCount(4);
  for (const [k, { nom, fiche }] of kept.entries()) {
    expect(await blocks.nth(k).innerText()).toMatch(
      new RegExp(`^${nom}\\s+Guerrier, Stelmark, ${fiche.age} ans\\s+FOR ${fiche.forc_tot}\\s+CON ${fiche.con_tot}\\s`));
  }
  const pdf = (await page.pdf({ preferCSSPageSize: true })).toString('latin1');
  expect(pdf.match(/\/Type\s*\/Page\b/g)).toHaveLength(1);
  await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));
  await page.emulateMedia({ media: 'screen' });

  // Each is a kept character, opened as any other.
  await panel(page).getByRole('button', { name: 'Personnages', exact: true }).click();
  await page.locator('#roster .roster-open', { hasText: 'Guerrier de Stelmark 3' }).click();
  await expect(control(page, 'forc_tot')).toHaveValue(kept[2].fiche.forc_tot);
});

test('a FORce of 19 or more and 12 or less is refused before anything is rolled', async ({ page }) => {
  await openSheet(page);
  await ask(page, { count: 4, bounds: [['FORce', 'minimum', 19], ['FORce', 'maximum', 12]] });
  await panel(page).getByRole('button', { name: 'Préparer' }).click();
  const problem = await page.evaluate(async () => (await (await import('./engine.js')).default()).conditionsProblem({
    professions: [], nationalities: [], sorcery: 0, bounds: [{ min: 19, max: 12 }, ...Array(10).fill({})],
  }));
  expect(problem).not.toBe('');
  await expect(page.locator('#message-text')).toHaveText(problem);
  await page.locator('#message').getByRole('button', { name: 'OK' }).click();
  await expect(bound(page, 'FORce', 'minimum')).toBeFocused();
  await expect(page.locator('#groupe-progress')).toHaveJSProperty('value', 0);
  expect(await stored(page)).toEqual([]);
});

test('"Arrêter" keeps the characters found so far and says the search was stopped', async ({ page }) => {
  await openSheet(page);
  await ask(page, { count: 500, professions: ['Capitain'], nationalities: ['Stelmark'] });
  await panel(page).getByLabel('Nom du groupe :').fill('Équipage');
  await panel(page).getByRole('button', { name: 'Préparer' }).click();
  await expect(page.locator('#groupe-progress')).not.toHaveJSProperty('value', 0);
  await panel(page).getByRole('button', { name: 'Arrêter' }).click();
  await expect(status(page)).toContainText(/^Recherche arrêtée\. /);
  await expect.poll(() => stored(page)).not.toHaveLength(0);
  const kept = await stored(page);
  expect(kept.length).toBeLessThan(500);
  expect(kept.map((c) => c.nom)).toEqual(kept.map((c, k) => `Équipage ${k + 1}`));
  await expect(page.locator('#groupe-progress')).toHaveJSProperty('value', kept.length);
});

// A phone 360 pixels wide, by touch: in either scheme, and at twice the
// text size, axe finds nothing in the open panel and nothing in it runs
// past the screen's edge.
for (const [scheme, text] of [['light', 32], ['dark', 16]]) {
  test(`on a 360-pixel phone, ${scheme}, text at ${text} px: the panel fits and axe finds nothing`, async ({ browser }) => {
    test.setTimeout(90000);
    const context = await browser.newContext({ viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true, colorScheme: scheme });
    const page = await context.newPage();
    await setTextSize(page, text);
    await openSheet(page);
    await page.locator('#more').tap();
    await page.getByRole('menuitem', { name: 'Préparer un groupe…' }).tap();
    await expect(panel(page)).toBeVisible();
    await panel(page).getByRole('checkbox', { name: 'Guerrier', exact: true }).tap();
    await expect(panel(page).getByLabel('Nom du groupe :')).toHaveValue('Guerrier');
    const { violations } = await new AxeBuilder({ page }).include('#groupe')
      .withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']).analyze();
    expect(violations.flatMap((v) => v.nodes.map((n) => `${v.id} ${n.html}`))).toEqual([]);
    const overflow = await panel(page).evaluate((dialog) => ({
      sideways: dialog.scrollWidth - dialog.clientWidth,
      past: [...dialog.querySelectorAll('button, input, select, label, legend, span, progress, output')]
        .filter((e) => e.checkVisibility())
        .filter((e) => { const box = e.getBoundingClientRect(); return box.left < 0 || box.right > window.innerWidth; })
        .map((e) => e.outerHTML.slice(0, 60)),
    }));
    expect(overflow).toEqual({ sideways: 0, past: [] });
    await context.close();
  });
}
