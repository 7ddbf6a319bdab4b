// The page's keyboard shortcuts in one table, as the window's actions:
// Ctrl (or ⌘) with the key, Shift where the row says so, running the
// command of that name. Ctrl+N is "Nouveau personnage" where the browser
// leaves the key to the page (a tab usually keeps it for a new window: the
// title picture is a button early in the Tab order for that).
import { messageOpen } from './message.js';

const SHORTCUTS = [
  { key: 'n', shift: false, command: 'random' },
  { key: 'z', shift: false, command: 'undo' },
  { key: 'z', shift: true, command: 'redo' },
  { key: 'y', shift: false, command: 'redo' },
  { key: 's', shift: false, command: 'save' },
  { key: 'o', shift: false, command: 'open' },
  { key: 'd', shift: false, command: 'keepCharacter' },
  { key: 'j', shift: false, command: 'journal' },
  { key: 'l', shift: true, command: 'roster' },
  { key: 'g', shift: false, command: 'group' },
  // Only with nothing selected: a selection is copied as the browser does.
  { key: 'c', shift: false, command: 'copy', leavesSelection: true },
];

// Whether the player has selected text of his own.
function textSelected() {
  const active = document.activeElement;
  if (active && typeof active.selectionStart === 'number' && active.selectionStart !== active.selectionEnd) return true;
  return !document.getSelection().isCollapsed;
}

// commands: the function of each command name. While the message box is
// up, its button alone answers.
export function listenToShortcuts(commands) {
  document.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || messageOpen()) return;
    const key = event.key.toLowerCase();
    const row = SHORTCUTS.find((s) => s.key === key && s.shift === event.shiftKey);
    if (!row || (row.leavesSelection && textSelected())) return;
    event.preventDefault();
    commands[row.command]();
  });
}
