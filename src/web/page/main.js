// Start-up: the engine, the session of this page (fresh dice, or the
// seeded dice of ?seed=N, as orvandel-cli --seed N), the sheet drawn from the
// layout table in the order it is filled in, and the actions wired to it.
// The modules talk through events: the actions say when the sheet changed.
import createEngine from './engine.js';
import { SheetView, fontStyle } from './sheet_view.js';
import { SheetActions } from './actions.js';
import { Keeping } from './keeping.js';
import { CommandBar } from './command_bar.js';
import { arrangeForPhone, ViewChoice } from './phone_view.js';
import { listenToShortcuts } from './shortcuts.js';
import { workOffline } from './offline.js';

// The start-up is cut into a few tasks, so that the page answers between
// them on a slow phone: the engine, the layout's rows, the sheet built
// apart, its column arranged, then the sheet shown and wired in one go (a
// box shown unwired would lose what is typed into it).
const nextTask = () => new Promise((resolve) => setTimeout(resolve));
const engine = await createEngine();
await nextTask();
const facts = engine.windowFacts();
document.title = facts.title;
// The message box speaks in the window's font, as the window's does.
document.getElementById('message').style.cssText = fontStyle(facts.font);
const stage = document.getElementById('stage');
const fixed = engine.fixedControls();
const rows = engine.layoutRows();
await nextTask();
const view = new SheetView(rows, facts, fixed);
await nextTask();
arrangeForPhone(view, engine.tabOrder(), engine.columnPlaces());
new ViewChoice(document.getElementById('view-switch'));
await nextTask();
stage.replaceChildren(view.client);
document.getElementById('waiting').remove();
const seed = new URLSearchParams(window.location.search).get('seed') ?? '';
const session = new engine.Session(seed);
const actions = new SheetActions(session, view, engine);
const keeping = new Keeping(session, actions, engine);
// As the window asks before it quits, the tab asks before it closes or
// reloads over a character neither kept in the roster nor saved.
window.addEventListener('beforeunload', (event) => {
  if (session.holdsUnkeptCharacter()) event.preventDefault();
});
// The roster, the journal and the group's panel are fetched when first
// used: until one has arrived, a click on one of its buttons or one of its
// shortcuts waits for it and then runs; from then on the panel listens for
// itself. Returns the panel's shortcut commands by name, and the panel once
// loaded.
function whenUsed(buttons, load, runClick) {
  let panel = null;
  const onClick = (event) => {
    const target = event.target.closest?.(buttons);
    if (target) loaded().then((ready) => runClick(ready, target));
  };
  const loaded = () => (panel ??= load().then((ready) => {
    document.removeEventListener('click', onClick);
    return ready;
  }));
  document.addEventListener('click', onClick);
  const command = (name) => () => loaded().then((ready) => ready.commands[name]());
  command.loaded = loaded;
  return command;
}
const roster = whenUsed('[data-roster-command]',
  async () => new (await import('./roster.js')).RosterPanel(engine, session, actions),
  (panel, button) => panel.run(button.dataset.rosterCommand));
const journal = whenUsed('[data-journal-command="open"]',
  async () => new (await import('./journal.js')).JournalPanel(session, actions),
  (panel) => panel.open());
const group = whenUsed('[data-group-command="open"]',
  async () => new (await import('./group.js')).GroupPanel(engine, roster.loaded),
  (panel) => panel.open());
new CommandBar(document.getElementById('keeping'), { ...actions.commands, ...keeping.commands });
listenToShortcuts({
  ...actions.commands,
  ...keeping.commands,
  keepCharacter: roster('keepCharacter'),
  roster: roster('roster'),
  journal: journal('journal'),
  group: group('group'),
});
// A sheet in the address's fragment (a share link) is read by share.js,
// fetched only for such an address.
const openShared = async () => {
  if (!window.location.hash) return;
  const { openSharedSheet } = await import('./share.js');
  if (await openSharedSheet(session, engine.largestSheet)) actions.refresh();
};
window.addEventListener('hashchange', openShared);
await openShared();
performance.mark('sheet-ready');
document.documentElement.dataset.ready = 'true';
// With a keyboard at hand, typing starts in the first blue box, as in the window.
if (window.matchMedia('(pointer: fine)').matches) actions.focusFirstStop();
workOffline();
