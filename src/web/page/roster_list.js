// The roster's entries as a window onto the whole list. A phone takes
// seconds to lay out thousands of entries, so only those in and near the
// visible part of the list are in the document; the list keeps its full
// height, so that finger, wheel and keyboard scroll it as a whole one.
// Every entry has the height of the first one drawn (the text on one line
// each), measured rather than assumed so that a larger text size still fits.

// Beyond each edge of the visible entries, as many again are drawn, so that
// a quick scroll shows entries rather than blank space before the next
// frame; no more, for every entry drawn is laid out again each time the
// panel opens.
const MOST_DRAWN = 200;

export class RosterList {
  // scroller: the box that scrolls; list: the <ul> inside it; drawEntry(at):
  // a new <li> for the character at place `at`.
  constructor(scroller, list, drawEntry) {
    this.scroller = scroller;
    this.list = list;
    this.drawEntry = drawEntry;
    this.places = [];
    this.drawn = new Map();
    this.rowHeight = 0;
    this.span = null;
    scroller.addEventListener('scroll', () => this.draw());
    // A closed panel's list has no height: the entries drawn stay for its
    // next opening rather than make way for a window of none.
    new ResizeObserver(([change]) => {
      if (change.contentRect.height > 0) requestAnimationFrame(() => this.redraw());
    }).observe(scroller);
    list.addEventListener('keydown', (event) => this.onKey(event));
  }

  // The places to list, in their order; `anew`: the entries drawn so far no
  // longer show their characters as they stand.
  show(places, anew) {
    this.places = places;
    if (anew) {
      this.drawn.clear();
      this.list.replaceChildren();
    }
    this.redraw();
  }

  redraw() {
    this.span = null;
    this.draw();
  }

  // The window's entries drawn, those already drawn kept as they are (one of
  // them may hold the focus).
  draw() {
    const height = this.rowHeight || 3.5 * parseFloat(getComputedStyle(this.list).fontSize);
    const seen = Math.ceil(this.scroller.clientHeight / height) + 1;
    const first = Math.max(0, Math.floor(this.scroller.scrollTop / height) - seen);
    const end = Math.min(this.places.length, first + Math.min(MOST_DRAWN, 3 * seen));
    if (this.span?.first === first && this.span.end === end) return;
    this.span = { first, end };
    const wanted = this.places.slice(first, end);
    const kept = new Set(wanted);
    for (const [at, row] of this.drawn) {
      if (kept.has(at)) continue;
      row.remove();
      this.drawn.delete(at);
    }
    let next = this.list.firstElementChild;
    wanted.forEach((at, i) => {
      let row = this.drawn.get(at);
      if (!row) this.drawn.set(at, (row = this.drawEntry(at)));
      row.setAttribute('aria-posinset', String(first + i + 1));
      row.setAttribute('aria-setsize', String(this.places.length));
      if (row === next) next = row.nextElementSibling;
      else this.list.insertBefore(row, next);
    });
    this.place('--above', first * height);
    this.place('--whole', this.places.length * height);
    const measured = this.list.firstElementChild?.getBoundingClientRect().height;
    if (measured > 0 && Math.abs(measured - height) > 0.01) {
      this.rowHeight = measured;
      this.redraw();
    }
  }

  // Each entry inherits the scroller's custom properties: one set anew
  // styles every entry drawn again, so an unchanged one is left alone.
  place(property, pixels) {
    const value = `${pixels}px`;
    if (this.scroller.style.getPropertyValue(property) !== value) this.scroller.style.setProperty(property, value);
  }

  // Where the character at place `at` stands in the list; -1 when the
  // search leaves it out.
  positionOf(at) {
    return this.places.indexOf(at);
  }

  // Focuses the `control`-th control (checkbox, open, rename, remove) of the
  // entry at `position`, scrolled into view and drawn first.
  focus(position, control = 1) {
    const top = position * this.rowHeight;
    const { scrollTop, clientHeight } = this.scroller;
    if (top < scrollTop) this.scroller.scrollTop = top;
    else if (top + this.rowHeight > scrollTop + clientHeight) this.scroller.scrollTop = top + this.rowHeight - clientHeight;
    this.draw();
    const row = this.drawn.get(this.places[position]);
    row?.querySelectorAll('input, button')[control]?.focus();
  }

  // Arrows go from entry to entry, Home and End to the first and the last,
  // on the same kind of control: a keyboard reaches every entry although
  // only a window of them is drawn.
  onKey(event) {
    const row = event.target.closest('[aria-posinset]');
    if (!row || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    const here = Number(row.getAttribute('aria-posinset')) - 1;
    const last = this.places.length - 1;
    const to = { ArrowDown: here + 1, ArrowUp: here - 1, Home: 0, End: last }[event.key];
    if (to === undefined) return;
    event.preventDefault();
    const control = [...row.querySelectorAll('input, button')].indexOf(event.target);
    this.focus(Math.max(0, Math.min(to, last)), control);
  }
}
