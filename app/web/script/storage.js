'use strict';
/* exported remembered, remember, keptInTab, keepInTab */

// What the page keeps, each by its name here: in this browser, the colours
// and the language chosen, the build it showed last (to say "Updated"
// once) and, installed as an app, the view to open in; in this tab, a
// challenge's progress, and a walk's.
const STORED = {
  colours: 'bellscope.colours',
  language: 'bellscope.language',
  build: 'bellscope.build',
  start: 'bellscope.start',
  challenge: 'bellscope.challenge',
  track: 'bellscope.track',
};

// What this browser remembers for the page (localStorage), and what this
// tab keeps across a reload (sessionStorage). A browser or a host page that
// forbids storage leaves the page working as before, only keeping nothing:
// remembered(name) and keptInTab(name) are then null, and remember(name,
// value) and keepInTab(name, value) (null forgets it) say whether the value
// was kept.
/**
 * @typedef {keyof typeof STORED} StoredName
 * @param {'localStorage' | 'sessionStorage'} area
 * @param {StoredName} name
 */
function storedIn(area, name) {
  try {
    return window[area].getItem(STORED[name]);
  } catch {
    return null;
  }
}
/**
 * @param {'localStorage' | 'sessionStorage'} area
 * @param {StoredName} name
 * @param {string | null} value
 */
function store(area, name, value) {
  try {
    if (value === null) window[area].removeItem(STORED[name]);
    else window[area].setItem(STORED[name], value);
    return true;
  } catch {
    return false;
  }
}
const remembered = (/** @type {StoredName} */ name) => storedIn('localStorage', name);
const remember = (/** @type {StoredName} */ name, /** @type {string} */ value) => store('localStorage', name, value);
const keptInTab = (/** @type {StoredName} */ name) => storedIn('sessionStorage', name);
const keepInTab = (/** @type {StoredName} */ name, /** @type {string | null} */ value) =>
  store('sessionStorage', name, value);
