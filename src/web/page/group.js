// "Préparer un groupe…": the game master's workshop. The form asks for the
// conditions; the engine judges them and rolls random characters, keeping
// those that meet them, in slices of a few milliseconds between which the
// browser paints the progress and hears "Arrêter". The characters found go
// into the roster, where the roster panel stores them as any kept character,
// and the game master's page of the group prints from here.
import { printGmPage } from './gm_print.js';
import { say, showMessage } from './message.js';

// A slice rolls for this long, then the browser paints and listens: the
// progress is redrawn well within a tenth of a second, and the search still
// spends most of its time rolling.
const SLICE_MS = 25;
// One call into the engine rolls for about this long between two looks at
// the clock, so that a slice ends close to its time on any processor.
const CALL_MS = 2;

const COUNT_RANGE = (largest) => `Le nombre de personnages va de 1 à ${largest}.`;
const NOT_A_NUMBER = (name) => `« ${name} » n’est pas un nombre entier.`;
const SEARCHING = 'Recherche en cours…';

// Resolves once the browser has painted a frame, in a task of its own
// after it: the progress shown is the latest, and a press has been heard.
// (A plain task may come round again before the frame is due, and
// scheduler.yield() ahead of the tasks waiting, a press among them.)
const paintedFrame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

// A seed for the group's dice from the system's randomness.
function freshSeed() {
  return crypto.getRandomValues(new Uint32Array(2));
}

export class GroupPanel {
  // engine: the lists, the judge of the conditions and GroupSearch;
  // rosterPanel: resolves with the roster's panel, which keeps and stores.
  constructor(engine, rosterPanel) {
    this.engine = engine;
    this.rosterPanel = rosterPanel;
    this.choices = engine.groupChoices();
    this.panel = document.getElementById('groupe');
    this.form = document.getElementById('groupe-form');
    this.count = document.getElementById('groupe-count');
    this.sorcery = document.getElementById('groupe-sorcery');
    this.name = document.getElementById('groupe-name');
    this.progress = document.getElementById('groupe-progress');
    this.status = document.getElementById('groupe-status');
    this.count.max = String(this.choices.largestGroup);
    this.professions = this.checkList('groupe-professions', this.choices.professions);
    this.nationalities = this.checkList('groupe-nationalities', this.choices.nationalities);
    this.sorcery.replaceChildren(...this.choices.sorcery.map((label, at) => new Option(label, String(at))));
    this.bounds = this.boundRows();
    // The name follows the conditions until the game master types one.
    this.nameTyped = false;
    this.listen();
    this.commands = { group: () => this.open() };
  }

  // A tick box for each name, the whole line its label.
  checkList(id, names) {
    const list = document.getElementById(id);
    return names.map((name) => {
      const label = list.appendChild(document.createElement('label'));
      const box = label.appendChild(document.createElement('input'));
      box.type = 'checkbox';
      box.value = name;
      label.append(name);
      return box;
    });
  }

  // A min and a max box for each row, their hints what the rules can give.
  boundRows() {
    const rows = document.getElementById('groupe-bounds');
    return this.choices.measures.map((measure) => {
      const row = rows.appendChild(document.createElement('div'));
      row.className = 'group-bound';
      row.appendChild(document.createElement('span')).textContent = measure.caption;
      const range = row.appendChild(document.createElement('span'));
      range.className = 'group-range';
      const box = (side, word) => {
        const label = range.appendChild(document.createElement('label'));
        label.append(side);
        const input = label.appendChild(document.createElement('input'));
        input.type = 'number';
        input.inputMode = 'numeric';
        input.step = '1';
        input.setAttribute('aria-label', `${measure.caption} ${word}`);
        input.placeholder = String(side === 'min' ? measure.lowest : measure.highest);
        return input;
      };
      return { min: box('min', 'minimum'), max: box('max', 'maximum') };
    });
  }

