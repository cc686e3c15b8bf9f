'use strict';
/* exported connectLanguage */
/* global LANGUAGES, TEXTS, language, loadLanguage, nearestLanguage, pageAddress, remember, remembered, say, setLanguage */

// The page's language: the address's lang=CODE first (English for one we
// do not have), then the one chosen here before, then the browser's
// preferred languages, then English. Chosen as soon as the page's head is
// read, so that the page is laid out in it from the start (its table
// fetched first, where the page does not carry it). connectLanguage(sayAgain)
// fills the menu "Language", which changes it at once, remembered where the
// browser allows it, and calls sayAgain() to say everything again.
/** @type {{sayAgain: (() => void) | null, unavailable: string, wanted: string | null}} */
const languageShown = { sayAgain: null, unavailable: '', wanted: null };

// Everything said in `code` from now on, once its table is there, unless
// another language is wanted by then; a table that cannot be fetched leaves
// the page in its language, saying so.
/** @param {string} code */
function useLanguage(code) {
  languageShown.wanted = code;
  return loadLanguage(code).then((loaded) => {
    if (languageShown.wanted !== code) return false;
    if (loaded) setLanguage(code);
    languageShown.unavailable = loaded
      ? ''
      : say('languageUnavailable', { language: LANGUAGES[code], current: LANGUAGES[language] });
    if (languageShown.sayAgain) languageShown.sayAgain();
    return loaded;
  });
}

(() => {
  const stored = remembered('language');
  const preferred = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language];
  const wanted =
    pageAddress.lang !== null
      ? nearestLanguage(pageAddress.lang) || 'en'
      : nearestLanguage(stored) || preferred.map(nearestLanguage).find(Boolean) || 'en';
  setLanguage(TEXTS[wanted] ? wanted : 'en');
  if (wanted !== language) useLanguage(wanted);
})();

/** @param {() => void} sayAgain */
function connectLanguage(sayAgain) {
  const menu = /** @type {HTMLSelectElement} */ (document.getElementById('language'));
  const message = /** @type {HTMLElement} */ (document.getElementById('language-message'));
  menu.append(
    ...Object.entries(LANGUAGES).map(([code, name]) => {
      const option = new Option(name, code);
      option.lang = code; // each in its own language, read so too
      return option;
    }),
  );
  languageShown.sayAgain = () => {
    menu.value = language; // none for the pseudo-language, which is not offered
    message.textContent = languageShown.unavailable;
    sayAgain();
  };
  menu.value = language;
  message.textContent = languageShown.unavailable;
  menu.addEventListener('change', () => {
    const code = menu.value;
    // Where storage is forbidden, the language changes all the same.
    useLanguage(code).then((loaded) => loaded && remember('language', code));
  });
}
