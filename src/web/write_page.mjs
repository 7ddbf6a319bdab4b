// Writes the page and its style sheet into the site when it is built
// (node write_page.mjs LAYOUT_JSON_PROGRAM PAGE_DIR SITE_DIR): the sheet's
// frame, captions, buttons and pictures are drawn into index.html as a first
// picture, placed by rules added to sheet.css, so that a slow phone shows
// the sheet before the engine, the fonts and the scripts have arrived; the
// engine's sheet takes its place when ready. Everything comes from the
// layout table and the control catalogue (read from the program that prints
// them) and from the page's own modules: where each control stands, its
// look, its line in the column.
// The page's Content-Security-Policy takes no style attribute, hence one
// rule an element.
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [layoutProgram, pageDir, siteDir] = process.argv.slice(2);
const page = (name) => pathToFileURL(path.join(pageDir, name)).href;
const { fontStyle, paintOrder } = await import(page('sheet_view.js'));
const { inkStyle, paperStyle } = await import(page('inks.js'));
const { columnClasses } = await import(page('phone_view.js'));

const layout = JSON.parse(execFileSync(process.execPath, [layoutProgram], { encoding: 'utf8' }));
const { facts, fixed, rows, places: columnPlaces } = layout;
const PLACE = '<!-- the sheet before the engine arrives -->';
const PICTURES = "<!-- the sheet's pictures -->";

const pixels = (twips) => `${Math.round((twips / facts.twipsPerPixel) * 100) / 100}px`;
const escaped = (text) => text.replaceAll('&', '&amp;').replaceAll('<', '&lt;').replaceAll('>', '&gt;');

// One class a look: font, alignment, colours (with the inks' edges and the
// column's darker shades).
const looks = new Map();
function lookClass(look) {
  const declarations = `${fontStyle(look.font)}text-align:${look.align === 'centre' ? 'center' : 'left'};` +
    `${look.ink ? inkStyle(look.ink, look.paper) : ''}` +
    `${look.paper ? paperStyle(look.paper) : ''}`;
  if (!looks.has(declarations)) looks.set(declarations, `look${looks.size}`);
  return looks.get(declarations);
}

// A picture of the site's artwork as a data address. Only the characters
// that an address or an HTML attribute cannot hold are escaped: the rest
// reads and compresses as the SVG does.
function inlined(picture) {
  const svg = readFileSync(path.join(siteDir, 'artwork', `${picture}.svg`), 'utf8');
  return `data:image/svg+xml,${svg.replace(/[\r\n%#<>"&]/g, (c) => `%${c.charCodeAt(0).toString(16).toUpperCase().padStart(2, '0')}`)}`;
}

// The element standing for a control: the frame and the captions with their
// text (and the dice of the blue box they name, which the column says), the
// buttons with theirs, the pictures, the separating lines.
function markup(row, id, classes, dice) {
  const attributes = `id="${id}" class="${classes.join(' ')}"${dice ? ` data-dice="${escaped(dice)}"` : ''}`;
  switch (row.kind) {
    case 'frame':
      return `<div ${attributes}><span class="frame-caption">${escaped(row.caption)}</span></div>`;
    case 'caption':
    case 'button':
      return `<div ${attributes}>${escaped(row.caption)}</div>`;
    case 'picture':
      // The pictures (the title, in both views, and the exact sheet's side
      // strips, its largest) come within the page, so that they are drawn
      // with the first picture rather than after a round trip of their own.
      return `<img ${attributes} src="${inlined(row.picture)}" alt="">`;
    case 'line':
      return `<div ${attributes}></div>`;
    default:
      throw new Error(`no first picture of a ${row.kind}`);
  }
}

const places = new Map(columnPlaces.map((place) => [place.name, place]));
const frame = rows.find((row) => row.name === fixed.frame).twips;
const elements = [];
const rules = [];
// The boxes and tick boxes are left to the engine: every byte of the first
// picture is waited for before anything is drawn.
const DRAWN = new Set(['frame', 'caption', 'button', 'picture', 'line']);
paintOrder(rows).filter((row) => DRAWN.has(row.kind)).forEach((row, rank) => {
  const id = `p${rank}`;
  const place = places.get(row.name);
  const classes = ['control', row.kind, lookClass(row.look)];
  if (place) classes.push(...columnClasses(place, row.kind));
  elements.push(markup(row, id, classes, place?.dice));
  const origin = row.container === 'frame' ? frame : { left: 0, top: 0 };
  const { width, height } = row.twips;
  rules.push(`#${id}{left:${pixels(origin.left + row.twips.left)};top:${pixels(origin.top + row.twips.top)};` +
    `width:${pixels(width)};height:${pixels(height)}` +
    `${place ? `;--line:${place.line};--column:${place.column}` : ''}}`);
});

const width = pixels(facts.widthTwips);
const height = pixels(facts.heightTwips);
const style = [
  '',
  '/* The sheet before the engine arrives, written from the layout table when the site is built. */',
  `#stage{width:calc(${width} * var(--fit, 1));height:calc(${height} * var(--fit, 1))}`,
  `.first-picture{width:${width};height:${height};${fontStyle(facts.font)}}`,
  ...[...looks].map(([declarations, name]) => `.first-picture .${name}{${declarations}}`),
  ...rules,
  '',
].join('\n');
writeFileSync(path.join(siteDir, 'sheet.css'), readFileSync(path.join(pageDir, 'sheet.css'), 'utf8') + style);

// The engine's sheet draws the pictures from the site's artwork: asked for
// at once, after what the first picture needs, so that they are there when
// it takes the first picture's place; the side strips only where a mouse
// points (the exact sheet is then shown), as its fonts are.
const picturePreloads = rows.filter((row) => row.kind === 'picture')
  .map((row) => `<link rel="preload" href="artwork/${row.picture}.svg" as="image" fetchpriority="low"` +
    `${row.name === fixed.title ? '' : ' media="(pointer: fine)"'}>`);

const template = readFileSync(path.join(pageDir, 'index.html'), 'utf8');
for (const place of [PLACE, PICTURES]) if (!template.includes(place)) throw new Error(`index.html has no "${place}"`);
// The sheet's size at 100 %, which page_start.js fits into the window.
const sheetSize = `data-sheet-width="${facts.widthTwips / facts.twipsPerPixel}"` +
  ` data-sheet-height="${facts.heightTwips / facts.twipsPerPixel}"`;
const picture = `<div class="client first-picture" aria-hidden="true">${elements.join('')}</div>`;
writeFileSync(path.join(siteDir, 'index.html'), template.replace(PLACE, picture).replace(PICTURES, picturePreloads.join('\n'))
  .replace('<html lang="fr">', `<html lang="fr" ${sheetSize}>`));
