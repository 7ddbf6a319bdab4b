// Keeping the character, on the window's shortcuts (shortcuts.js) and on the
// command bar: undo and redo, open a .json sheet (file picker or a file
// dropped on the page), save it as a download, print, copy the text sheet,
// and share it as a link or its QR code. The engine keeps the steps, reads the files and
// words what each did; the page only carries files in and out.
import { say, showMessage } from './message.js';

const SAVED_NAME = 'personnage.json';
// Undo or redo with no step that way (a shortcut: the buttons are greyed).
const NO_STEP = { false: 'Rien à annuler', true: 'Rien à rétablir' };
const NOT_COPIED = 'La fiche n’a pas été copiée : ce navigateur refuse l’accès au presse-papiers à cette page.';
const PRINTING = 'Impression de la fiche : choisissez l’imprimante dans la fenêtre du navigateur.';

export class Keeping {
  // actions: the sheet's actions, told to show the sheet again after a step
  // and heard when the sheet changed; engine: the sentences that say what a
  // command did.
  constructor(session, actions, engine) {
    this.session = session;
    this.actions = actions;
    this.engine = engine;
    this.bar = document.getElementById('keeping');
    this.picker = document.getElementById('open-file');
    this.commands = {
      undo: () => this.step(this.session.undo(), false),
      redo: () => this.step(this.session.redo(), true),
      open: () => this.picker.click(),
      save: () => this.save(),
      print: () => this.print(),
      copy: () => this.copy(),
      share: () => this.share(),
      shareQrCode: () => this.shareQrCode(),
    };
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

  step(changed, redo) {
    if (changed) this.actions.refresh();
    this.updateSteps();
    say(changed ? this.engine.stepOutcome(redo) : NO_STEP[redo]);
  }

  updateSteps() {
    this.bar.querySelector('[data-command="undo"]').disabled = !this.session.canUndo();
    this.bar.querySelector('[data-command="redo"]').disabled = !this.session.canRedo();
  }

  // The link to the sheet; null, once the player has been told, for a sheet
  // too large for a link that this page would open, which is offered as a
  // file.
  async shareLink() {
    const { currentShareLink } = await import('./share.js');
    const link = await currentShareLink(this.session);
    if (link) return link;
    await showMessage('Cette fiche est trop grande pour tenir dans un lien. Enregistrez-la plutôt dans un fichier ' +
      '(« Plus… », « Enregistrer ») et envoyez ce fichier.');
    this.bar.querySelector('#more').focus();
    return null;
  }

  // The link goes into the address bar and onto the clipboard.
  async share() {
    const link = await this.shareLink();
    if (!link) return;
    window.history.replaceState(null, '', link);
    await this.toClipboard(link, 'Lien de la fiche copié.');
  }

  // The link as a QR code, for a phone across the table, under whether the
  // sheet is what its dice gave.
  async shareQrCode() {
    const [link, { showQrCode }] = await Promise.all([this.shareLink(), import('./qr.js')]);
    if (link) showQrCode(link, this.session.verification().verdict);
  }

  async copy() {
    await this.toClipboard(this.session.written('text'), this.engine.copiedOutcome());
  }

  async toClipboard(text, done) {
    try {
      await navigator.clipboard.writeText(text);
      say(done);
    } catch {
      say(NOT_COPIED);
    }
  }

  print() {
    say(PRINTING);
    window.print();
  }

  save() {
    const blob = new Blob([this.session.written('json')], { type: 'application/json' });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = SAVED_NAME;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    this.session.markKept();
    say(this.engine.savedOutcome(SAVED_NAME));
  }

  // Reads no more of the file than a sheet can hold, so that a huge file is
  // refused without being read whole.
  async openFile(file) {
    const text = await file.slice(0, this.engine.largestSheet + 1).text();
    const reason = this.session.open(text);
    if (reason === null) {
      this.actions.refresh();
      say(this.engine.openedOutcome(file.name));
      return;
    }
    await showMessage(`« ${file.name} » n’est pas une fiche : ${reason}`);
  }
}
