// The sheet drawn from the window's layout table: the client area is one
// element and every control one element inside it, at its twip place, each
// carrying its control name in data-control. Texts from the sheet go in
// through textContent and value only, never as markup.

// Edit boxes, selectors, buttons and the frame are windows of their own in
// the desktop sheet: they lie above the captions, pictures and lines.

// A cursor of the sheet as a CSS value: its artwork with its hot spot.
export const cursorStyle = (cursor, fallback) =>
  `url(artwork/${cursor.picture}.svg) ${cursor.hotX} ${cursor.hotY}, ${fallback}`;

// The declarations of a font as the layout table names it, drawn with the
// face that stands in for its family (the style sheet ships the faces).
export function fontStyle(font) {
  return `font-family:"${font.face}",sans-serif;font-size:${font.points}pt;` +
    `font-weight:${font.bold ? 'bold' : 'normal'};${font.underline ? 'text-decoration:underline;' : ''}`;
}

function makeElement(row) {
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
      picture.src = `artwork/${row.picture}.svg`;
      picture.alt = row.tooltip ?? '';
      picture.draggable = false;
      return picture;
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
function dress(element, row, pixels) {
  element.dataset.control = row.name;
  element.classList.add('control', row.kind);
  if (row.standsAbove) element.classList.add('above');
  const { left, top, width, height } = row.twips;
  const { font, align, ink, paper } = row.look;
  element.style.cssText =
    `left:${pixels(left)}px;top:${pixels(top)}px;width:${pixels(width)}px;height:${pixels(height)}px;` +
    `${fontStyle(font)}text-align:${align === 'centre' ? 'center' : 'left'};` +
    `${ink ? `color:${ink};` : ''}${paper ? `background-color:${paper};` : ''}`;
  if (row.tooltip) element.title = row.tooltip;
}

// Shows one field's value in its element.
function display(element, value) {
  if (element.type === 'checkbox') element.checked = value;
  else if ('value' in element && element.tagName !== 'BUTTON') element.value = value;
  else element.textContent = value;
}

export class SheetView {
  // rows: the layout table; facts: the window's size, title and font;
  // fixed: the names of the controls with a role of their own. The
  // sheet is built apart; the caller puts this.client on the page.
  constructor(rows, facts, fixed) {
    this.client = document.createElement('div');
    this.client.className = 'client';
    this.client.dataset.control = fixed.client;
    const pixels = (twips) => twips / facts.twipsPerPixel;
    // The sheet's size in CSS pixels at 100 %.
    this.width = pixels(facts.widthTwips);
    this.height = pixels(facts.heightTwips);
    this.client.style.cssText = `width:${this.width}px;height:${this.height}px;${fontStyle(facts.font)}`;
    this.client.style.cursor = cursorStyle(facts.sheetCursor, 'default');
    this.elements = new Map();
    this.rows = rows;
    this.shown = new Map();
    let frame = this.client;
    for (const row of rows) {
      const element = makeElement(row);
      dress(element, row, pixels);
      (row.container === 'frame' ? frame : this.client).appendChild(element);
      if (row.kind === 'frame') frame = element;
      this.elements.set(row.name, element);
    }
  }

  element(name) {
    return this.elements.get(name);
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
