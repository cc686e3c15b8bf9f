'use strict';
/* exported connectHelp */

// "Keyboard help": a dialog with the Controls table, opened by its button
// or by ? while the picture or a control has the focus (a shortcut of one
// printable key is active only there, as WCAG 2.1.4 allows). Keys pressed
// in the dialog are its own; Esc closes it, and the focus goes back where
// it was. Returns relabel(), for another language.
function connectHelp() {
  const dialog = document.getElementById('help');
  function copyTable() {
    const table = document.getElementById('controls-table').cloneNode(true);
    table.removeAttribute('id');
    document.getElementById('help-table').replaceChildren(table);
  }
  copyTable();
  let before = null;
  function open() {
    if (dialog.open) return;
    before = document.activeElement;
    dialog.showModal();
  }
  // Tab goes round the dialog's controls, never out to the browser's.
  dialog.bellscopeKey = (e) => {
    if (e.key !== 'Tab') return;
    const stops = [...dialog.querySelectorAll('button, a[href], input, select')];
    const at = stops.indexOf(document.activeElement);
    const next = (at + (e.shiftKey ? stops.length - 1 : 1)) % stops.length;
    e.preventDefault();
    stops[at < 0 ? 0 : next].focus();
  };
  dialog.addEventListener('close', () => {
    if (before && before.isConnected) before.focus();
  });
  document.getElementById('keyboard-help').addEventListener('click', open);
  window.addEventListener('keydown', (e) => {
    if (e.key !== '?' || e.ctrlKey || e.altKey || e.metaKey || !e.target.closest) return;
    if (!e.target.closest('#canvas, button, select, input[type="checkbox"]')) return;
    e.preventDefault();
    open();
  });
  return { relabel: copyTable };
}
