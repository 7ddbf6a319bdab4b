// "Personnages": characters kept in the browser's storage, opened as a step
// to undo, renamed, updated, removed and put back; imported from orvandel-cli
// and from the window's roster file, exported, printed as sheets or as the
// game master's page.
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { test, expect } from '@playwright/test';
import { boxesOf, control, formatProblems, openSheet, pressCommand, runCli, shownFields, shownSheet } from './sheet_helpers.js';

const here = path.dirname(fileURLToPath(import.meta.url));
// Three characters kept in the window, written by the roster library.
const windowRoster = path.join(here, 'fixtures/roster-from-window.json');

const panel = (page) => page.locator('#roster');
const entries = (page) => page.locator('#roster [data-roster-entry]');
const entry = (page, name) => entries(page).filter({ has: page.locator('.roster-name', { hasText: new RegExp(`^${name}$`) }) });
const rosterButton = (page, name) => panel(page).getByRole('button', { name, exact: true });

const batch = (count, seed) => runCli(['generate', '--count', String(count), '--seed', String(seed)]).stdout;

const file = (name, text) => ({ name, mimeType: 'application/json', buffer: Buffer.from(text) });

async function showRoster(page) {
  await pressCommand(page, 'Personnages');
  await expect(panel(page)).toBeVisible();
}

// Keeps the sheet on screen under `name` from the command bar; the name
// proposed from the sheet is returned.
async function keep(page, name) {
  await page.keyboard.press('Control+d');
  const box = page.getByLabel('Nom du personnage :');
  await expect(box).toBeFocused();
  const proposed = await box.inputValue();
  await box.fill(name);
  await box.press('Enter');
  await expect(panel(page)).toBeHidden();
  return proposed;
}

async function exported(page, command) {
  const download = page.waitForEvent('download');
  await rosterButton(page, command).click();
  const file = await download;
  const saved = await file.path();
  return { name: file.suggestedFilename(), text: readFileSync(saved, 'utf8'), saved };
}

async function importText(page, name, text) {
  await page.locator('#roster #roster-import').setInputFiles(file(name, text));
  await expect(page.locator('#roster-status')).toContainText(`« ${name} »`);
}

