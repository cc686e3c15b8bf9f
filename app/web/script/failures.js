'use strict';
/* exported connectFailures */
/* global pageAddress, say */

// What goes wrong, said above the controls in the page's language, and
// again after it changes: the first failure of the program or its module,
// in place of "Loading" (what follows from it says less), and what in the
// address cannot be shown. The controls, the page's heading and the text
// below the picture wait for the first frame (or a failure), which is
// painted first, in the box the picture keeps: nothing is shown half
// written. Returns refuse(key, values), the program's handlers
// of failures (failed, viewRefused, aborted), loaded() and shown(), for the
// module loaded and its first frame shown, and relabel().
/**
 * @typedef {(key: TextKey, values?: TextValues) => void} Refuse
 * @param {() => void} layOutAgain
 */
function connectFailures(layOutAgain) {
  const status = /** @type {HTMLElement} */ (document.getElementById('status'));
  const viewMessage = /** @type {HTMLElement} */ (document.getElementById('view-message'));
  const waiting = /** @type {HTMLElement[]} */ ([...document.querySelectorAll('#panel, h1, #about')]);
  for (const part of waiting) part.classList.add('waiting');
  const shown = () => waiting.forEach((part) => part.classList.remove('waiting'));
  /** @type {Saying | null} */
  let failed = null; // [text key, values] of the failure told
  /** @type {Saying[]} */
  const refusals = [];
  function relabel() {
    if (failed) status.textContent = say(...failed);
    viewMessage.textContent = refusals.map(([key, values]) => say(key, values)).join(' ');
    viewMessage.hidden = !refusals.length;
    layOutAgain();
  }
  /** @type {Refuse} */
  function fail(key, values = {}) {
    if (failed) return;
    failed = [key, values];
    shown();
    status.className = 'error';
    status.hidden = false;
    relabel();
  }
  /** @type {Refuse} */
  function refuse(key, values = {}) {
    refusals.push([key, values]);
    relabel();
  }
  for (const [key, values] of pageAddress.refusals) refuse(key, values);

  // A failure of the module's in a promise no one waits for, before the
  // program has started, is said here.
  window.addEventListener('unhandledrejection', (e) => {
    if (!status.hidden) fail('moduleFailed', { what: (e.reason && e.reason.message) || String(e.reason) });
  });
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') fail('noWebAssembly');

  return {
    refuse,
    failed: (/** @type {TextKey} */ reason) => fail('cannotStart', { why: { key: reason } }),
    viewRefused: (/** @type {Refusal | null} */ refusal) =>
      refuse('viewRefused', { why: /** @type {Refusal} */ (refusal) }), // the program tells one
    aborted: (/** @type {string} */ what) => fail(status.hidden ? 'stopped' : 'moduleFailed', { what }),
    loaded() {
      if (!failed) status.hidden = true;
    },
    shown,
    relabel,
  };
}
