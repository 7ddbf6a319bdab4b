// The modal message with its one OK button. Resolves once it is closed, by
// the button, Enter or Escape.
export function showMessage(text) {
  const dialog = document.getElementById('message');
  dialog.querySelector('#message-text').textContent = text;
  const button = dialog.querySelector('button');
  return new Promise((resolve) => {
    const close = () => dialog.close();
    button.addEventListener('click', close, { once: true });
    dialog.addEventListener('close', () => {
      button.removeEventListener('click', close);
      resolve();
    }, { once: true });
    dialog.showModal();
    button.focus();
  });
}