test('keep, rename, open, update, remove and put back; a reload finds the same roster', async ({ page }) => {
  await openSheet(page, '?seed=41');
  await control(page, 'orvandel').click();
  const first = await shownSheet(page);
  await test.step('keep two characters, the name proposed from the sheet', async () => {
    expect(await keep(page, '  Aldo ')).toBe(`${first.profession_nom}, ${first.nationalite_nom}`);
    await expect(page.locator('#keeping-status')).toHaveText('« Aldo » gardé dans les personnages.');
    await control(page, 'orvandel').click();
    await keep(page, 'Bertrand');
  });
  const second = await shownSheet(page);
  await test.step('the list names each with its facts', async () => {
    await showRoster(page);
    await expect(entries(page)).toHaveCount(2);
    await expect(entry(page, 'Aldo')).toContainText(`${first.profession_nom}, ${first.nationalite_nom} · PV ${first.pv} · SAN ${first.san}`);
  });
  await test.step('rename (F2)', async () => {
    await entry(page, 'Bertrand').locator('.roster-open').focus();
    await page.keyboard.press('F2');
    const box = page.getByLabel('Nom du personnage :');
    await box.fill('Bertrand le Brave');
    await box.press('Enter');
    await expect(entries(page).locator('.roster-name')).toHaveText(['Aldo', 'Bertrand le Brave']);
  });
  await test.step('Enter opens a character as one step to undo', async () => {
    await entry(page, 'Aldo').locator('.roster-open').press('Enter');
    await expect(panel(page)).toBeHidden();
    expect(await shownSheet(page)).toEqual(first);
    await page.keyboard.press('Control+z');
    expect(await shownSheet(page)).toEqual(second);
    await page.keyboard.press('Control+Shift+z');
    expect(await shownSheet(page)).toEqual(first);
  });
  let improved;
  await test.step('"Mettre à jour" gives the opened character the sheet on screen', async () => {
    await control(page, 'comp(1)').click();
    improved = await shownSheet(page);
    expect(improved).not.toEqual(first);
    await showRoster(page);
    await expect(entry(page, 'Aldo')).toHaveAttribute('aria-current', 'true');
    await expect(entry(page, 'Aldo').locator('.roster-facts')).toHaveText(/ · ouvert$/);
    await rosterButton(page, 'Mettre à jour').click();
    await expect(page.locator('#roster-status')).toHaveText('« Aldo » mis à jour avec la fiche affichée.');
  });
  await test.step('remove, then put back by Ctrl+Z and by the button, each where it stood', async () => {
    await entry(page, 'Aldo').getByRole('button', { name: 'Supprimer « Aldo »' }).click();
    await expect(entries(page).locator('.roster-name')).toHaveText(['Bertrand le Brave']);
    await page.keyboard.press('Control+z');
    await expect(entries(page).locator('.roster-name')).toHaveText(['Aldo', 'Bertrand le Brave']);
    await entry(page, 'Bertrand le Brave').locator('.roster-open').focus();
    await page.keyboard.press('Delete');
    await expect(entries(page)).toHaveCount(1);
    await rosterButton(page, 'Annuler la suppression').click();
    await expect(rosterButton(page, 'Annuler la suppression')).toBeDisabled();
  });
  const before = await exported(page, 'Exporter (.json)');
  expect(before.name).toBe('personnages.json');
  expect(formatProblems('roster', before.saved)).toBe('');
  await test.step('after a reload: the same roster, each sheet whole', async () => {
    await openSheet(page);
    await showRoster(page);
    await expect(entries(page).locator('.roster-name')).toHaveText(['Aldo', 'Bertrand le Brave']);
    expect((await exported(page, 'Exporter (.json)')).text).toBe(before.text);
    await entry(page, 'Aldo').locator('.roster-open').click();
    expect(await shownSheet(page)).toEqual(improved);
    await showRoster(page);
    await entry(page, 'Bertrand le Brave').locator('.roster-open').click();
    expect(await shownSheet(page)).toEqual(second);
  });
});

test('a batch of 20 from orvandel-cli: each named from its sheet, and back out as the same JSON Lines', async ({ page }) => {
  const lines = batch(20, 1);
  const sheets = lines.trim().split('\n').map((line) => JSON.parse(line));
  await openSheet(page);
  await showRoster(page);
  await importText(page, 'lot.jsonl', lines);
  await expect(page.locator('#roster-status')).toHaveText('« lot.jsonl » : 20 personnages importés.');
  await expect(entries(page).locator('.roster-name')).toHaveText(sheets.map((s) => `${s.profession_nom}, ${s.nationalite_nom}`));
  const back = await exported(page, 'Exporter en JSON Lines (.jsonl)');
  expect(back.name).toBe('personnages.jsonl');
  expect(back.text).toBe(lines);
  const wanted = sheets[0].nationalite_nom;
  await panel(page).getByRole('searchbox', { name: 'Chercher un personnage' }).fill(wanted.toUpperCase());
  await expect(entries(page).locator('.roster-name')).toHaveText(sheets
    .filter((s) => [s.profession_nom, s.nationalite_nom].some((text) => text.toLowerCase().includes(wanted.toLowerCase())))
    .map((s) => `${s.profession_nom}, ${s.nationalite_nom}`));
  await entries(page).nth(0).locator('.roster-open').click();
  expect(await shownFields(page, sheets[0])).toEqual(boxesOf(sheets[0]));
});

test('two bad lines among good ones: the good kept, both reasons shown', async ({ page }) => {
  await openSheet(page);
  const good = batch(3, 2).trim().split('\n');
  const text = [good[0], '{"forc": ', good[1], '', '{"force": "12"}', good[2]].join('\n');
  await showRoster(page);
  await importText(page, 'mêlé.jsonl', text);
  const status = page.locator('#roster-status');
  await expect(status).toContainText('« mêlé.jsonl » : 3 personnages importés. Laissés de côté :');
  await expect(status.locator('li')).toHaveText([
    'ligne 2 : ce n’est pas du JSON valide.',
    'ligne 5 : la case "force" n’existe pas sur la fiche.',
  ]);
  await expect(entries(page)).toHaveCount(3);
});

