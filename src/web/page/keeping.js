// Keeping the character, on the window's shortcuts and on a small bar below
// the sheet (for touch screens): undo and redo, open a .json sheet (file
// picker or a file dropped on the page), save it as a download, print, copy
// the text sheet, and share it as a link. The engine keeps the steps and
// reads the files; the page only carries files in and out.
import { showMessage } from './message.js';
import { shareLink } from './share.js';

const SAVED_NAME = 'personnage.json';

// Ctrl (or ⌘) + key: the command it runs, as in the window.
function shortcut(event) {
  if (!(event.ctrlKey || event.metaKey) || event.altKey) return null;
  const key = event.key.toLowerCase();
  if (key === 'z') return event.shiftKey ? 'redo' : 'undo';
  if (key === 'y') return 'redo';
  if (key === 's') return 'save';
  if (key === 'o') return 'open';
  if (key === 'c') return 'copy';
  return null;
}

// Whether the player has selected text of his own to copy.
function textSelected() {
  const active = document.activeElement;
  if (active && typeof active.selectionStart === 'number' && active.selectionStart !== active.selectionEnd) return true;
  return !document.getSelection().isCollapsed;
}

export class Keeping {
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
    document.addEventListener('keydown', (event) => this.onKey(event));
    // Only a dropped file is taken; dropped text goes into the box as usual.
    const carriesFile = (event) => event.dataTransfer.types.includes('Files');
    document.addEventListener('dragover', (event) => { if (carriesFile(event)) event.preventDefault(); });
    document.addEventListener('drop', (event) => {
      if (!carriesFile(event)) return;
      event.preventDefault();
      const [file] = event.dataTransfer.files;
      if (file) this.openFile(file);
    });
    actions.afterChange = () => this.updateSteps();
    this.bar.hidden = false;
    this.updateSteps();
  }

  onKey(event) {
    const command = shortcut(event);
    if (!command || document.getElementById('message').open) return;
    if (command === 'copy' && textSelected()) return;
    event.preventDefault();
    this.commands[command]();
  }

  step(changed) {
    if (changed) this.actions.refresh();
    this.updateSteps();
  }

  updateSteps() {
    this.bar.querySelector('[data-command="undo"]').disabled = !this.session.canUndo();
    this.bar.querySelector('[data-command="redo"]').disabled = !this.session.canRedo();
  }

  // The link goes into the address bar and onto the clipboard.
  async share() {
    const link = await shareLink(this.session.json());
    window.history.replaceState(null, '', link);
    await navigator.clipboard.writeText(link);
    this.bar.querySelector('#keeping-status').textContent = 'Lien de la fiche copié.';
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
