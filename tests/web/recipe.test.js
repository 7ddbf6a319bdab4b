// The sheet's recipe in the page: every sheet the dice make is what its
// recipe replays ("Conforme"), in the page and by orvandel-cli verify; its
// share link is the short recipe link, which opens with the network cut to
// the same sheet and says so; a sheet typed into travels whole and the
// journal panel names the box that differs; a damaged recipe link is
// refused; and the verification reads well on a phone.
import AxeBuilder from '@axe-core/playwright';
import { readFileSync } from 'node:fs';
import { test, expect } from '@playwright/test';
import { control, openSheet, pressCommand, runCli, setTextSize } from './sheet_helpers.js';

const site = () => process.env.ORVANDEL_ROOT_URL;
const status = (page) => page.locator('#keeping-status');
const OPENED = 'Fiche ouverte depuis le lien. ';

// The sheet as the page saves it (Ctrl+S), which is the session's JSON.
async function savedJson(page) {
  const download = page.waitForEvent('download');
  await page.keyboard.press('Control+s');
  return readFileSync(await (await download).path(), 'utf8');
}

// orvandel-cli verify on `json`: it throws unless the sheet conforms.
const cliVerdict = (json) => runCli(['verify', '--sheet', '-'], json).stdout.trim();

// The journal panel's verdict and differences, opened by Ctrl+J and closed.
async function journalVerification(page) {
  await page.keyboard.press('Control+j');
  const panel = page.locator('#journal');
  await expect(panel).toBeVisible();
  const verdict = await page.locator('#journal-verdict').textContent();
  const differences = await page.locator('#journal-differences li').allTextContents();
  await page.keyboard.press('Escape');
  return { verdict, differences };
}

// The link "Lien de partage" copies.
async function copiedLink(page) {
  await pressCommand(page, 'Lien de partage');
  await expect(status(page)).toHaveText('Lien de la fiche copié.');
  return page.evaluate(() => navigator.clipboard.readText());
}

async function openLink(context, link) {
  const other = await context.newPage();
  const { hash, origin, pathname } = new URL(link);
  await openSheet(other, hash, origin + pathname);
  return other;
}

// `count` sheets made by the engine of the page, each on dice seeded by its
// number: by the title picture or typed boxes and ticks (odd numbers), with
// improvement clicks for half of them, and for a quarter an undo of the last
// click then another. Each comes back with its verification, its JSON as a
// fresh session reopens it, and its recipe link as a fresh session opens it.
function makeSheets(page, first, count) {
  return page.evaluate(async ({ first, count }) => {
    const engine = await (await import('./engine.js')).default();
    const site = `${window.location.origin}${window.location.pathname}`;
    const clicks = engine.improvementControls().clicks;
    const selectors = [0, 1, 2, 3, 4, 5, 6, 14, 15, 16, 17].map((i) => `des_ok(${i})`);
    const typedRanges = { forc: [3, 18], con: [3, 18], tai: [3, 18], dex: [3, 18], intl: [3, 18], pou: [3, 18],
      cha: [3, 18], nationalite: [1, 100], profession: [1, 100], age: [17, 40], des_comp: [1, 9] };
    const made = [];
    for (let number = first; number < first + count; number += 1) {
      // Mulberry32, seeded by the sheet's number: the same choices each run.
      let state = number;
      const random = () => {
        state = (state + 0x6D2B79F5) | 0;
        let t = Math.imul(state ^ (state >>> 15), 1 | state);
        t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
      };
      const whole = ([low, high]) => String(low + Math.floor(random() * (high - low + 1)));
      const session = new engine.Session(String(number));
      const kind = { typed: number % 2 === 1, clicks: number % 4 >= 2, undo: number % 8 >= 6 };
      let refusal = null;
      if (kind.typed) {
        for (const [box, range] of Object.entries(typedRanges)) session.setText(box, whole(range));
        for (const selector of selectors) session.setTicked(selector, random() < 0.3);
        refusal = session.typedEntry().refusal?.detail ?? null;
      } else session.randomEntry();
      const clicked = kind.clicks ? 1 + Math.floor(random() * 5) : 0;
      for (let click = 0; click < clicked; click += 1) session.improve(clicks[Math.floor(random() * clicks.length)]);
      if (kind.undo) {
        session.undo();
        session.improve(clicks[Math.floor(random() * clicks.length)]);
      }
      const json = session.json();
      const { verdict, differences } = session.verification();
      const link = session.recipeLink(site);
      const reopened = new engine.Session('');
      const reason = reopened.open(json);
      const replayed = new engine.Session('');
      const linkReason = link ? replayed.openRecipe(link.slice(link.indexOf('#r=') + 3)) : 'no link';
      made.push({ number, kind, refusal, json, verdict, differences, link,
        reopened: reason ?? reopened.json(), replayed: linkReason ?? replayed.json() });
      for (const done of [session, reopened, replayed]) done.delete();
    }
    return made;
  }, { first, count });
}

