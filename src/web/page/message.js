// The modal message with its one OK button. Resolves once it is closed, by
// the button, Enter or Escape.
const dialog = () => document.getElementById('message');

export function showMessage(text) {
  const box = dialog();
  box.querySelector('#message-text').textContent = text;
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
