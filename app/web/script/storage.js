'use strict';
/* exported remembered, remember, keptInTab, keepInTab */

// What the page keeps, each by its name here: in this browser, the colours
// and the language chosen, the build it showed last (to say "Updated"
// once) and, installed as an app, the view to open in; in this tab, a
// challenge's progress.
const STORED = {
  colours: 'bellscope.colours',
  language: 'bellscope.language',
  build: 'bellscope.build',
  start: 'bellscope.start',
  challenge: 'bellscope.challenge',
};

// What this browser remembers for the page (localStorage). A browser or a
// host page that forbids storage leaves the page working as before, only
// remembering nothing: remembered(name) is then null, and remember(name,
// value) says whether the value was kept.
/**
 * @typedef {keyof typeof STORED} StoredName
 * @param {StoredName} name
 */
function remembered(name) {
  try {
    return window.localStorage.getItem(STORED[name]);
  } catch {
    return null;
  }
}
/**
 * @param {StoredName} name
 * @param {string} value
 */
function remember(name, value) {
  try {
    window.localStorage.setItem(STORED[name], value);
    return true;
  } catch {
    return false;
  }
}

// What this tab keeps across a reload (sessionStorage), on the same terms:
// keptInTab(name) is null where nothing is kept or storage is forbidden,
// and keepInTab(name, value) keeps a value, or forgets it for null.
/** @param {StoredName} name */
function keptInTab(name) {
  try {
    return window.sessionStorage.getItem(STORED[name]);
  } catch {
    return null;
  }
}
/**
 * @param {StoredName} name
 * @param {string | null} value
 */
function keepInTab(name, value) {
  try {
    if (value === null) window.sessionStorage.removeItem(STORED[name]);
    else window.sessionStorage.setItem(STORED[name], value);
    return true;
  } catch {
    return false;
  }
}
