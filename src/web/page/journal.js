// "Journal des jets": how the sheet on screen was made, one step of the
// rules a line with the dice rolled for it, as the window and
// orvandel-cli --journal write it; above them, whether the sheet is what its
// dice gave, and each box that is not. The panel follows the sheet: undo and
// redo bring back the journal of the sheet they show, and each improvement
// click adds its line. The verdict is the panel's description, which a
// screen reader reads as it opens, and nothing is spoken as it changes.
const EMPTY = 'Aucun jet pour cette fiche : elle vient d’un fichier, ou rien n’a encore été tiré.';

export class JournalPanel {
  // actions: heard when the sheet changed.
  constructor(session, actions) {
    this.session = session;
    this.panel = document.getElementById('journal');
    this.lines = document.getElementById('journal-lines');
    this.verdict = document.getElementById('journal-verdict');
    this.differences = document.getElementById('journal-differences');
    actions.addEventListener('sheetchange', () => {
      if (this.panel.open) this.show();
    });
    document.querySelector('[data-journal-command="open"]').addEventListener('click', () => this.open());
    this.panel.querySelector('[data-journal-command="close"]').addEventListener('click', () => this.panel.close());
    this.panel.addEventListener('close', () => this.opener?.focus());
    this.commands = { journal: () => this.open() };
  }

  open() {
    this.opener = document.activeElement;
    this.show();
    if (!this.panel.open) this.panel.showModal();
    // The latest steps in sight, as in the window: a shown list can scroll.
    // A panel taller than the screen opens at its top, with the verdict.
    this.lines.scrollTop = this.lines.scrollHeight;
    this.lines.focus({ preventScroll: true });
    this.panel.scrollTop = 0;
  }

  show() {
    this.showVerification();
    const lines = this.session.journalLines();
    const items = lines.map((line) => {
      const item = document.createElement('li');
      item.textContent = line;
      return item;
    });
    if (items.length === 0) {
      const item = document.createElement('li');
      item.className = 'journal-empty';
      item.textContent = EMPTY;
      items.push(item);
    }
    this.lines.replaceChildren(...items);
    this.lines.scrollTop = this.lines.scrollHeight;
  }

  showVerification() {
    const { verdict, differences } = this.session.verification();
    this.verdict.textContent = verdict;
    this.differences.replaceChildren(...differences.map((line) => {
      const item = document.createElement('li');
      item.textContent = line;
      return item;
    }));
    this.differences.hidden = differences.length === 0;
  }
}
