// What the player does, forwarded to the engine's session: typing and
// ticking change the sheet only; the two entries, the improvement clicks and
// QUITTER run in the engine and the sheet is shown again. Everything the
// mouse or a finger does, the keyboard does too.
import { showMessage } from './message.js';

const activates = (event) => event.key === 'Enter' || event.key === ' ';

export class SheetActions {
  constructor(session, view, tabStops, isImprovementTarget) {
    this.session = session;
    this.view = view;
    this.refresh();
    this.listenToTyping();
    this.orderTabs(tabStops);
    this.clickable(view.element('orvandel'), () => this.randomEntry());
    view.element('orvandel').classList.add('title-picture');
    view.element('Command1').addEventListener('click', () => this.typedEntry());
    view.element('Command2').addEventListener('click', () => this.quit());
    for (const row of view.rows)
      if (isImprovementTarget(row.name))
        this.clickable(view.element(row.name), () => this.improve(row.name));
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

  // The window's Tab order first (each blue box followed by its selector,
  // then the other controls the player can change, in layout order); then
  // the title picture and the improvement targets, which the window reaches
  // by mouse only. Read-only boxes take focus by click only, as there.
  orderTabs(tabStops) {
    const changeable = (row) =>
      ['selector', 'button'].includes(row.kind) || (['field', 'multiline'].includes(row.kind) && row.look.editable);
    const order = [...tabStops];
    for (const row of this.view.rows) if (changeable(row) && !order.includes(row.name)) order.push(row.name);
    for (const row of this.view.rows)
      if (['field', 'multiline'].includes(row.kind) && !row.look.editable) this.view.element(row.name).tabIndex = -1;
    order.forEach((name, i) => { this.view.element(name).tabIndex = i + 1; });
    this.firstStop = this.view.element(order[0]);
  }

  clickable(element, run) {
    element.classList.add('clickable');
    element.tabIndex = 0;
    if (element.tagName !== 'INPUT') element.setAttribute('role', 'button');
    element.addEventListener('click', run);
    element.addEventListener('keydown', (event) => {
      if (!activates(event)) return;
      event.preventDefault();
      run();
    });
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
