// Start-up: the engine, the session of this page (the clock's dice, or the
// seeded dice of ?seed=N, as orvandel-cli --seed N), the sheet drawn from the
// layout table, and the actions wired to it.
import createEngine from './engine.js';
import { SheetView } from './sheet_view.js';
import { SheetActions } from './actions.js';
import { fitToViewport } from './fit.js';

const engine = await createEngine();
const facts = engine.windowFacts();
document.title = facts.title;
const stage = document.getElementById('stage');
const view = new SheetView(engine.layoutRows(), facts, stage);
fitToViewport(view, stage);
const seed = new URLSearchParams(window.location.search).get('seed') ?? '';
const actions = new SheetActions(new engine.Session(seed), view, engine.tabStops(), engine.Session.isImprovementTarget);
if (window.matchMedia('(pointer: fine)').matches) actions.focusFirstStop();
document.documentElement.dataset.ready = 'true';
