// What the player does, forwarded to the engine's session: typing and
// ticking change the sheet only; the two entries, the improvement clicks and
// QUITTER run in the engine and the sheet is shown again. Everything the
// mouse or a finger does, the keyboard does too. After each change the
// sheet is shown again and a 'sheetchange' event goes out; what the press
// did, as the engine words it, goes to the message area.
import { say, showMessage } from './message.js';
import { cursorStyle } from './sheet_view.js';

const RESTARTED = 'Fiche remise à son état de départ (un onglet que la page n’a pas ouvert ne se ferme pas).';

const activates = (event) =>
  (event.key === 'Enter' || event.key === ' ') && !(event.ctrlKey || event.metaKey || event.altKey || event.shiftKey);

function onActivation(element, run) {
  element.addEventListener('keydown', (event) => {
    if (!activates(event)) return;
    event.preventDefault();
    run();
  });
}

function onEnter(element, run) {
  element.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.isComposing) return;
    event.preventDefault();
    run();
  });
}

export class SheetActions extends EventTarget {
  // engine: the fixed controls, the Tab order and the values a press spends
  // an improvement roll on.
  constructor(session, view, engine) {
    super();
    this.session = session;
    this.view = view;
    const fixed = engine.fixedControls();
    this.listenToTyping();
    const title = view.element(fixed.title);
    title.addEventListener('click', () => this.randomEntry());
    title.style.cursor = cursorStyle(engine.windowFacts().titleCursor, 'pointer');
    view.element(fixed.typedEntry).addEventListener('click', () => this.typedEntry());
    view.element(fixed.quit).addEventListener('click', () => this.quit());
    const hint = document.getElementById('improve-hint');
    const improvement = engine.improvementControls();
    const [clicked, keyed] = [new Set(improvement.clicks), new Set(improvement.keys)];
    // Each tick box says what a tick does, as the window's tooltip does.
    const tips = engine.selectorTips();
    for (const row of view.rows) {
      const element = view.element(row.name);
      if (tips[row.name]) element.title = tips[row.name];
      // Boxes the player can neither change nor press take focus by click only, as in the window.
      if (row.focus === 'click') element.tabIndex = -1;
      if (clicked.has(row.name)) {
        element.classList.add('clickable');
        element.addEventListener('click', () => this.improve(row.name));
      }
      if (keyed.has(row.name)) {
        element.setAttribute('aria-describedby', hint.id);
        onActivation(element, () => this.improveByKey(row.name));
      }
    }
    this.firstStop = view.element(engine.tabOrder()[0]);
    // Enter in a blue box is "Saisie/Reroll"; a phone offers the keys for numbers.
    for (const name of engine.blueBoxes()) {
      const box = view.element(name);
      box.inputMode = 'numeric';
      box.enterKeyHint = 'go';
      onEnter(box, () => this.typedEntry());
    }
    this.commands = { random: () => this.randomEntry(), typedEntry: () => this.typedEntry() };
    this.view.show(JSON.parse(this.session.json()));
    this.nameControls();
  }

  // Shows the sheet as the engine holds it after an action. The names a
  // screen reader says (a skill's value is named after its skill) follow
  // in a task of their own, once the player sees the sheet.
  refresh() {
    this.clearRefused();
    this.view.show(JSON.parse(this.session.json()));
    this.dispatchEvent(new Event('sheetchange'));
    if (this.naming) return;
    this.naming = setTimeout(() => {
      this.naming = null;
      this.nameControls();
    });
  }

  nameControls() {
    for (const [name, spoken] of Object.entries(this.session.spokenNames())) {
      const element = this.view.element(name);
      if (element && element.getAttribute('aria-label') !== spoken) element.setAttribute('aria-label', spoken);
    }
  }

  listenToTyping() {
    this.view.client.addEventListener('input', (event) => {
      const { control } = event.target.dataset;
      if (!control) return;
      if (event.target.type === 'checkbox') this.session.setTicked(control, event.target.checked);
      else this.session.setText(control, event.target.value);
      if (event.target === this.refused) this.clearRefused();
      this.view.noteTyped(control, event.target.type === 'checkbox' ? event.target.checked : event.target.value);
    });
  }

  randomEntry() {
    const outcome = this.session.randomEntry();
    this.refresh();
    say(outcome);
  }

  async typedEntry() {
    const { outcome, refusal } = this.session.typedEntry();
    this.refresh();
    say(outcome);
    if (!refusal) return;
    const box = this.view.element(refusal.field);
    this.markRefused(box);
    await showMessage(refusal.message, refusal.detail);
    box.scrollIntoView({ block: 'center' });
    box.focus({ preventScroll: true });
    box.select();
  }

  // The box a refusal names stays invalid for screen readers until the
  // player types in it or the sheet is shown again after any action.
  markRefused(box) {
    this.refused = box;
    box.setAttribute('aria-invalid', 'true');
  }

  clearRefused() {
    this.refused?.removeAttribute('aria-invalid');
    this.refused = null;
  }

  improve(name) {
    this.improved(this.session.improve(name));
  }

  improveByKey(name) {
    this.improved(this.session.improveByKey(name));
  }

  // outcome: what the press spent, or why it spent nothing.
  improved(outcome) {
    this.refresh();
    if (outcome) say(outcome);
  }

  // A page may close only a tab that a script opened; any other tab goes
  // back to the launch state instead.
  quit() {
    window.close();
    if (window.closed) return;
    this.session.restart();
    this.refresh();
    say(RESTARTED);
    this.firstStop.focus();
  }

  focusFirstStop() {
    this.firstStop.focus({ preventScroll: true });
  }
}
