// Keeping the character, on the window's shortcuts (shortcuts.js) and on a
// small bar beside or below the sheet (for touch screens): undo and redo, open a .json sheet (file
// picker or a file dropped on the page), save it as a download, print, copy
// the text sheet, and share it as a link. The engine keeps the steps and
// reads the files; the page only carries files in and out.
import { showMessage } from './message.js';

const SAVED_NAME = 'personnage.json';

export class Keeping {
  // actions: the sheet's actions, told to show the sheet again after a step
  // and heard when the sheet changed.
  constructor(session, actions, largestSheet) {
    this.session = session;
    this.actions = actions;
    this.largestSheet = largestSheet;
    this.bar = document.getElementById('keeping');
    this.picker = document.getElementById('open-file');
    this.commands = {
      undo: () => this.step(this.session.undo()),
      redo: () => this.step(this.session.redo()),
      open: () => this.picker.click(),
      save: () => this.save(),
      print: () => window.print(),
      copy: () => navigator.clipboard.writeText(this.session.written('text')),
      share: () => this.share(),
    };
    this.bar.addEventListener('click', (event) => {
      const command = event.target.closest('[data-command]')?.dataset.command;
      if (command) this.commands[command]();
    });
    this.picker.addEventListener('change', () => {
      const [file] = this.picker.files;
      this.picker.value = '';
      if (file) this.openFile(file);
    });
    // Only a dropped file is taken; dropped text goes into the box as usual.
    const carriesFile = (event) => event.dataTransfer.types.includes('Files');
    document.addEventListener('dragover', (event) => { if (carriesFile(event)) event.preventDefault(); });
    document.addEventListener('drop', (event) => {
      if (!carriesFile(event)) return;
      event.preventDefault();
      const [file] = event.dataTransfer.files;
      if (file) this.openFile(file);
    });
    actions.addEventListener('sheetchange', () => this.updateSteps());
    this.bar.hidden = false;
    this.updateSteps();
  }

  step(changed) {
    if (changed) this.actions.refresh();
    this.updateSteps();
  }

  updateSteps() {
    this.bar.querySelector('[data-command="undo"]').disabled = !this.session.canUndo();
    this.bar.querySelector('[data-command="redo"]').disabled = !this.session.canRedo();
  }

  // The link goes into the address bar and onto the clipboard; a sheet too
  // large for a link that this page would open is offered as a file.
  async share() {
    const status = this.bar.querySelector('#keeping-status');
    const { shareLink } = await import('./share.js');
    const link = await shareLink(this.session.json());
    if (!link) {
      status.textContent = '';
      await showMessage('Cette fiche est trop grande pour tenir dans un lien. Enregistrez-la plutôt dans un fichier ' +
        '(bouton « Enregistrer ») et envoyez ce fichier.');
      this.bar.querySelector('[data-command="save"]').focus();
      return;
    }
    window.history.replaceState(null, '', link);
    await navigator.clipboard.writeText(link);
    status.textContent = 'Lien de la fiche copié.';
  }

  save() {
    const blob = new Blob([this.session.written('json')], { type: 'application/json' });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = SAVED_NAME;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  // Reads no more of the file than a sheet can hold, so that a huge file is
  // refused without being read whole.
  async openFile(file) {
    const text = await file.slice(0, this.largestSheet + 1).text();
    const reason = this.session.open(text);
    if (reason === null) {
      this.step(true);
      return;
    }
    await showMessage(`« ${file.name} » n’est pas une fiche : ${reason}`);
  }
}
