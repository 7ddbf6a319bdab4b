// The sheet drawn from the window's layout table: the client area is one
// element and every control one element inside it, at its twip place, each
// carrying its control name in data-control. Texts from the sheet go in
// through textContent and value only, never as markup.

import { inkStyle, paperStyle } from './inks.js';

// A cursor of the sheet as a CSS value: its artwork with its hot spot.
export const cursorStyle = (cursor, fallback) =>
  `url(artwork/${cursor.picture}.svg) ${cursor.hotX} ${cursor.hotY}, ${fallback}`;

// The declarations of a font as the layout table names it, drawn with the
// face that stands in for its family (the style sheet ships the faces).
export function fontStyle(font) {
  return `font-family:"${font.face}",sans-serif;font-size:${font.points}pt;` +
    `font-weight:${font.bold ? 'bold' : 'normal'};${font.underline ? 'text-decoration:underline;' : ''}`;
}

// pressable: whether a picture is a button (the title picture); longest:
// the most characters a box takes.
function makeElement(row, pressable, longest) {
  switch (row.kind) {
    case 'frame': {
      const frame = document.createElement('div');
      const caption = frame.appendChild(document.createElement('span'));
      caption.className = 'frame-caption';
      caption.textContent = row.caption;
      return frame;
    }
    case 'field':
    case 'multiline': {
      const box = document.createElement(row.kind === 'field' ? 'input' : 'textarea');
      if (row.kind === 'field') box.type = 'text';
      box.readOnly = !row.look.editable;
      box.maxLength = longest;
      box.spellcheck = false;
      box.autocomplete = 'off';
      box.classList.add('field');
      return box;
    }
    case 'selector': {
      const box = document.createElement('input');
      box.type = 'checkbox';
      return box;
    }
    case 'button': {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = row.caption;
      return button;
    }
    case 'picture': {
      const picture = document.createElement('img');
      picture.alt = pressable ? '' : row.tooltip ?? '';
      picture.draggable = false;
      // The side strips, which the column leaves out, are fetched only
      // where they are drawn.
      if (!pressable) picture.loading = 'lazy';
      picture.src = `artwork/${row.picture}.svg`;
      if (!pressable) return picture;
      const button = document.createElement('button');
      button.type = 'button';
      button.appendChild(picture);
      return button;
    }
    case 'line':
      return document.createElement('div');
    default: {
      const caption = document.createElement('div');
      caption.textContent = row.caption;
      return caption;
    }
  }
}

// Place, font, alignment and colours in one go: the page builds some 600
// controls before its first paint.
// pixels: twips to CSS pixels at 100 %.
// origin: the twip place of the control's container in the client area.
function dress(element, row, pixels, origin) {
  element.dataset.control = row.name;
  element.classList.add('control', row.kind);
  const { width, height } = row.twips;
  const left = origin.left + row.twips.left;
  const top = origin.top + row.twips.top;
  const { font, align, ink, paper } = row.look;
  element.style.cssText =
    `left:${pixels(left)}px;top:${pixels(top)}px;width:${pixels(width)}px;height:${pixels(height)}px;` +
    `${fontStyle(font)}text-align:${align === 'centre' ? 'center' : 'left'};` +
    `${ink ? inkStyle(ink, paper) : ''}${paper ? paperStyle(paper) : ''}`;
  if (row.tooltip) element.title = row.tooltip;
}

// Shows one field's value in its element.
function display(element, value) {
  if (element.type === 'checkbox') element.checked = value;
  else if ('value' in element && element.tagName !== 'BUTTON') element.value = value;
  else element.textContent = value;
}

// The order in which the controls are painted in the window: the window's
// own controls, those that stand above the rest (the windows of their own:
// boxes, selectors, buttons, the frame) last; the frame's controls over the
// frame, in the same way. Every control lies flat in the client
// area, so that the document may list them in the order they are filled
// in; this order becomes each one's z-index.
export function paintOrder(rows) {
  const windowRows = rows.filter((row) => row.container !== 'frame');
  const frameRows = rows.filter((row) => row.container === 'frame');
  const layered = (list) => [...list.filter((row) => !row.standsAbove), ...list.filter((row) => row.standsAbove)];
  return layered(windowRows).flatMap((row) => (row.kind === 'frame' ? [row, ...layered(frameRows)] : [row]));
}

export class SheetView {
  // rows: the layout table; facts: the window's size, title and font;
  // fixed: the names of the controls with a role of their own (the title
  // picture is a button). The sheet is built apart; the caller puts
  // this.client on the page.
  constructor(rows, facts, fixed) {
    this.client = document.createElement('div');
    this.client.className = 'client';
    this.client.dataset.control = fixed.client;
    const pixels = (twips) => twips / facts.twipsPerPixel;
    // The sheet's size in CSS pixels at 100 %.
    const width = pixels(facts.widthTwips);
    const height = pixels(facts.heightTwips);
    this.client.style.cssText = `width:${width}px;height:${height}px;${fontStyle(facts.font)}`;
    this.client.style.cursor = cursorStyle(facts.sheetCursor, 'default');
    this.elements = new Map();
    this.rows = rows;
    this.shown = new Map();
    const frame = rows.find((row) => row.name === fixed.frame).twips;
    paintOrder(rows).forEach((row, rank) => {
      const element = makeElement(row, row.name === fixed.title, facts.longestBoxText);
      const origin = row.container === 'frame' ? frame : { left: 0, top: 0 };
      dress(element, row, (twips) => pixels(twips), origin);
      element.style.zIndex = rank + 1;
      this.elements.set(row.name, element);
    });
  }

  element(name) {
    return this.elements.get(name);
  }

  // Puts the controls into the client area in the order of `names`, then
  // the others in the layout's order.
  arrange(names) {
    const listed = new Set(names);
    const rest = this.rows.map((row) => row.name).filter((name) => !listed.has(name));
    this.client.replaceChildren(...[...names, ...rest].map((name) => this.elements.get(name)));
  }

  // Redraws the fields whose value differs from what is shown.
  show(sheet) {
    for (const [name, value] of Object.entries(sheet)) {
      if (this.shown.get(name) === value) continue;
      const element = this.elements.get(name);
      if (!element) continue;
      display(element, value);
      this.shown.set(name, value);
    }
  }

  // What the player typed or ticked is shown already.
  noteTyped(name, value) {
    this.shown.set(name, value);
  }
}
