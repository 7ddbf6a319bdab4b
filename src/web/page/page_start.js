// The page's start, run in its head before anything is drawn.
//
// The view it opens in: the player's choice (this visit's, or the one
// remembered), else the column on a touch screen narrower than the sheet
// (its width in CSS pixels is written on the page). A mouse user who zooms
// the page in keeps the exact sheet, larger. The page's modules read the
// same rule here (ViewChoice). A phone thus never draws the exact sheet
// first nor fetches its fonts.
//
// The engine and the page's modules are asked for once the sheet's first
// picture (written into the page) is drawn, all at once, the WebAssembly
// first: before that, they would share a slow phone's thin pipe and its
// processor with the style sheets and the drawing that picture waits for.
globalThis.orvandelView = {
  storageKey: 'orvandel.vue',
  narrow: window.matchMedia(
    `(pointer: coarse) and (max-width: ${Math.ceil(Number(document.documentElement.dataset.sheetWidth)) - 1}px)`),
  // Whether the column is shown; chosen: 'colonne', 'exacte' or null.
  phone(chosen) {
    let choice = chosen;
    try {
      choice ??= localStorage.getItem(this.storageKey);
    } catch {
      // A browser that keeps no storage has no remembered choice.
      choice = null;
    }
    return choice ? choice === 'colonne' : this.narrow.matches;
  },
};
document.documentElement.classList.toggle('phone', globalThis.orvandelView.phone(null));

// The exact sheet as large as the window lets it be, up to 100 % of the
// browser's own zoom (the style sheet's --fit), set before the first picture
// is drawn and again on each resize and each change of view. On a touch
// screen narrower than the sheet, it is scaled down to the width, so that a
// phone shows it whole without scrolling sideways; pinching still zooms.
// Where a mouse points, it is scaled down to the window's height and width
// too, so that a laptop shows it whole, but never below the scale where its
// text stays legible: a window too small for that (a page zoomed in has a
// smaller window) shows it larger, scrolling, and says the column shows it
// whole.
(() => {
  const root = document.documentElement;
  const sheet = { width: Number(root.dataset.sheetWidth), height: Number(root.dataset.sheetHeight) };
  // The smallest scale that keeps the sheet's text, 8.25 pt Tahoma (11 px at
  // 100 %), above 9 px; a 1366 × 768 laptop's browser (a window about 657 px
  // high) needs 0.875, so it still shows the whole sheet.
  const LEGIBLE = 0.85;
  const TOO_SMALL = 'La fiche ne tient pas dans la fenêtre : « Plus… », « Vue en colonne » la montre en une colonne.';
  const touch = window.matchMedia('(pointer: coarse)');
  let note = null;

  // The width the centred sheet may take: where the command bar stands fixed
  // at the right of the screen, its width is kept free on both sides.
  const roomForSheet = () => {
    const bar = document.getElementById('keeping');
    const beside = bar !== null && getComputedStyle(bar).position === 'fixed';
    return root.clientWidth - (beside ? 2 * bar.offsetWidth : 0);
  };
  const fit = () => {
    const exact = !root.classList.contains('phone');
    const whole = touch.matches ? Math.min(1, root.clientWidth / sheet.width)
      : Math.min(1, roomForSheet() / sheet.width, root.clientHeight / sheet.height);
    const tooSmall = exact && !touch.matches && whole < LEGIBLE;
    root.style.setProperty('--fit', tooSmall ? LEGIBLE : whole);
    if (tooSmall) root.dataset.sheetFit = 'trop-petit';
    else delete root.dataset.sheetFit;
    // Said again only when it changes, so that a screen reader hears it once.
    const said = tooSmall ? TOO_SMALL : '';
    if (note && note.textContent !== said) note.textContent = said;
  };
  fit();
  window.addEventListener('resize', fit);
  touch.addEventListener('change', fit);
  new MutationObserver(fit).observe(root, { attributeFilter: ['class'] });
  // The note that offers the column, at the head of the command bar, in
  // sight with it, in a status that a screen reader reads out.
  document.addEventListener('DOMContentLoaded', () => {
    note = Object.assign(document.createElement('p'), { id: 'sheet-fit' });
    note.setAttribute('role', 'status');
    document.getElementById('keeping').prepend(note);
    fit();
  });
})();

(() => {
  const MODULES = ['engine.js', 'main.js', 'sheet_view.js', 'inks.js', 'phone_view.js', 'actions.js',
    'message.js', 'keeping.js', 'command_bar.js', 'offline.js', 'shortcuts.js'];
  let started = false;
  const hint = (attributes) => document.head.appendChild(Object.assign(document.createElement('link'), attributes));
  const start = () => {
    if (started) return;
    started = true;
    hint({ rel: 'preload', href: 'engine.wasm', as: 'fetch', type: 'application/wasm', crossOrigin: 'anonymous' });
    for (const module of MODULES) hint({ rel: 'modulepreload', href: module });
    import('./main.js');
  };
  // After the first frame is painted, even where the service worker serves
  // the site from its cache: compiling the engine and the modules would
  // hold that frame back on a slow phone's processor. At once in a tab
  // that paints nothing.
  requestAnimationFrame(() => setTimeout(start));
  if (document.visibilityState === 'hidden') start();
  document.addEventListener('visibilitychange', start, { once: true });
})();
