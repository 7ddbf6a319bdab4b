// The phone view: the same controls as the exact sheet, in one column, in
// the order a player fills the sheet (fill_order.js). Both views are one
// document: the exact sheet places each control at its twip place, and the
// column (sheet.css, under html.phone) puts each on its line and column of
// a grid. Switching views moves nothing, so focus,
// values and listeners stay as they are. Printing always prints the exact
// sheet: the column's rules hold on screens only.
import { fillSections } from './fill_order.js';

const STORAGE_KEY = 'orvandel.vue';
const READABLE = 4.5;

const channel = (c) => {
  const v = c / 255;
  return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
};
const luminance = ([r, g, b]) => 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b);
export const contrast = (a, b) => {
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
};
const rgbOf = (text) => text.match(/\d+/g).map(Number);

// The darkest needed shade of the same hue: the ink scaled towards black
// until it reads at 4.5:1 on its paper.
function readableInk(ink, paper) {
  let shade = rgbOf(ink);
  const back = rgbOf(paper ?? 'rgb(255,255,255)');
  while (contrast(shade, back) < READABLE) shade = shade.map((c) => Math.floor(c * 0.9));
  return `rgb(${shade.join(',')})`;
}

// The document order: the Tab order, each control preceded by the
// controls that come before it in the fill order and take no Tab (its
// captions), so that the document reads as the column does.
function documentOrder(filled, tabOrder) {
  const tabbed = new Set(tabOrder);
  const before = new Map();
  let pending = [];
  for (const name of filled) {
    if (!tabbed.has(name)) pending.push(name);
    else {
      before.set(name, pending);
      pending = [];
    }
  }
  return [...tabOrder.flatMap((name) => [...(before.get(name) ?? []), name]), ...pending];
}

// Lays the controls of `view` out for both views: each gets its line and
// column in the phone view's grid, and the document lists them in the Tab
// order (tabOrder: every control Tab reaches, in order; fixed: the controls
// with a role of their own).
export function arrangeForPhone(view, tabOrder, fixed) {
  const filled = [];
  let line = 0;
  const place = (name, column) => {
    const element = view.element(name);
    element.style.setProperty('--line', line);
    element.style.setProperty('--column', column);
    element.classList.add('in-column');
    filled.push(name);
  };
  for (const section of fillSections(view.rows, fixed)) {
    if (section.heading) {
      line += 1;
      place(section.heading, '1 / -1');
      const heading = view.element(section.heading);
      heading.classList.add('phone-heading');
      heading.setAttribute('role', 'heading');
      heading.setAttribute('aria-level', '2');
    }
    for (const controls of section.lines) {
      line += 1;
      for (const [name, column] of controls) place(name, column);
    }
  }
  for (const row of view.rows) {
    if (row.look.ink) view.element(row.name).style.setProperty('--phone-ink', readableInk(row.look.ink, row.look.paper));
  }
  view.arrange(documentOrder(filled, tabOrder));
}

// The player's choice of view, remembered; the switch says which view it
// leads to. Where nobody chose: the column on a touch screen narrower than
// the sheet (`sheetWidth` CSS pixels); a mouse user who zooms the page in
// keeps the exact sheet, larger. Tells the page of each change with a
// 'viewchange' event.
export class ViewChoice extends EventTarget {
  constructor(button, sheetWidth) {
    super();
    this.button = button;
    this.narrow = window.matchMedia(`(pointer: coarse) and (max-width: ${Math.ceil(sheetWidth) - 1}px)`);
    this.narrow.addEventListener('change', () => this.apply());
    button.addEventListener('click', () => this.choose(this.phone ? 'exacte' : 'colonne'));
    this.apply();
  }

  get phone() {
    return document.documentElement.classList.contains('phone');
  }

  choose(choice) {
    try {
      localStorage.setItem(STORAGE_KEY, choice);
    } catch {
      // A browser that keeps no storage keeps the choice for this visit.
    }
    this.chosen = choice;
    this.apply();
  }

  apply() {
    let choice = this.chosen;
    try {
      choice ??= localStorage.getItem(STORAGE_KEY);
    } catch {
      choice = null;
    }
    const phone = choice ? choice === 'colonne' : this.narrow.matches;
    document.documentElement.classList.toggle('phone', phone);
    this.button.textContent = phone ? 'Fiche exacte' : 'Vue en colonne';
    this.dispatchEvent(new Event('viewchange'));
  }
}
