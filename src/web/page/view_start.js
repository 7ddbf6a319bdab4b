// The view the page opens in, decided before anything is drawn, so that a
// phone never fetches the exact sheet's fonts nor draws it first: the
// player's choice (this visit's, or the one remembered), else the column on
// a touch screen narrower than the sheet (its width in CSS pixels is written
// on the page). A mouse user who zooms the page in keeps the exact sheet,
// larger. The page's modules read the same rule here (ViewChoice).
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