test('200 sheets of both entries, clicks and undo: each conforms, round-trips, and replays from its link', async ({ page }) => {
  test.setTimeout(120000);
  await openSheet(page, '?seed=1');
  const made = await makeSheets(page, 1000, 200);
  const wrong = made.flatMap((sheet) => {
    const problems = [];
    if (sheet.refusal) problems.push(`refused: ${sheet.refusal}`);
    if (!sheet.verdict.startsWith('Conforme : ') || sheet.differences.length) problems.push(sheet.verdict, ...sheet.differences);
    if (sheet.reopened !== sheet.json) problems.push(`reopened: ${sheet.reopened}`);
    if (!sheet.link.startsWith(`${site()}#r=`) || sheet.link.length > 200) problems.push(`link: ${sheet.link}`);
    if (sheet.replayed !== sheet.json) problems.push(`replayed: ${sheet.replayed}`);
    try {
      if (!cliVerdict(sheet.json).startsWith('Conforme : ')) problems.push('orvandel-cli: not conforming');
    } catch (error) {
      problems.push(error.message);
    }
    return problems.map((problem) => `${sheet.number} ${JSON.stringify(sheet.kind)}: ${problem}`);
  });
  expect(wrong).toEqual([]);
  expect(made.filter((sheet) => JSON.parse(sheet.json).recette.ameliorations.length > 0).length).toBeGreaterThan(80);
});

test('by real clicks: title picture, typed boxes and ticks, clicks, undo and a click, each conforming', async ({ page }) => {
  await openSheet(page, '?seed=46');
  const conforming = async (start) => {
    const { verdict, differences } = await journalVerification(page);
    expect(verdict).toMatch(new RegExp(`^Conforme : ${start}`));
    expect(differences).toEqual([]);
    const json = await savedJson(page);
    expect(cliVerdict(json)).toBe(verdict);
    return json;
  };
  await control(page, 'orvandel').click();
  await conforming('tiré au hasard');
  const boxes = { forc: '12', con: '15', tai: '9', dex: '16', intl: '17', pou: '11', cha: '8', nationalite: '42',
    profession: '7', age: '19' };
  for (const [box, value] of Object.entries(boxes)) await control(page, box).fill(value);
  await control(page, 'des_ok(15)').check();
  await control(page, 'des_ok(2)').check();
  await control(page, 'Command1').click();
  await conforming('');
  for (const name of ['comp(2)', 'arme_att(1)', 'Text1(23)']) await control(page, name).click();
  await conforming('');
  await page.keyboard.press('Control+z');
  await control(page, 'arme_par(1)').click();
  const json = await conforming('');
  expect(JSON.parse(json).recette).toMatchObject({ entree: 'saisie', cochees: ['des_ok(2)', 'des_ok(15)'],
    ameliorations: ['Text1(2)', 'arme_att(1)', 'arme_par(1)'], retouchee: false });
});

