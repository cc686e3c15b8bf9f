'use strict';
/* exported connectHost */

// Inside a course page (an iframe): a click or tap on the picture or a
// control gives the frame the keyboard, which the cancelled pointer press
// would otherwise leave with the host; and the host hears of every change
// of the view with one message, posted to the parent window:
//   {type: 'bellscope-view', address, state}
// address is the link to the view (as Copy link gives it: parameters()
// is what it carries besides the view, the language and the lesson) and
// state the program's state as the page reads it. Returns tell(state);
// outside a frame it does nothing.
/**
 * @typedef {ReturnType<typeof connectHost>} Host
 * @param {Program} program
 * @param {() => string} parameters
 */
function connectHost(program, parameters) {
  const insideFrame = window.parent !== window;
  if (insideFrame) {
    const takeKeys = () => window.focus();
    /** @type {HTMLElement} */ (document.getElementById('app')).addEventListener('pointerdown', takeKeys, true);
  }
  return {
    insideFrame,
    /** @param {BellscopeState} state */
    tell(state) {
      if (!insideFrame) return;
      const query = [parameters(), program.link()].filter(Boolean).join('&');
      const address = location.href.replace(/[?#].*$/, '') + (query ? '?' + query : '');
      window.parent.postMessage({ type: 'bellscope-view', address, state }, '*');
    },
  };
}