  listen() {
    document.addEventListener('click', (event) => {
      const command = event.target.closest('[data-group-command]')?.dataset.groupCommand;
      if (command === 'open') this.open();
      else if (command === 'close') this.panel.close();
      else if (command === 'stop') this.stopping = true;
      else if (command === 'print') this.print();
    });
    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      if (!this.search) this.start();
    });
    this.form.addEventListener('change', () => this.followConditions());
    this.name.addEventListener('input', () => { this.nameTyped = this.name.value.trim() !== ''; });
    // Escape while rolling stops the search rather than hide it.
    this.panel.addEventListener('cancel', (event) => {
      if (!this.search) return;
      event.preventDefault();
      this.stopping = true;
    });
    this.panel.addEventListener('close', () => this.opener?.focus());
    // Over the panel the sheet's shortcuts rest, as over the roster.
    this.panel.addEventListener('keydown', (event) => {
      if (event.ctrlKey || event.metaKey) event.stopPropagation();
    });
  }

  open() {
    if (this.panel.open) return;
    this.opener = document.activeElement;
    this.roster();
    this.followConditions();
    this.panel.showModal();
    this.count.focus();
  }

  // The conditions as the engine reads them, and the box at fault when a
  // number cannot be read: {conditions, problem, field}.
  read() {
    const ticked = (boxes) => boxes.filter((box) => box.checked).map((box) => box.value);
    const conditions = {
      professions: ticked(this.professions),
      nationalities: ticked(this.nationalities),
      sorcery: Number(this.sorcery.value),
      bounds: [],
    };
    for (const row of this.bounds) {
      const bound = {};
      for (const side of ['min', 'max']) {
        const box = row[side];
        if (box.validity.badInput || (box.value !== '' && !Number.isInteger(box.valueAsNumber))) {
          return { conditions, problem: NOT_A_NUMBER(box.getAttribute('aria-label')), field: box };
        }
        bound[side] = box.value === '' ? null : box.valueAsNumber;
      }
      conditions.bounds.push(bound);
    }
    return { conditions, problem: '', field: null };
  }

  followConditions() {
    if (this.nameTyped) return;
    const { conditions, problem } = this.read();
    if (!problem) this.name.value = this.engine.proposedGroupName(conditions);
  }

  wanted() {
    const count = this.count.valueAsNumber;
    return Number.isInteger(count) && count >= 1 && count <= this.choices.largestGroup ? count : null;
  }

  // The refusal, as the engine words it, in a message that a phone shows
  // wherever the form is scrolled to; then the focus on the part of the
  // form at fault where it is known.
  async refuse(problem, field) {
    this.status.textContent = problem;
    await showMessage(problem);
    field?.focus();
  }

  async start() {
    const wanted = this.wanted();
    if (wanted === null) {
      this.refuse(COUNT_RANGE(this.choices.largestGroup), this.count);
      return;
    }
    const read = this.read();
    const problem = read.problem || this.engine.conditionsProblem(read.conditions);
    if (problem) {
      this.refuse(problem, read.field ?? this.faultyPart(problem));
      return;
    }
    this.made?.delete();
    this.made = null;
    const [high, low] = freshSeed();
    this.search = new this.engine.GroupSearch(read.conditions, wanted, high, low);
    this.stopping = false;
    // Characters rolled by one call, learnt from the first calls.
    this.draws = 1;
    this.running(true);
    await this.roll();
    await this.finish(this.name.value);
  }

  // The part of the form a refusal names: the row whose caption or key it
  // quotes, else the lists.
  faultyPart(problem) {
    const at = this.choices.measures.findIndex((m) => problem.includes(m.caption) || problem.includes(m.key));
    if (at >= 0) return this.bounds[at].min;
    if (this.professions.some((box) => box.checked && problem.includes(box.value))) return this.professions[0];
    return null;
  }

  // Rolls slice after slice until the search is over or the game master
  // stops it, showing the progress after each and painting it before the
  // next.
  async roll() {
    let over = false;
    while (!over) {
      await paintedFrame();
      if (this.stopping) return;
      const end = performance.now() + SLICE_MS;
      for (let now = performance.now(); !over && now < end;) {
        over = this.search.advance(this.draws);
        const took = performance.now() - now;
        now += took;
        this.draws = Math.max(1, Math.min(2 * this.draws, Math.round((this.draws * CALL_MS) / Math.max(took, 0.1))));
      }
      this.showProgress();
    }
  }

  showProgress() {
    this.progress.value = this.search.found();
    this.status.textContent = this.search.summary();
  }

  // While rolling the form rests, but for "Arrêter"; the live status waits
  // for the outcome rather than read out every slice.
  running(on) {
    for (const control of this.form.elements) control.disabled = on;
    this.panel.querySelector('[data-group-command="stop"]').disabled = !on;
    this.panel.querySelector('[data-group-command="print"]').disabled = on || !this.made;
    this.status.setAttribute('aria-busy', String(on));
    if (on) {
      this.progress.max = this.search.wanted();
      this.progress.value = 0;
      this.status.textContent = SEARCHING;
      this.panel.querySelector('[data-group-command="stop"]').focus();
    }
  }

  // name: the group's, each member's name before its number. The outcome is
  // shown at once, the roster stored after.
  async finish(name) {
    const search = this.search;
    const roster = search.givenUp() ? null : await this.roster();
    if (roster) {
      this.names = roster.roster.keepGroup(search, name);
      this.made = this.names.length > 0 ? search : null;
    }
    const told = search.outcome(roster ? this.names : []);
    if (this.made !== search) search.delete();
    this.search = null;
    this.running(false);
    this.status.textContent = told;
    say(told);
    this.form.querySelector('button[type="submit"]').focus();
    await roster?.save();
  }

  // The roster's panel with its stored roster read, asked for when the
  // panel opens: a stored roster is then read before any search, not
  // between its last slice and its outcome.
  roster() {
    this.rosterReady ??= this.rosterPanel().then(async (panel) => {
      await panel.loaded();
      return panel;
    });
    return this.rosterReady;
  }

  // The game master's page of the group last kept, on paper only.
  print() {
    if (this.made) printGmPage(this.made.gmPage(this.names));
  }
}
