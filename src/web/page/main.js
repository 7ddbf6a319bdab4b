// Start-up: the engine, the session of this page (the clock's dice, or the
// seeded dice of ?seed=N, as orvandel-cli --seed N), the sheet drawn from the
// layout table, and the actions wired to it.
import createEngine from './engine.js';
import { SheetView, fontStyle } from './sheet_view.js';
import { SheetActions } from './actions.js';
import { fitToViewport } from './fit.js';
import { Keeping } from './keeping.js';
import { openSharedSheet } from './share.js';
import { workOffline } from './offline.js';

const engine = await createEngine();
const facts = engine.windowFacts();
document.title = facts.title;
// The message box speaks in the window's font, as the window's does.
document.getElementById('message').style.cssText = fontStyle(facts.font);
const stage = document.getElementById('stage');
const view = new SheetView(engine.layoutRows(), facts, engine.fixedControls());
// Fitted before it joins the page, so that reading the viewport's width
// costs no layout of the whole sheet.
fitToViewport(view, stage);
stage.replaceChildren(view.client);
const seed = new URLSearchParams(window.location.search).get('seed') ?? '';
const session = new engine.Session(seed);
const actions = new SheetActions(session, view, engine);
new Keeping(session, actions, engine.largestSheet);
const openShared = () => openSharedSheet(session, engine.largestSheet, () => actions.refresh());
window.addEventListener('hashchange', openShared);
await openShared();
performance.mark('sheet-ready');
document.documentElement.dataset.ready = 'true';
// With a keyboard at hand, typing starts in the first blue box, as in the window.
if (window.matchMedia('(pointer: fine)').matches) actions.focusFirstStop();
workOffline();
