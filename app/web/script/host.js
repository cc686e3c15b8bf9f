'use strict';
/* exported insideFrame, connectHost */

// Inside a course page (an iframe): a click or tap on the picture or a
// control gives the frame the keyboard, which the cancelled pointer press
// would otherwise leave with the host; and the host hears of every change
// of the view with one message, posted to the parent window:
//   {type: 'bellscope-view', address, state}
// address is the link to the view, as Copy link gives it (link()), and
// state the program's state as the page reads it. Returns show(state);
// outside a frame it does nothing.
const insideFrame = window.parent !== window;
/** @param {() => string | null} link */
function connectHost(link) {
  if (insideFrame) {
    const takeKeys = () => window.focus();
    /** @type {HTMLElement} */ (document.getElementById('app')).addEventListener('pointerdown', takeKeys, true);
  }
  return {
    /** @param {BellscopeState} state */
    show(state) {
      if (insideFrame) window.parent.postMessage({ type: 'bellscope-view', address: link(), state }, '*');
    },
  };
}