test('a roster file from the window opens here, and exports back to the same file', async ({ page }) => {
  const fromWindow = readFileSync(windowRoster, 'utf8');
  const kept = JSON.parse(fromWindow).personnages;
  await openSheet(page);
  await showRoster(page);
  await importText(page, 'personnages.json', fromWindow);
  await expect(entries(page).locator('.roster-name')).toHaveText(kept.map((c) => c.nom));
  const back = await exported(page, 'Exporter (.json)');
  expect(back.text).toBe(fromWindow);

  await entries(page).nth(1).locator('.roster-open').click();
  expect(await shownFields(page, kept[1].fiche)).toEqual(boxesOf(kept[1].fiche));
});

test('a stored roster reads back whole after a reload, its names beyond ASCII too', async ({ page }) => {
  // Far more accented letters than plain ones in a name, and a character
  // outside the Basic Multilingual Plane.
  const name = `Œil-de-Bœuf ${'é'.repeat(3000)} 🐉`;
  const stored = readFileSync(windowRoster, 'utf8').replace('"nom":"Aldo"', `"nom":"${name}"`);
  await openSheet(page);
  await showRoster(page);
  await importText(page, 'personnages.json', stored);
  await openSheet(page);
  await showRoster(page);
  await expect(entries(page).first().locator('.roster-name')).toHaveText(name);
  expect((await exported(page, 'Exporter (.json)')).text).toBe(stored);
});

test('the chosen characters print one sheet a page, as the sheet is drawn', async ({ page }) => {
  const sheets = batch(3, 3).trim().split('\n').map((line) => JSON.parse(line));
  await openSheet(page);
  await showRoster(page);
  await importText(page, 'lot.jsonl', sheets.map((s) => JSON.stringify(s)).join('\n'));
  await rosterButton(page, 'Imprimer les personnages cochés…').click();
  await expect(page.locator('#roster-status')).toHaveText('Cochez d’abord les personnages à imprimer.');

  await page.evaluate(() => { window.print = () => { document.documentElement.dataset.printed = 'true'; }; });
  for (const at of [0, 2]) await entries(page).nth(at).getByRole('checkbox').check();
  await rosterButton(page, 'Imprimer les personnages cochés…').click();
  await expect(page.locator('html[data-printed="true"]')).toHaveCount(1);
  const printed = page.locator('#roster-print > .client');
  await expect(printed).toHaveCount(2);
  const shown = await printed.evaluateAll((clients) => clients.map((client) => Object.fromEntries(
    [...client.querySelectorAll('[data-control]')].map((e) => [e.dataset.control, e.type === 'checkbox' ? e.checked : ('value' in e && e.tagName !== 'BUTTON' ? e.value : e.textContent)]))));
  for (const [i, at] of [[0, 0], [1, 2]]) {
    const boxes = boxesOf(sheets[at]);
    expect(Object.fromEntries(Object.keys(boxes).map((name) => [name, shown[i][name]]))).toEqual(boxes);
  }
  const pdf = (await page.pdf({ preferCSSPageSize: true })).toString('latin1');
  expect(pdf.match(/\/Type\s*\/Page\b/g)).toHaveLength(2);
  await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));
  await expect(printed).toHaveCount(0);
});

