'use strict';
/* exported connectHost */

// Inside a course page (an iframe): a click or tap on the picture or a
// control gives the frame the keyboard, which the cancelled pointer press
// would otherwise leave with the host; and the host hears of every change
// of the view with one message, posted to the parent window:
//   {type: 'bellscope-view', address, state}
// address is the link to the view (as Copy link gives it) and state the
// program's state as the page reads it. Returns tell(state); outside a
// frame it does nothing.
function connectHost(program) {
  const framed = window.parent !== window;
  if (framed) {
    const takeKeys = () => window.focus();
    document.getElementById('app').addEventListener('pointerdown', takeKeys, true);
  }
  return {
    framed,
    tell(state) {
      if (!framed) return;
      const query = program.link();
      const address = location.href.replace(/[?#].*$/, '') + (query ? '?' + query : '');
      window.parent.postMessage({ type: 'bellscope-view', address, state }, '*');
    },
  };
}
