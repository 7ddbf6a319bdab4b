// Keeping the character: undo and redo, save and open, print, copy.
import { randomBytes } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { deflateRawSync } from 'node:zlib';
import { test, expect } from '@playwright/test';
import { boxesOf, cli, control, formatProblems, openSheet, pressCommand, shownFields, shownSheet } from './sheet_helpers.js';

const command = (page, name) => page.locator(`#keeping [data-command="${name}"]`);

test('undo and redo step through the actions that changed the sheet, and no others', async ({ page }) => {
  await openSheet(page, '?seed=11');
  const sheets = [await shownSheet(page)];
  await test.step('three actions, and two that change nothing', async () => {
    await control(page, 'orvandel').click();
    sheets.push(await shownSheet(page));
    await control(page, 'comp(3)').click();
    sheets.push(await shownSheet(page));
    await control(page, 'forc').fill('');
    await control(page, 'Command1').click();
    await page.getByRole('dialog').getByRole('button').click();
    await control(page, 'orvandel').click();
    sheets.push(await shownSheet(page));
  });
  await test.step('back to the launch state, by shortcut and by the bar', async () => {
    await page.keyboard.press('Control+z');
    expect(await shownSheet(page)).toEqual({ ...sheets[2], forc: '' });
    await command(page, 'undo').click();
    expect(await shownSheet(page)).toEqual(sheets[1]);
    await page.keyboard.press('Control+z');
    expect(await shownSheet(page)).toEqual(sheets[0]);
    await expect(command(page, 'undo')).toBeDisabled();
  });
  await test.step('forth again; a new action drops what lay ahead', async () => {
    await page.keyboard.press('Control+Shift+z');
    await page.keyboard.press('Control+y');
    expect(await shownSheet(page)).toEqual({ ...sheets[2], forc: '' });
    await control(page, 'arme_par(1)').click();
    await expect(command(page, 'redo')).toBeDisabled();
  });
});

test('a saved sheet opens to the identical sheet, and so does one the CLI wrote', async ({ page }, info) => {
  await openSheet(page, '?seed=12');
  await control(page, 'orvandel').click();
  const saved = info.outputPath('saved.json');
  const download = page.waitForEvent('download');
  await page.keyboard.press('Control+s');
  await (await download).saveAs(saved);
  expect(JSON.parse(readFileSync(saved, 'utf8'))).toEqual(cli(['generate', '--seed', '12']).sheet);
  expect(formatProblems('sheet', saved)).toBe('');

  const fromCli = info.outputPath('cli.json');
  writeFileSync(fromCli, JSON.stringify(cli(['generate', '--seed', '13']).sheet));
  for (const file of [saved, fromCli]) {
    await openSheet(page);
    await page.locator('#open-file').setInputFiles(file);
    const expected = JSON.parse(readFileSync(file, 'utf8'));
    await expect(control(page, 'des_comp')).toHaveValue(expected.des_comp);
    expect(await shownFields(page, expected)).toEqual(boxesOf(expected));
  }
});

test('the tab asks before closing only over a character neither kept nor saved', async ({ page }) => {
  await openSheet(page, '?seed=14');
  const asks = () => page.evaluate(() => {
    const leaving = new Event('beforeunload', { cancelable: true });
    window.dispatchEvent(leaving);
    return leaving.defaultPrevented;
  });
  expect(await asks()).toBe(false);
  await control(page, 'orvandel').click();
  expect(await asks()).toBe(true);
  const download = page.waitForEvent('download');
  await page.keyboard.press('Control+s');
  await download;
  expect(await asks()).toBe(false);
  await control(page, 'comp(3)').click();
  expect(await asks()).toBe(true);
  await pressCommand(page, 'Garder…');
  await page.locator('#roster-name-input').fill('Aldo');
  await page.keyboard.press('Enter');
  await expect(page.locator('#keeping-status')).toContainText('« Aldo » gardé');
  expect(await asks()).toBe(false);
});

test.describe('a file that is not a sheet', () => {
  const cases = [
    ['pas du JSON', '{"forc": ', 'ce n’est pas du JSON valide.'],
    ['trop gros', `{"equipement": "${'x'.repeat(1 << 20)}"}`, 'le fichier est bien trop gros.'],
  ];
  for (const [name, content, reason] of cases) {
    test(`${name}: the reason, and the sheet unchanged`, async ({ page }) => {
      await openSheet(page, '?seed=14');
      await control(page, 'orvandel').click();
      const before = await shownSheet(page);
      await page.locator('#open-file').setInputFiles({ name: 'perso.json', mimeType: 'application/json', buffer: Buffer.from(content) });
      await expect(page.getByRole('dialog')).toContainText(`« perso.json » n’est pas une fiche : ${reason}`);
      await page.keyboard.press('Enter');
      expect(await shownSheet(page)).toEqual(before);
    });
  }
});

test('copy puts the text sheet on the clipboard', async ({ page, context }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await openSheet(page, '?seed=15');
  await control(page, 'orvandel').click();
  await pressCommand(page, 'Copier le texte');
  await expect(page.locator('#keeping-status')).toHaveText('Fiche copiée en texte dans le presse-papiers');
  const expected = cli(['generate', '--seed', '15', '--format', 'text'], null, 'text');
  expect(await page.evaluate(() => navigator.clipboard.readText())).toBe(expected);
});

