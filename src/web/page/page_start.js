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

// The exact sheet is drawn at 100 % of the browser's own zoom: a page zoomed
// to 200 % draws it at 200 % and scrolls. Only on a touch screen narrower
// than the sheet is it scaled down to the width (the style sheet's --fit),
// so that a phone shows it whole without scrolling sideways; pinching
// still zooms. Set before the first picture is drawn, and on each resize.
(() => {
  const root = document.documentElement;
  const touch = window.matchMedia('(pointer: coarse)');
  const fit = () => root.style.setProperty('--fit',
    touch.matches ? Math.min(1, root.clientWidth / Number(root.dataset.sheetWidth)) : 1);
  fit();
  window.addEventListener('resize', fit);
  touch.addEventListener('change', fit);
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