test.describe('share link', () => {
  for (const [name, clicks] of [['a roll', []], ['a roll and three clicks', ['comp(2)', 'arme_att(1)', 'Text1(23)']]]) {
    test(`after ${name}, the link is the recipe's, and opens in a new page with no network to the same sheet`, async ({ page, context }) => {
      await context.grantPermissions(['clipboard-read', 'clipboard-write']);
      await openSheet(page);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      await control(page, 'orvandel').click();
      for (const click of clicks) await control(page, click).click();
      const link = await copiedLink(page);
      expect(link.startsWith(`${site()}#r=`)).toBe(true);
      expect(link.length).toBeLessThanOrEqual(200);
      const json = await savedJson(page);
      const { verdict } = await journalVerification(page);

      await context.setOffline(true);
      const other = await openLink(context, link);
      await expect(status(other)).toHaveText(`${OPENED}${verdict}`);
      expect(verdict).toMatch(/^Conforme : tiré au hasard/);
      expect(await savedJson(other)).toBe(json);
    });
  }

  test('a sheet typed into after its roll travels whole, and its journal names the box that differs', async ({ page, context }) => {
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await openSheet(page, '?seed=43');
    await control(page, 'orvandel').click();
    const rolled = await control(page, 'forc').inputValue();
    const typed = rolled === '18' ? '3' : '18';
    await control(page, 'forc').fill(typed);
    const link = await copiedLink(page);
    expect(link.startsWith(`${site()}#fiche=`)).toBe(true);
    const json = await savedJson(page);

    const other = await openLink(context, link);
    const { verdict, differences } = await journalVerification(other);
    expect(verdict).toMatch(/^Non conforme : /);
    await expect(status(other)).toHaveText(`${OPENED}${verdict}`);
    expect(differences).toEqual([`FORce : ${typed} sur la fiche, ${rolled} aux dés`]);
    expect(await savedJson(other)).toBe(json);
  });

  test('a damaged recipe link is refused and leaves the launch sheet', async ({ page }) => {
    await openSheet(page, '?seed=5');
    const [{ link }] = await makeSheets(page, 5, 1);
    const code = link.slice(link.indexOf('#r=') + 3);
    await openSheet(page);
    const launch = await savedJson(page);
    for (const fragment of [`#r=${code.slice(0, code.length >> 1)}`, '#r=pas-une-recette', '#r=']) {
      await page.evaluate((f) => { window.location.hash = f; }, fragment);
      await expect(page.getByRole('dialog')).toContainText('Ce lien n’ouvre pas de fiche : ');
      await page.keyboard.press('Enter');
      expect(new URL(page.url()).hash, fragment).toBe('');
      expect(await savedJson(page), fragment).toBe(launch);
    }
  });
});

test('on a 360-pixel phone, dark, text at 32 px: the journal\'s verification is its description, axe finds nothing, nothing clipped', async ({ browser }) => {
  const context = await browser.newContext({ viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true,
    deviceScaleFactor: 2, colorScheme: 'dark' });
  const page = await context.newPage();
  await setTextSize(page, 32);
  await openSheet(page, '?seed=44');
  await control(page, 'orvandel').tap();
  await control(page, 'forc').fill('3');
  await control(page, 'cha').fill('18');
  await page.getByRole('button', { name: 'Journal', exact: true }).tap();
  const panel = page.getByRole('dialog', { name: 'Journal des jets' });
  await expect(panel).toBeVisible();
  const verdict = await page.locator('#journal-verdict').textContent();
  expect(verdict).toMatch(/^Non conforme : 2 cases/);
  await expect(panel).toHaveAccessibleDescription(verdict);
  await expect(page.locator('#journal-differences li')).toHaveCount(2);
  await page.screenshot({ path: test.info().outputPath('journal-phone-dark-32.png') });
  const { violations } = await new AxeBuilder({ page }).include('#journal')
    .withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']).analyze();
  expect(violations.flatMap((v) => v.nodes.map((n) => `${v.id} ${n.html}`))).toEqual([]);
  const overflow = await page.locator('#journal').evaluate((dialog) => ({
    sideways: dialog.scrollWidth - dialog.clientWidth,
    past: [...dialog.querySelectorAll('#journal-verification, #journal-verification *')]
      .filter((e) => { const box = e.getBoundingClientRect(); return box.left < 0 || box.right > window.innerWidth; })
      .map((e) => e.outerHTML.slice(0, 60)),
    cut: [...dialog.querySelectorAll('#journal-verification *')]
      .filter((e) => e.scrollWidth > e.clientWidth).map((e) => e.outerHTML.slice(0, 60)),
  }));
  expect(overflow).toEqual({ sideways: 0, past: [], cut: [] });
  await context.close();
});
