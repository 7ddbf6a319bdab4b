// The phone view: the same controls as the exact sheet, in one column, in
// the order a player fills the sheet (the engine's columnPlaces). Both
// views are one document: the exact sheet places each control at its twip
// place, and the column (sheet.css, under html.phone) puts each on its line
// and column of a grid. Switching views moves nothing, so focus,
// values and listeners stay as they are. Printing always prints the exact
// sheet: the column's rules hold on screens only.
import { say } from './message.js';

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

// The classes of a control of `kind` in the column at `place` ({column,
// heading}), for the engine's sheet and for the first picture alike.
export function columnClasses(place, kind) {
  return ['in-column', ...(place.heading ? ['phone-heading'] : []),
    // A caption alone in the first column names the boxes that follow it on its line.
    ...(kind === 'caption' && String(place.column) === '1' ? ['line-head'] : [])];
}

// Lays the controls of `view` out for both views: each gets its line and
// column in the phone view's grid, and the document lists them in the Tab
// order (tabOrder: every control Tab reaches, in order; places: {name,
// line, column, heading, dice} in the order a player fills the sheet). The
// dice a blue box takes ("3d6") are said under the caption of its line and
// given to the box as its description.
export function arrangeForPhone(view, tabOrder, places) {
  for (const { name, line, column, heading, dice } of places) {
    const element = view.element(name);
    element.style.setProperty('--line', line);
    element.style.setProperty('--column', column);
    element.classList.add(...columnClasses({ column, heading }, element.classList.contains('caption') ? 'caption' : ''));
    if (dice && element.matches('input')) element.setAttribute('aria-description', dice);
    else if (dice) element.dataset.dice = dice;
    if (!heading) continue;
    element.classList.add('phone-heading');
    element.setAttribute('role', 'heading');
    element.setAttribute('aria-level', '2');
  }
  view.arrange(documentOrder(places.map((place) => place.name), tabOrder));
}

// The player's choice of view, remembered; the switch says which view it
// leads to. The rule that picks the view where nobody chose is the one the
// page applied before its first paint (page_start.js).
const rule = globalThis.orvandelView;

export class ViewChoice {
  constructor(button) {
    this.button = button;
    rule.narrow.addEventListener('change', () => this.apply());
    button.addEventListener('click', () => this.choose(this.phone ? 'exacte' : 'colonne'));
    this.apply();
  }

  get phone() {
    return document.documentElement.classList.contains('phone');
  }

  choose(choice) {
    try {
      localStorage.setItem(rule.storageKey, choice);
    } catch {
      // A browser that keeps no storage keeps the choice for this visit.
    }
    this.chosen = choice;
    this.apply();
    say(this.phone ? 'Fiche en colonne.' : 'Fiche exacte.');
  }

  apply() {
    const phone = rule.phone(this.chosen ?? null);
    document.documentElement.classList.toggle('phone', phone);
    this.button.textContent = phone ? 'Fiche exacte' : 'Vue en colonne';
  }
}
