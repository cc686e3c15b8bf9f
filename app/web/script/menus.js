'use strict';
/* exported connectMenus */
/* global remember, remembered, showPageColours, showText */

// The menus Names and Colours. The names follow the program's state. The
// colours, by name, are remembered in this browser; without a choice, a
// system that asks for more contrast, or forces its own colours, starts
// with the colour-blind-safe ones. Another choice colours the page too and
// has everything said again (sayAgain), as the texts name the product's
// colour. Returns loaded(), which gives the loaded program the colours
// chosen, and show(state).
/**
 * @param {Program} program
 * @param {() => void} sayAgain
 */
function connectMenus(program, sayAgain) {
  const names = /** @type {HTMLSelectElement} */ (document.getElementById('names'));
  const colours = /** @type {HTMLSelectElement} */ (document.getElementById('colours'));
  names.addEventListener('change', () => program.setNames(names.value));
  const stored = remembered('colours');
  const wantsContrast = ['(prefers-contrast: more)', '(forced-colors: active)'].some((q) => matchMedia(q).matches);
  const known = [...colours.options].some((o) => o.value === stored);
  colours.value = known ? /** @type {string} */ (stored) : wantsContrast ? 'colour-blind-safe' : 'design';
  colours.addEventListener('change', () => {
    const message = /** @type {HTMLElement} */ (document.getElementById('colours-message'));
    showText(message, remember('colours', colours.value) ? null : 'notRemembered'); // a host that forbids storage
    program.setColours(colours.value);
    showPageColours(colours.value);
    sayAgain();
  });
  return {
    loaded() {
      if (colours.value !== 'design') program.setColours(colours.value);
    },
    /** @param {BellscopeState} state */
    show(state) {
      names.value = state.names;
    },
  };
}
