// The command bar: the commands a player uses every minute within a thumb's
// reach, the others behind "Plus…", a menu button that the keyboard and
// screen readers work as a menu (arrows, Home, End, Escape). The menu is the
// browser's own popover, placed by the style sheet against "Plus…": a tap
// elsewhere or Escape closes it, Escape giving the focus back to "Plus…". A
// choice in the menu closes it before its command runs, and the focus goes
// back to "Plus…", so that a panel the command opens returns there.
export class CommandBar {
  // commands: the function of each data-command name.
  constructor(bar, commands) {
    this.menu = bar.querySelector('[role="menu"]');
    this.opener = bar.querySelector('[aria-haspopup="menu"]');
    bar.addEventListener('click', (event) => {
      const pressed = event.target.closest('button');
      if (!pressed) return;
      if (this.menu.contains(pressed)) this.closeMenu();
      commands[pressed.dataset.command]?.();
    });
    this.opener.addEventListener('keydown', (event) => {
      if (event.key !== 'ArrowDown' && event.key !== 'ArrowUp') return;
      event.preventDefault();
      this.openMenu(event.key === 'ArrowUp' ? -1 : 0);
    });
    this.menu.addEventListener('keydown', (event) => this.onMenuKey(event));
    this.menu.addEventListener('toggle', (event) => this.onToggle(event.newState === 'open'));
    // A control the focus moves to is never scrolled under the bar: the page
    // keeps the bar's height clear (the style sheet's scroll padding).
    new ResizeObserver(([seen]) => document.documentElement.style.setProperty('--bar-height',
      `${seen.borderBoxSize[0].blockSize}px`)).observe(bar);
  }

  items() {
    return [...this.menu.querySelectorAll('[role="menuitem"]')].filter((item) => !item.disabled);
  }

  // at: the place of the item to focus, -1 for the last.
  openMenu(at = 0) {
    this.focusAt = at;
    if (!this.menu.matches(':popover-open')) this.menu.showPopover();
    else this.focusItem(at);
  }

  closeMenu() {
    if (this.menu.matches(':popover-open')) this.menu.hidePopover();
    this.opener.focus();
  }

  onToggle(open) {
    this.opener.setAttribute('aria-expanded', String(open));
    if (!open) return;
    this.focusItem(this.focusAt ?? 0);
    this.focusAt = null;
  }

  // at: a place in the enabled items, -1 for the last.
  focusItem(at) {
    this.items().at(at)?.focus();
  }

  onMenuKey(event) {
    if (event.key === 'Tab') {
      event.preventDefault();
      this.closeMenu();
      return;
    }
    const items = this.items();
    const at = items.indexOf(document.activeElement);
    const moves = { ArrowDown: at + 1, ArrowUp: at - 1 + items.length, Home: 0, End: items.length - 1 };
    if (!(event.key in moves)) return;
    event.preventDefault();
    this.focusItem(moves[event.key] % items.length);
  }
}
