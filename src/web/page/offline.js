// Offline and installable: the service worker caches the whole site. When a
// new version of the site replaces a cached one, the page reloads once onto
// it, so that it never runs old and new files together.
export function workOffline() {
  if (!('serviceWorker' in navigator)) return;
  const updating = Boolean(navigator.serviceWorker.controller);
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (updating) window.location.reload();
  });
  navigator.serviceWorker.register('sw.js');
}
