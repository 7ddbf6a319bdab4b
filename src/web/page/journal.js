// "Journal des jets": how the sheet on screen was made, one step of the
// rules a line with the dice rolled for it, as the window and
// orvandel-cli --journal write it. The panel follows the sheet: undo and
// redo bring back the journal of the sheet they show, and each improvement
// click adds its line.
const EMPTY = 'Aucun jet pour cette fiche : elle vient d’un fichier, ou rien n’a encore été tiré.';

export class JournalPanel {
  // actions: heard when the sheet changed.
  constructor(session, actions) {
    this.session = session;
    this.panel = document.getElementById('journal');
    this.lines = document.getElementById('journal-lines');
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
    this.lines.scrollTop = this.lines.scrollHeight;
    this.lines.focus();
  }

  show() {
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
}
