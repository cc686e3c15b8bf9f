'use strict';
/* exported remembered, remember */

// What this browser remembers for the page (localStorage). A browser or a
// host page that forbids storage leaves the page working as before, only
// remembering nothing: remembered(key) is then null, and remember(key,
// value) says whether the value was kept.
function remembered(key) {
  try {
    return window.localStorage.getItem(key);
  } catch {
    return null;
  }
}
function remember(key, value) {
  try {
    window.localStorage.setItem(key, value);
    return true;
  } catch {
    return false;
  }
}
