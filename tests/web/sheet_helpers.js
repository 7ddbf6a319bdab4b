// What the browser tests share: opening the page, reading the sheet it
// shows, and running orvandel-cli for the sheet it should show.
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const cliPath = process.env.ORVANDEL_CLI ?? path.resolve(here, '../../build/src/cli/orvandel-cli');

// Opens the page (at the site's root unless `base` says otherwise) and waits
// until the sheet is ready for its first click.
export async function openSheet(page, query = '', base = process.env.ORVANDEL_ROOT_URL) {
  await page.goto(`${base}${query}`);
  await page.locator('html[data-ready="true"]').waitFor();
}

// The browser's text size as a reader sets it (its default font size, which
// rem and em follow), through the same preference; zooming would scale
// every pixel instead and leave the layout's proportions as they were.
export async function setTextSize(page, pixels) {
  const devtools = await page.context().newCDPSession(page);
  await devtools.send('Page.setFontSizes', { fontSizes: { standard: pixels } });
}

// Every control's shown value: text fields and captions as text, selectors
// as booleans, keyed by control name.
export function shownSheet(page) {
  return page.evaluate(() => Object.fromEntries([...document.querySelectorAll('[data-control]')].map((e) => {
    if (e.type === 'checkbox') return [e.dataset.control, e.checked];
    if (e.tagName === 'INPUT' || e.tagName === 'TEXTAREA') return [e.dataset.control, e.value];
    return [e.dataset.control, e.textContent];
  })));
}

// The boxes of a sheet file: every key but its recipe, which no control
// shows (the journal panel says what it gives).
export const boxesOf = ({ recette, ...boxes }) => boxes;

// The sheet's boxes as the page shows them, limited to the boxes of `sheet`.
export async function shownFields(page, sheet) {
  const shown = await shownSheet(page);
  return Object.fromEntries(Object.keys(boxesOf(sheet)).map((name) => [name, shown[name]]));
}

// Runs orvandel-cli, which must succeed; its status and both outputs.
export function runCli(args, input = '') {
  const run = spawnSync(cliPath, args, { input, encoding: 'utf8' });
  if (run.status !== 0) throw new Error(`orvandel-cli ${args.join(' ')} failed: ${run.stderr}`);
  return run;
}

// What tests/formats/validate.py says of a saved file against the published
// format `schema` (sheet, roster): empty when the file validates. Debian's
// interpreter carries the jsonschema module it needs.
export function formatProblems(schema, file) {
  const run = spawnSync('/usr/bin/python3', [path.resolve(here, '../formats/validate.py'), schema, file], { encoding: 'utf8' });
  return run.status === 0 ? '' : `${run.stdout}${run.stderr}` || `validate.py ended with ${run.status}`;
}

// Runs orvandel-cli on `sheet`, which it must refuse; the line it says why.
export function cliRefusal(args, sheet) {
  const run = spawnSync(cliPath, [...args, '--sheet', '-'], { input: JSON.stringify(sheet), encoding: 'utf8' });
  if (run.status === 0) throw new Error(`orvandel-cli ${args.join(' ')} did not refuse`);
  return run.stderr.trim();
}

// Runs orvandel-cli on `sheet` (its launch state when null); returns the
// sheet it wrote and how many dice it rolled, or its output as it stands
// when `form` is 'text'.
export function cli(args, sheet = null, form = 'json') {
  const input = sheet === null ? [] : ['--sheet', '-'];
  const run = runCli([...args, ...input, '--trace-dice'], sheet === null ? '' : JSON.stringify(sheet));
  if (form === 'text') return run.stdout;
  return { sheet: JSON.parse(run.stdout), rolls: run.stderr.trim().split(',').filter(Boolean).length };
}

// The seed whose first roll is the roll that follows `rolls` rolls of
// `seed`: the seeded dice step their state by one fixed odd constant per
// roll, so a CLI run can take up a page's stream of dice where it stands.
export function seedAfter(seed, rolls) {
  const step = 0x9E3779B97F4A7C15n;
  return ((BigInt(seed) + BigInt(rolls) * step) % (1n << 64n)).toString();
}

export const control = (page, name) => page.locator(`[data-control="${name}"]`);

// Presses the command bar's command called `name`, through "Plus…" when it
// lies in that menu; `how`: 'click' or 'tap'.
export async function pressCommand(page, name, how = 'click') {
  const item = page.locator('#more-menu').getByRole('menuitem', { name, exact: true, includeHidden: true });
  if (await item.count() > 0) {
    await page.locator('#more')[how]();
    await item[how]();
    return;
  }
  await page.locator('#keeping .bar').getByRole('button', { name, exact: true })[how]();
}
