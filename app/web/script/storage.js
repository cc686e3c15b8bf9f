'use strict';
/* exported remembered, remember, keptInTab, keepInTab */

// What this browser remembers for the page (localStorage). A browser or a
// host page that forbids storage leaves the page working as before, only
// remembering nothing: remembered(key) is then null, and remember(key,
// value) says whether the value was kept.
/** @param {string} key */
function remembered(key) {
  try {
    return window.localStorage.getItem(key);
  } catch {
    return null;
  }
}
/**
 * @param {string} key
 * @param {string} value
 */
function remember(key, value) {
  try {
    window.localStorage.setItem(key, value);
    return true;
  } catch {
    return false;
  }
}

// What this tab keeps across a reload (sessionStorage), on the same terms:
// keptInTab(key) is null where nothing is kept or storage is forbidden, and
// keepInTab(key, value) keeps a value, or forgets the key for null.
/** @param {string} key */
function keptInTab(key) {
  try {
    return window.sessionStorage.getItem(key);
  } catch {
    return null;
  }
}
/**
 * @param {string} key
 * @param {string | null} value
 */
function keepInTab(key, value) {
  try {
    if (value === null) window.sessionStorage.removeItem(key);
    else window.sessionStorage.setItem(key, value);
    return true;
  } catch {
    return false;
  }
}
