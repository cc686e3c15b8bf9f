'use strict';
/* exported connectLanguage */
/* global LANGUAGES, TEXTS, language, nearestLanguage, pageAddress, remember, remembered, setLanguage */

// The page's language: the address's lang=CODE first (English for one we
// do not have), then the one chosen here before, then the browser's
// preferred languages, then English. Set as soon as this script runs, so
// that the page is laid out in it from the start. connectLanguage(changed)
// fills the menu "Language", which changes it at once, remembered where the
// browser allows it, and calls changed() to say everything again.
const LANGUAGE_STORE = 'bellscope.language';
(() => {
  const stored = remembered(LANGUAGE_STORE);
  const preferred = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language];
  if (pageAddress.lang !== null) setLanguage(nearestLanguage(pageAddress.lang) || 'en');
  else setLanguage(nearestLanguage(stored) || preferred.map(nearestLanguage).find(Boolean) || 'en');
})();

function connectLanguage(changed) {
  const menu = document.getElementById('language');
  menu.append(
    ...LANGUAGES.map((code) => {
      const option = new Option(TEXTS[code].languageName, code);
      option.lang = code; // each in its own language, read so too
      return option;
    }),
  );
  menu.value = language; // none for the pseudo-language, which is not offered
  menu.addEventListener('change', () => {
    remember(LANGUAGE_STORE, menu.value); // where storage is forbidden, the language changes all the same
    setLanguage(menu.value);
    changed();
  });
}
