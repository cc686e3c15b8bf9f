'use strict';
/* exported connectHelp */

// "Keyboard help": a dialog with the Controls table, opened by its button
// or by ? wherever the focus is but in a text field, where it is typed.
// It opens at its top, the focus on its heading, so that a screen reader
// starts with its title and a short screen shows it (rather than the Close
// button at its foot). Keys pressed in the dialog are its own; Esc closes
// it, and the focus goes back where it was. Returns relabel(), for another
// language, takeKey(e, inText), which takes the ? that opens it, and keys,
// the dialog's own keys (for Controls' hearKeys).
function connectHelp() {
  const dialog = /** @type {HTMLDialogElement} */ (document.getElementById('help'));
  function copyTable() {
    const table = /** @type {HTMLElement} */ (
      /** @type {HTMLElement} */ (document.getElementById('controls-table')).cloneNode(true)
    );
    table.removeAttribute('id');
    /** @type {HTMLElement} */ (document.getElementById('help-table')).replaceChildren(table);
  }
  copyTable();
  const heading = /** @type {HTMLElement} */ (document.getElementById('help-heading'));
  /** @type {HTMLElement | null} */
  let before = null;
  function open() {
    if (dialog.open) return;
    before = /** @type {HTMLElement | null} */ (document.activeElement);
    dialog.showModal();
    heading.focus({ preventScroll: true });
    dialog.scrollTop = 0;
  }
  // Tab goes round the dialog's controls, never out to the browser's.
  /** @param {KeyboardEvent} e */
  function tabAround(e) {
    if (e.key !== 'Tab') return;
    const stops = [
      .../** @type {NodeListOf<HTMLElement>} */ (dialog.querySelectorAll('button, a[href], input, select')),
    ];
    const at = stops.indexOf(/** @type {HTMLElement} */ (document.activeElement));
    const next = (at + (e.shiftKey ? stops.length - 1 : 1)) % stops.length;
    e.preventDefault();
    stops[at < 0 ? 0 : next].focus();
  }
  dialog.addEventListener('close', () => {
    if (before && before.isConnected) before.focus();
  });
  /** @type {HTMLElement} */ (document.getElementById('keyboard-help')).addEventListener('click', open);
  // The question mark of every keyboard the page speaks to: Arabic ones
  // type their own, Chinese ones a full-width one.
  const QUESTION_MARKS = ['?', '\u061f', '\uff1f'];
  return {
    relabel: copyTable,
    keys: /** @type {KeyOwner[]} */ ([[dialog, tabAround]]),
    /** @type {KeyTaker} */
    takeKey(e, inText) {
      if (!QUESTION_MARKS.includes(e.key) || e.ctrlKey || e.altKey || e.metaKey || inText || dialog.open) return false;
      open();
      return true;
    },
  };
}