test('the chosen characters print as the game master\'s page, under their names in the roster', async ({ page }) => {
  const sheets = batch(5, 5).trim().split('\n').map((line) => JSON.parse(line));
  await openSheet(page);
  await showRoster(page);
  await importText(page, 'lot.jsonl', sheets.map((s) => JSON.stringify(s)).join('\n'));
  await entries(page).nth(3).locator('.roster-open').focus();
  await page.keyboard.press('F2');
  await page.getByLabel('Nom du personnage :').fill('Bertrand le Brave');
  await page.getByLabel('Nom du personnage :').press('Enter');
  const names = await entries(page).locator('.roster-name').allTextContents();
  expect(names[3]).toBe('Bertrand le Brave');

  await page.evaluate(() => { window.print = () => { document.documentElement.dataset.printed = 'true'; }; });
  const command = rosterButton(page, 'Page du MJ des personnages cochés…');
  await command.click();
  await expect(page.locator('#roster-status')).toHaveText('Cochez d’abord les personnages à imprimer.');
  await expect(page.locator('html[data-printed="true"]')).toHaveCount(0);
  for (const at of [1, 3]) await entries(page).nth(at).getByRole('checkbox').check();
  await command.focus();
  await page.keyboard.press('Enter');
  await expect(page.locator('html[data-printed="true"]')).toHaveCount(1);
  await page.emulateMedia({ media: 'print' });
  await expect(page.locator('#stage')).toBeHidden();
  await expect(page.locator('#roster-print')).toBeEmpty();
  const blocks = page.locator('#groupe-print section');
  await expect(blocks).toHaveCount(2);
  for (const [k, at] of [[0, 1], [1, 3]]) {
    const { profession_nom, nationalite_nom, age, forc_tot } = sheets[at];
    expect(await blocks.nth(k).innerText()).toMatch(
      new RegExp(`^${names[at]}\\s+${profession_nom}, ${nationalite_nom}, ${age} ans\\s+FOR ${forc_tot}\\s`));
  }
  await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));
  await expect(blocks).toHaveCount(0);
});

test('the keyboard opens the panel and Escape gives the focus back', async ({ page }) => {
  await openSheet(page, '?seed=43');
  const button = page.getByRole('button', { name: 'Plus…' });
  await button.focus();
  await page.keyboard.press('Enter');
  await expect(page.getByRole('menuitem', { name: 'Personnages' })).toBeFocused();
  await page.keyboard.press('Enter');
  await expect(page.getByRole('searchbox', { name: 'Chercher un personnage' })).toBeFocused();
  await page.keyboard.press('Escape');
  await expect(panel(page)).toBeHidden();
  await expect(button).toBeFocused();
  await page.keyboard.press('Control+Shift+L');
  await expect(panel(page)).toBeVisible();
  await page.keyboard.press('Escape');
  await expect(button).toBeFocused();
});

test('a character kept in one tab shows in another, which then keeps it too', async ({ page, context }) => {
  await openSheet(page, '?seed=44');
  const other = await context.newPage();
  await openSheet(other);
  await control(other, 'orvandel').click();  // a blank sheet is not kept
  await showRoster(other);
  await control(page, 'orvandel').click();
  await keep(page, 'Aldo');
  await expect(entries(other).locator('.roster-name')).toHaveText(['Aldo']);
  await rosterButton(other, 'Garder comme nouveau…').click();
  await other.getByLabel('Nom du personnage :').fill('Bertrand');
  await other.getByLabel('Nom du personnage :').press('Enter');
  await openSheet(page);
  await showRoster(page);
  await expect(entries(page).locator('.roster-name')).toHaveText(['Aldo', 'Bertrand']);
});

test('a stored roster this page cannot read whole is kept aside, not written over', async ({ page }) => {
  const newer = '{"format":"orvandel-personnages","version":99,"personnages":[]}';
  await openSheet(page, '?seed=45');
  const stored = (key) => page.evaluate((key) => new Promise((resolve) => {
    indexedDB.open('orvandel', 1).onsuccess = (event) => {
      const request = event.target.result.transaction('personnages').objectStore('personnages').get(key);
      request.onsuccess = () => resolve(request.result ?? null);
    };
  }), key);
  await showRoster(page);
  await page.evaluate((text) => new Promise((resolve) => {
    indexedDB.open('orvandel', 1).onsuccess = (event) => {
      const transaction = event.target.result.transaction('personnages', 'readwrite');
      transaction.objectStore('personnages').put(text, 'personnages.json');
      transaction.oncomplete = resolve;
    };
  }), newer);
  await openSheet(page, '?seed=45');
  await control(page, 'orvandel').click();
  await showRoster(page);
  await expect(page.locator('#roster-status')).toContainText('version plus récente');
  await rosterButton(page, 'Garder comme nouveau…').click();
  await page.getByLabel('Nom du personnage :').press('Enter');
  await expect(entries(page)).toHaveCount(1);
  await expect.poll(() => stored('personnages.json non lu')).toBe(newer);
  expect(JSON.parse(await stored('personnages.json')).personnages).toHaveLength(1);
});