test('print puts the whole sheet on one page', async ({ page }) => {
  await openSheet(page, '?seed=16');
  await control(page, 'orvandel').click();
  const pdf = (await page.pdf({ preferCSSPageSize: true })).toString('latin1');
  expect(pdf.match(/\/Type\s*\/Page\b/g)).toHaveLength(1);
});

test.describe('share link', () => {
  test('opens exactly the sheet, selectors and improvement rolls included, as one step', async ({ page, context }) => {
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await openSheet(page, '?seed=21');
    const launch = await shownSheet(page);
    await control(page, 'orvandel').click();
    await control(page, 'comp(2)').click();
    await control(page, 'des_ok(2)').check();
    await control(page, 'des_ok(14)').check();
    await control(page, 'equipement').fill('Corde <b>&</b> « grappin »');
    const shared = await shownSheet(page);
    await pressCommand(page, 'Lien de partage');
    await expect(page.locator('#keeping-status')).toHaveText('Lien de la fiche copié.');
    const link = await page.evaluate(() => navigator.clipboard.readText());
    expect(new URL(link).hash).toMatch(/^#fiche=[\w-]+$/);

    const other = await context.newPage();
    await openSheet(other, new URL(link).hash, new URL(link).origin + new URL(link).pathname);
    expect(await shownSheet(other)).toEqual(shared);
    await other.keyboard.press('Control+z');
    expect(await shownSheet(other)).toEqual(launch);
  });

  for (const [name, fragment] of [['damaged', '#fiche=AAAA-not-a-sheet'], ['oversized', `#fiche=${'A'.repeat(70000)}`]]) {
    test(`a ${name} link is refused and leaves the launch state`, async ({ page }) => {
      await openSheet(page);
      const launch = await shownSheet(page);
      await openSheet(page, `?seed=1${fragment}`);
      await expect(page.getByRole('dialog')).toContainText('Ce lien n’ouvre pas de fiche');
      await page.keyboard.press('Enter');
      expect(await shownSheet(page)).toEqual(launch);
    });
  }
});

test.describe('share link limits', () => {
  test('a sheet too large for a link gets the message and the file instead, and no link', async ({ page, context }) => {
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await openSheet(page, '?seed=22');
    await page.evaluate(() => navigator.clipboard.writeText('rien'));
    // Random letters hardly compress: every text box of a sheet file full
    // of them makes a link beyond what the page opens.
    const full = Object.fromEntries(Object.entries(cli(['generate', '--seed', '22']).sheet)
      .map(([name, value]) => [name, typeof value === 'string' ? randomBytes(750).toString('base64') : value]));
    await page.locator('#open-file').setInputFiles({
      name: 'pleine.json', mimeType: 'application/json', buffer: Buffer.from(JSON.stringify(full)),
    });
    await expect(control(page, 'equipement')).toHaveValue(full.equipement);
    await pressCommand(page, 'Lien de partage');
    await expect(page.getByRole('dialog')).toContainText('trop grande pour tenir dans un lien');
    await page.keyboard.press('Enter');
    await expect(page.locator('#more')).toBeFocused();
    expect(new URL(page.url()).hash).toBe('');
    expect(await page.evaluate(() => navigator.clipboard.readText())).toBe('rien');
  });

  test('a crafted link that inflates to 44 MB is refused without ever being inflated whole', async ({ playwright, launchOptions }) => {
    // A browser of its own, so that its renderers hold this page alone.
    const browser = await playwright.chromium.launch(launchOptions);
    const page = await browser.newPage();
    // The peak resident memory of each of its renderers, in KiB.
    const cdp = await browser.newBrowserCDPSession();
    const peaks = async () => new Map((await cdp.send('SystemInfo.getProcessInfo')).processInfo
      .filter((p) => p.type === 'renderer')
      .map((p) => [p.id, Number(/VmHWM:\s+(\d+)/.exec(readFileSync(`/proc/${p.id}/status`, 'utf8'))[1])]));
    const link = (megabytes) => `fiche=${deflateRawSync(Buffer.from(`{"equipement": "${' '.repeat(megabytes << 20)}"}`),
      { level: 9 }).toString('base64url')}`;
    const refuse = async (fragment) => {
      await page.evaluate((f) => { window.location.hash = f; }, fragment);
      await expect(page.getByRole('dialog')).toContainText('Ce lien n’ouvre pas de fiche');
      await page.keyboard.press('Enter');
    };
    await openSheet(page, '?seed=23');
    // Once through the refusal with a link of 2 MB, so that what the first
    // refusal costs anyway is counted before the peak is read.
    await refuse(link(2));
    const launch = await peaks();
    const bomb = link(44);
    expect(bomb.length).toBeLessThan(64 * 1024);
    await refuse(bomb);
    const growth = [...await peaks()].map(([pid, peak]) => peak - (launch.get(pid) ?? 0));
    await browser.close();
    // Whole, the text alone would add 44 MiB; what the renderer otherwise
    // allocates on the way varies by some tens of MiB from run to run.
    expect(Math.max(...growth)).toBeLessThan(40 * 1024);
  });
});
