// The modal message with its one OK button. Resolves once it is closed, by
// the button, Enter or Escape. A detail, when there is one, is a sentence of
// its own under the message, as the window's informative text.
const dialog = () => document.getElementById('message');

export function showMessage(text, detail = '') {
  const box = dialog();
  box.querySelector('#message-text').textContent = text;
  const under = box.querySelector('#message-detail');
  under.textContent = detail;
  under.hidden = !detail;
  const button = box.querySelector('button');
  return new Promise((resolve) => {
    const close = () => box.close();
    button.addEventListener('click', close, { once: true });
    box.addEventListener('close', () => {
      button.removeEventListener('click', close);
      resolve();
    }, { once: true });
    box.showModal();
    button.focus();
  });
}

// Whether a message is up.
export const messageOpen = () => dialog().open;

// The message area above the command bar: what the player's last press did,
// seen where the thumb is and spoken by screen readers (a polite live
// region); or a panel's own such area, while the panel hides the bar. The
// same sentence twice is written anew, so that it is heard again.
export function say(text, area = document.getElementById('keeping-status')) {
  if (area.textContent !== text) {
    area.textContent = text;
    return;
  }
  area.textContent = '';
  setTimeout(() => { area.textContent = text; }, 100);
}
