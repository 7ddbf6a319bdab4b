// What the player does, forwarded to the engine's session: typing and
// ticking change the sheet only; the two entries, the improvement clicks and
// QUITTER run in the engine and the sheet is shown again. Everything the
// mouse or a finger does, the keyboard does too.
import { showMessage } from './message.js';
import { cursorStyle } from './sheet_view.js';

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

export class SheetActions {
  // engine: the Tab order, the controls with a role of their own, and the
  // Session class's improvement questions.
  constructor(session, view, engine) {
    this.session = session;
    this.view = view;
    this.refresh();
    this.listenToTyping();
    const fixed = engine.fixedControls();
    const title = view.element(fixed.title);
    this.clickable(title, () => this.randomEntry());
    title.style.cursor = cursorStyle(engine.windowFacts().titleCursor, 'pointer');
    this.orderTabs(engine.tabOrder(), view.rows);
    view.element(fixed.typedEntry).addEventListener('click', () => this.typedEntry());
    view.element(fixed.quit).addEventListener('click', () => this.quit());
    for (const row of view.rows) {
      const element = view.element(row.name);
      if (engine.Session.isImprovementTarget(row.name)) {
        element.classList.add('clickable');
        element.addEventListener('click', () => this.improve(row.name));
      }
      if (engine.Session.takesImprovementKeys(row.name)) onActivation(element, () => this.improveByKey(row.name));
    }
    // Enter in a blue box is "Saisie/Reroll".
    for (const name of engine.blueBoxes()) onEnter(view.element(name), () => this.typedEntry());
    document.addEventListener('keydown', (event) => this.onShortcut(event));
  }

  // Ctrl+N: "Nouveau personnage", where the browser leaves the key to the
  // page (a tab usually keeps it for a new window: the title picture is in
  // the Tab order for that).
  onShortcut(event) {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || event.shiftKey) return;
    if (event.key.toLowerCase() !== 'n' || document.getElementById('message').open) return;
    event.preventDefault();
    this.randomEntry();
  }

  // Shows the sheet as the engine holds it after an action.
  refresh() {
    this.view.show(JSON.parse(this.session.json()));
    this.afterChange?.();
  }

  listenToTyping() {
    this.view.client.addEventListener('input', (event) => {
      const { control } = event.target.dataset;
      if (!control) return;
      if (event.target.type === 'checkbox') this.session.setTicked(control, event.target.checked);
      else this.session.setText(control, event.target.value);
      this.view.noteTyped(control, event.target.type === 'checkbox' ? event.target.checked : event.target.value);
    });
  }

  // The window's Tab order; the read-only boxes take focus by click only,
  // as there.
  orderTabs(order, rows) {
    for (const row of rows) if (row.focus === 'click') this.view.element(row.name).tabIndex = -1;
    order.forEach((name, i) => { this.view.element(name).tabIndex = i + 1; });
    this.firstStop = this.view.element(order[0]);
  }

  clickable(element, run) {
    element.classList.add('clickable');
    element.setAttribute('role', 'button');
    element.addEventListener('click', run);
    onActivation(element, run);
  }

  randomEntry() {
    this.session.randomEntry();
    this.refresh();
  }

  async typedEntry() {
    const refusal = this.session.typedEntry();
    this.refresh();
    if (!refusal) return;
    await showMessage(refusal.message);
    this.view.element(refusal.field)?.focus();
  }

  improve(name) {
    this.session.improve(name);
    this.refresh();
  }

  improveByKey(name) {
    this.session.improveByKey(name);
    this.refresh();
  }

  // A page may close only a tab that a script opened; any other tab goes
  // back to the launch state instead.
  quit() {
    window.close();
    if (window.closed) return;
    this.session.restart();
    this.refresh();
    this.firstStop.focus();
  }

  focusFirstStop() {
    this.firstStop.focus({ preventScroll: true });
  }
}
