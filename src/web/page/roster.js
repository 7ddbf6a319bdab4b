// "Personnages": the characters the player keeps, in a panel over the sheet.
// The engine's roster holds them and writes the roster file, the same file as
// the window's; the page stores that text in the browser (IndexedDB), lists
// the characters, and carries files in and out. Opening a character is one
// step of the sheet to undo; a removal is put back from the panel.
import { printGmPage } from './gm_print.js';
import { say } from './message.js';
import { RosterList } from './roster_list.js';
import { SheetView } from './sheet_view.js';

const DATABASE = 'orvandel';
const STORE = 'personnages';
const KEY = 'personnages.json';
// A stored roster that could not be read whole (written by a newer version
// of the page, say) is kept aside under this key before it is replaced.
const UNREAD_KEY = 'personnages.json non lu';
const EXPORTS = { json: 'personnages.json', lines: 'personnages.jsonl' };

const NOT_STORED =
  'La liste des personnages n’a pas pu être enregistrée dans ce navigateur (stockage plein ou refusé) : ' +
  'exportez-la pour ne pas la perdre.';
const NONE_CHOSEN = 'Cochez d’abord les personnages à imprimer.';

// The browser's database, with one store that holds the roster file's text.
function openDatabase() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(DATABASE, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

// Runs one request on the store; resolves with its result once the
// transaction is written.
function inStore(database, mode, run) {
  return new Promise((resolve, reject) => {
    const transaction = database.transaction(STORE, mode);
    const request = run(transaction.objectStore(STORE));
    transaction.oncomplete = () => resolve(request.result);
    transaction.onerror = () => reject(transaction.error);
    transaction.onabort = () => reject(transaction.error);
  });
}

function download(text, name, type) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

const inTextBox = (element) => element.matches('input:not([type="checkbox"]), textarea');
const plural = (count, word) => `${count} ${word}${count > 1 ? 's' : ''}`;

export class RosterPanel {
  // engine: the binding (its Roster, proposedName, largestRoster and the
  // layout that prints a sheet); actions: shows the sheet after an opening.
  constructor(engine, session, actions) {
    this.engine = engine;
    this.session = session;
    this.actions = actions;
    this.panel = document.getElementById('roster');
    this.entries = new RosterList(document.getElementById('roster-view'), document.getElementById('roster-entries'),
      (at) => this.entry(at));
    this.search = document.getElementById('roster-search');
    this.status = document.getElementById('roster-status');
    this.form = document.getElementById('roster-name');
    this.nameBox = document.getElementById('roster-name-input');
    this.picker = document.getElementById('roster-import');
    // The places ticked for printing; a removal or its undoing moves the
    // places, and clears them.
    this.marked = new Set();
    this.characters = new Map();
    // The text boxes typed into since the last removal: there Ctrl+Z undoes
    // the typing rather than the removal.
    this.typedSinceRemoval = new Set();
    this.listen();
  }

  // The stored roster is read on first use: a page that never shows it
  // spends nothing on it.
  loaded() {
    this.ready ??= this.load();
    return this.ready;
  }

  async load() {
    let stored = '';
    try {
      this.database = await openDatabase();
      stored = (await inStore(this.database, 'readonly', (store) => store.get(KEY))) ?? '';
    } catch {
      this.tell(NOT_STORED);
    }
    this.roster = new this.engine.Roster(stored);
    // Another tab of the page that writes the roster says so: this one reads
    // it again rather than write its older copy over it.
    this.channel = new BroadcastChannel(DATABASE);
    this.channel.onmessage = () => this.reread();
    const problems = this.roster.loadProblems();
    if (problems.length > 0) {
      this.unread = stored;
      this.tell('Personnages de la liste enregistrée laissés de côté (elle sera gardée à part) :', problems);
    }
    // For the benchmark: reading the stored roster apart from listing it.
    performance.mark('roster-read');
    this.show();
  }

  // Shows the roster as it now stands and writes its file; the browser is
  // asked once to keep it for good.
  async save() {
    this.changed();
    if (!this.database) return;
    this.persisting ??= navigator.storage?.persist?.().catch(() => false);
    try {
      await inStore(this.database, 'readwrite', (store) => {
        if (this.unread) store.put(this.unread, UNREAD_KEY);
        return store.put(this.roster.toJson(), KEY);
      });
      this.unread = null;
      this.channel.postMessage(KEY);
    } catch {
      this.tell(NOT_STORED);
    }
  }

  // The roster as another tab wrote it; this tab's opened character and
  // removals to put back no longer apply.
  async reread() {
    const stored = await inStore(this.database, 'readonly', (store) => store.get(KEY)).catch(() => null);
    if (stored === null) return;
    this.roster.delete();
    this.roster = new this.engine.Roster(stored ?? '');
    this.marked.clear();
    this.tell('La liste a été changée dans un autre onglet.');
    this.changed();
  }

  listen() {
    document.addEventListener('click', (event) => {
      const command = event.target.closest('[data-roster-command]')?.dataset.rosterCommand;
      if (command) this.run(command);
    });
    this.entries.list.addEventListener('click', (event) => {
      const button = event.target.closest('[data-roster-action]');
      if (button) this.act(button.dataset.rosterAction, Number(button.closest('[data-roster-entry]').dataset.rosterEntry));
    });
    this.entries.list.addEventListener('change', (event) => {
      const at = Number(event.target.closest('[data-roster-entry]').dataset.rosterEntry);
      if (event.target.checked) this.marked.add(at);
      else this.marked.delete(at);
    });
    this.search.addEventListener('input', () => this.searched());
    this.panel.addEventListener('input', (event) => this.typedSinceRemoval.add(event.target));
    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      this.named();
    });
    this.picker.addEventListener('change', () => {
      const [file] = this.picker.files;
      this.picker.value = '';
      if (file) this.importFile(file);
    });
    this.panel.addEventListener('cancel', (event) => {
      if (this.form.hidden || this.purpose === 'keep-character') return;
      event.preventDefault();
      this.closeForm();
    });
    this.panel.addEventListener('close', () => {
      this.closeForm();
      this.opener?.focus();
    });
    this.panel.addEventListener('keydown', (event) => this.onPanelKey(event));
    // On the page's shortcuts: Ctrl+D keeps the sheet, as a browser keeps a
    // page; Ctrl+Maj+L shows the roster (Ctrl+L stays the address bar's).
    this.commands = {
      keepCharacter: () => this.run('keep-character'),
      roster: () => this.run('show'),
    };
    window.addEventListener('afterprint', () => this.endPrint());
  }

  // Over the panel the sheet's shortcuts rest; Ctrl+Z puts back the last
  // removal (in a text box, unless typed into since), F2 renames and Delete
  // removes the character in focus.
  onPanelKey(event) {
    const entry = event.target.closest?.('[data-roster-entry]');
    const at = entry ? Number(entry.dataset.rosterEntry) : null;
    if (event.ctrlKey || event.metaKey) {
      event.stopPropagation();
      if (event.key.toLowerCase() === 'z' && !event.shiftKey && this.undoesRemoval(event.target)) {
        event.preventDefault();
        this.run('undo-removal');
      }
      return;
    }
    if (at === null || event.altKey || event.shiftKey) return;
    if (event.key === 'F2') this.act('rename', at);
    else if (event.key === 'Delete') this.act('remove', at);
    else return;
    event.preventDefault();
  }

  undoesRemoval(target) {
    if (!inTextBox(target)) return true;
    return Boolean(this.roster?.canUndoRemoval()) && !this.typedSinceRemoval.has(target);
  }

  async run(command) {
    await this.loaded();
    switch (command) {
      case 'show': return this.showPanel();
      case 'keep-character': return this.askName('keep-character');
      case 'keep': return this.askName('keep');
      case 'close': return this.panel.close();
      case 'cancel-name': return this.purpose === 'keep-character' ? this.panel.close() : this.closeForm();
      case 'update': return this.update();
      case 'undo-removal': return this.undoRemoval();
      case 'import': return this.picker.click();
      case 'export': return download(this.roster.toJson(), EXPORTS.json, 'application/json');
      case 'export-lines': return download(this.roster.toJsonLines(), EXPORTS.lines, 'application/jsonl');
      case 'print': return this.print();
      case 'print-gm-page': return this.printGmPage();
      default: return undefined;
    }
  }

  async act(action, at) {
    await this.loaded();
    if (action === 'open') this.open(at);
    else if (action === 'rename') this.askName('rename', at);
    else if (action === 'remove') await this.remove(at);
  }

  showPanel() {
    if (this.panel.open) return;
    this.opener = document.activeElement;
    this.panel.showModal();
    this.show();
    this.search.focus();
  }

  // The name and summary of the character at `at` as it stands, read from
  // the engine once a change, and only for the entries drawn or named.
  kept(at) {
    let character = this.characters.get(at);
    if (!character) this.characters.set(at, (character = this.roster.character(at)));
    return character;
  }

  // The entries drawn no longer show the roster as it stands: drawn anew
  // when next shown.
  changed() {
    this.characters.clear();
    this.found = null;
    this.show();
  }

  // The entries that match the search, the opened one marked. A closed
  // panel is drawn when next shown; shown again unchanged, the entries
  // drawn before still stand.
  show() {
    if (!this.roster || !this.panel.open) return;
    const anew = !this.found;
    this.found ??= this.roster.search(this.search.value);
    this.entries.show(this.found, anew);
    this.count();
    const command = (name) => this.panel.querySelector(`[data-roster-command="${name}"]`);
    command('update').disabled = this.roster.opened() < 0;
    command('undo-removal').disabled = !this.roster.canUndoRemoval();
  }

  // A keystroke in the search box: the engine searches the whole roster, the
  // list draws only what shows of it, from the top.
  searched() {
    if (!this.roster) return;
    this.found = this.roster.search(this.search.value);
    this.entries.scroller.scrollTop = 0;
    this.entries.show(this.found, false);
    this.count();
  }

  count() {
    const count = this.roster.size();
    let text = `${plural(this.found.length, 'personnage')} sur ${count}.`;
    if (count === 0) text = 'Aucun personnage gardé.';
    else if (this.search.value.trim() === '') text = `${plural(count, 'personnage')} gardé${count > 1 ? 's' : ''}.`;
    // The same text set again would lay the panel out again.
    const shown = document.getElementById('roster-count');
    if (shown.textContent !== text) shown.textContent = text;
  }

  entry(at) {
    const character = this.kept(at);
    const opened = at === this.roster.opened();
    const chosen = this.marked.has(at);
    const item = document.createElement('li');
    item.setAttribute('role', 'listitem');
    item.dataset.rosterEntry = String(at);
    if (opened) item.setAttribute('aria-current', 'true');
    const choose = item.appendChild(document.createElement('input'));
    choose.type = 'checkbox';
    choose.checked = chosen;
    choose.setAttribute('aria-label', `Choisir « ${character.name} » pour l’impression`);
    const open = item.appendChild(document.createElement('button'));
    open.type = 'button';
    open.className = 'roster-open';
    open.dataset.rosterAction = 'open';
    open.title = 'Ouvrir ce personnage';
    const name = open.appendChild(document.createElement('span'));
    name.className = 'roster-name';
    name.textContent = character.name;
    const facts = open.appendChild(document.createElement('span'));
    facts.className = 'roster-facts';
    facts.textContent = character.summary + (opened ? ' · ouvert' : '');
    for (const [action, text] of [['rename', 'Renommer'], ['remove', 'Supprimer']]) {
      const button = item.appendChild(document.createElement('button'));
      button.type = 'button';
      button.dataset.rosterAction = action;
      button.textContent = action === 'rename' ? `${text}…` : text;
      button.setAttribute('aria-label', `${text} « ${character.name} »`);
    }
    return item;
  }

  // The places ticked for printing, in the roster's order; with none
  // ticked, the player is told to tick some.
  chosen() {
    const chosen = [...this.marked].sort((a, b) => a - b);
    if (chosen.length === 0) this.tell(NONE_CHOSEN);
    return chosen;
  }

  tell(text, details = []) {
    this.status.replaceChildren(text);
    if (details.length === 0) return;
    const list = this.status.appendChild(document.createElement('ul'));
    // However many, the problems scroll in a box of a few lines: the list
    // of characters stays in view.
    list.tabIndex = 0;
    list.setAttribute('aria-label', 'Personnages laissés de côté');
    for (const detail of details) list.appendChild(document.createElement('li')).textContent = detail;
  }

  // The name form, for keeping the sheet on screen or renaming `at`.
  askName(purpose, at = null) {
    if (purpose === 'keep-character') this.showPanel();
    this.purpose = purpose;
    this.renaming = at;
    const renaming = purpose === 'rename';
    this.form.querySelector('legend').textContent = renaming ? 'Renommer le personnage' : 'Garder ce personnage';
    this.form.querySelector('button[type="submit"]').textContent = renaming ? 'Renommer' : 'Garder';
    this.nameBox.value = renaming ? this.kept(at).name : this.engine.proposedName(this.session.json());
    this.form.hidden = false;
    this.nameBox.select();
    this.nameBox.focus();
  }

  closeForm() {
    if (this.form.hidden) return;
    this.form.hidden = true;
    if (this.panel.open) this.search.focus();
  }

  // The name of the character opened or just kept, as the engine kept it.
  openedName() {
    return this.kept(this.roster.opened()).name;
  }

  async named() {
    const name = this.nameBox.value;
    const reason = this.purpose === 'rename'
      ? this.roster.rename(this.renaming, name)
      : this.roster.keep(name, this.session.json());
    if (reason !== null) {
      this.tell(reason);
      this.nameBox.focus();
      return;
    }
    const fromBar = this.purpose === 'keep-character';
    if (this.purpose !== 'rename') this.session.markKept();
    this.closeForm();
    const saved = this.save();
    this.tell(this.purpose === 'rename' ? 'Personnage renommé.' : `« ${this.openedName()} » gardé dans les personnages.`);
    await saved;
    // Kept from the command bar: back to the sheet, which stays as it was.
    if (fromBar) {
      this.panel.close();
      say(this.status.textContent);
    }
  }

  // One step of the sheet to undo, as opening a file.
  open(at) {
    const reason = this.session.open(this.roster.open(at));
    if (reason === null) {
      this.actions.refresh();
      say(`« ${this.kept(at).name} » ouvert.`);
      this.panel.close();
    } else {
      this.tell(reason);
    }
    // Either way the engine now marks this entry as the one opened.
    this.changed();
  }

  async update() {
    const reason = this.roster.update(this.session.json());
    this.tell(reason ?? `« ${this.openedName()} » mis à jour avec la fiche affichée.`);
    if (reason === null) await this.save();
  }

  async remove(at) {
    const { name } = this.kept(at);
    const position = this.entries.positionOf(at);
    if (this.roster.remove(at) !== null) return;
    this.marked.clear();
    this.typedSinceRemoval.clear();
    this.tell(`« ${name} » supprimé. « Annuler la suppression » (Ctrl+Z) le remet.`);
    const saved = this.save();
    // The focus goes on at once to the character that took its place.
    if (this.found.length > 0) this.entries.focus(Math.min(position, this.found.length - 1));
    else this.search.focus();
    await saved;
  }

  async undoRemoval() {
    const at = this.roster.undoRemoval();
    if (at < 0) return;
    this.marked.clear();
    const saved = this.save();
    this.tell(`« ${this.kept(at).name} » remis dans la liste.`);
    const position = this.entries.positionOf(at);
    if (position >= 0) this.entries.focus(position);
    await saved;
  }

  // Reads no more of the file than a roster can hold, so that a huge file is
  // refused without being read whole. Nothing kept before is touched.
  async importFile(file) {
    const bytes = await file.slice(0, this.engine.largestRoster + 1).arrayBuffer();
    const { added, summary, problems } = this.roster.importBytes(new Uint8Array(bytes), file.name);
    this.tell(summary, problems);
    if (added > 0) await this.save();
  }

  // The chosen characters, each sheet on a page of its own, drawn as the
  // sheet on screen is.
  print() {
    const chosen = this.chosen();
    if (chosen.length === 0) return;
    const sheets = document.getElementById('roster-print');
    const rows = this.engine.layoutRows();
    const facts = this.engine.windowFacts();
    const fixed = this.engine.fixedControls();
    sheets.replaceChildren(...chosen.map((at) => {
      const view = new SheetView(rows, facts, fixed);
      // Paper shows the exact sheet only: the layout's order will do.
      view.arrange([]);
      view.show(JSON.parse(this.roster.sheetJson(at)));
      return view.client;
    }));
    document.body.classList.add('printing-roster');
    window.print();
  }

  // The chosen characters as the game master's page, under their names in
  // the roster: a group prepared on another day prints as on that day.
  printGmPage() {
    const chosen = this.chosen();
    if (chosen.length > 0) printGmPage(this.roster.gmPage(chosen));
  }

  endPrint() {
    document.body.classList.remove('printing-roster');
    document.getElementById('roster-print').replaceChildren();
  }
}