test('3 000 characters: a window of them drawn, each reached by scroll, search and keyboard; the summary on top', async ({ page }) => {
  // In runs of 200: the CLI's output is read whole, up to a megabyte.
  const lines = Array.from({ length: 15 }, (_, run) => batch(200, run + 1)).join('');
  const last = JSON.parse(lines.trim().split('\n').at(-1));
  const at = (position) => page.locator(`#roster [aria-posinset="${position}"]`);
  const view = page.locator('#roster-view');
  const search = panel(page).getByRole('searchbox', { name: 'Chercher un personnage' });
  const count = page.locator('#roster-count');
  await page.setViewportSize({ width: 390, height: 844 });
  await openSheet(page);
  await showRoster(page);
  await importText(page, 'lot.jsonl', lines);
  await test.step('the summary shows above the search box, the list a window of the 3 000', async () => {
    await expect(page.locator('#roster-status')).toBeInViewport();
    expect((await page.locator('#roster-status').boundingBox()).y).toBeLessThan((await search.boundingBox()).y);
    await expect(at(1)).toHaveAttribute('aria-setsize', '3000');
    expect(await entries(page).count()).toBeLessThanOrEqual(200);
  });
  await test.step('scrolled to the end, the last character shows', async () => {
    await view.evaluate((box) => { box.scrollTop = box.scrollHeight; });
    await expect(at(3000)).toContainText(`${last.profession_nom}, ${last.nationalite_nom}`);
    await expect(at(3000)).toContainText(`PV ${last.pv} · SAN ${last.san}`);
    await expect(at(3000)).toBeInViewport();
    expect(await entries(page).count()).toBeLessThanOrEqual(200);
  });
  await test.step('Home, End and the arrows go from entry to entry, on the same kind of control', async () => {
    await at(3000).getByRole('button', { name: /^Renommer/ }).focus();
    await page.keyboard.press('Home');
    await expect(at(1).getByRole('button', { name: /^Renommer/ })).toBeFocused();
    await page.keyboard.press('End');
    await page.keyboard.press('ArrowUp');
    await expect(at(2999).getByRole('button', { name: /^Renommer/ })).toBeFocused();
    await page.keyboard.press('F2');
    await page.getByLabel('Nom du personnage :').fill('Zoé la Dernière');
    await page.getByLabel('Nom du personnage :').press('Enter');
  });
  await test.step('a focused button keeps its size and place', async () => {
    const open = at(1).locator('.roster-open');
    await view.evaluate((box) => { box.scrollTop = 0; });
    const before = await at(1).getByRole('button', { name: /^Supprimer/ }).boundingBox();
    await open.focus();
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    const focused = at(1).getByRole('button', { name: /^Supprimer/ });
    await expect(focused).toBeFocused();
    expect(await focused.evaluate((button) => button.matches(':focus-visible'))).toBe(true);
    expect(await focused.boundingBox()).toEqual(before);
  });
  await test.step('a search finds the character far down the list', async () => {
    await search.fill('zoé la');
    await expect(count).toHaveText('1 personnage sur 3000.');
    await expect(entries(page).locator('.roster-name')).toHaveText(['Zoé la Dernière']);
    await expect(entries(page)).toBeInViewport();
  });
  await test.step('Ctrl+Z in the search box puts back the removal, unless typed into since', async () => {
    await entries(page).locator('.roster-open').focus();
    await page.keyboard.press('Delete');
    await expect(search).toBeFocused();
    await page.keyboard.press('Control+z');
    await expect(entries(page).locator('.roster-name')).toHaveText(['Zoé la Dernière']);
    await expect(entries(page).locator('.roster-open')).toBeFocused();
    await page.keyboard.press('Delete');
    await search.press('End');
    await page.keyboard.type('D');
    await page.keyboard.press('Control+z');
    await expect(search).toHaveValue('zoé la');
    await expect(count).toHaveText('0 personnage sur 2999.');
  });
});
