'use strict';
/* exported connectOffline */
/* global remember, remembered, showText */

// The served page works offline and installs as an app: its service worker
// (bellscope-sw.js) keeps its files after the first visit. A browser that
// cannot install the worker, or a host that forbids it, leaves the page
// working online as before. The first time this browser shows a newer build
// than it showed before, the page says "Updated", once. bellscope.html
// opened from disk has no manifest, and no worker. Installed, the app opens
// in the view the page showed when it was installed. Returns the function
// that installs the worker, which the page calls once its first frame is
// shown, so that the worker's fetching never delays it.
/**
 * @param {() => void} layOutAgain
 * @returns {() => void}
 */
function connectOffline(layOutAgain) {
  const manifest = document.querySelector('link[rel="manifest"]');
  const build = /** @type {HTMLMetaElement | null} */ (document.querySelector('meta[name="bellscope-build"]'));
  if (!manifest || !build || !/^https?:$/.test(location.protocol)) return () => {};
  const seen = remembered('build'); // null without storage: nothing said
  remember('build', build.content);
  if (seen && seen !== build.content) {
    const updated = /** @type {HTMLElement} */ (document.getElementById('updated'));
    showText(updated, 'updated');
    updated.hidden = false;
    layOutAgain();
  }
  window.addEventListener('appinstalled', () => remember('start', location.search));
  return () => {
    // Registered again, a worker is not looked for anew, and the browser's
    // own look on a visit may be put off: asked for, a new build on the
    // server is found on every visit with the network.
    if ('serviceWorker' in navigator)
      navigator.serviceWorker
        .register('bellscope-sw.js')
        .then((registration) => registration.update())
        .catch(() => {});
  };
}
