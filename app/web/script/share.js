'use strict';
/* exported connectSharing */
/* global insideFrame, language, showText */

// "Copy link": the address of the view as it is now, on the clipboard where
// the browser allows it, and in a field to copy by hand. "Save picture":
// bellscope.png of the frame shown now.
//
// In a frame, the host may forbid downloads, and the browser then drops the
// file without a word: the page also shows the picture, to save by hand.
// Returns link(), the address Copy link gives and a course page hears of:
// the page's language (but English, which every page falls back to), the
// lesson (lesson()) and the program's view or challenge; null until loaded.
/**
 * @param {Program} program
 * @param {() => void} layOutAgain
 * @param {() => string} lesson
 */
function connectSharing(program, layOutAgain, lesson) {
  const row = /** @type {HTMLElement} */ (document.getElementById('link-row'));
  const field = /** @type {HTMLInputElement} */ (document.getElementById('link'));
  const message = /** @type {HTMLElement} */ (document.getElementById('link-message'));

  function link() {
    const view = program.link();
    if (view === null) return null;
    const parameters = [language === 'en' ? '' : `lang=${language}`, lesson(), view].filter(Boolean).join('&');
    return location.href.replace(/[?#].*$/, '') + (parameters ? '?' + parameters : '');
  }
  /** @type {HTMLElement} */ (document.getElementById('copy-link')).addEventListener('click', () => {
    const address = link();
    if (address === null) return; // not loaded yet
    field.value = address;
    row.hidden = false;
    showText(message, null);
    layOutAgain();
    const done = (/** @type {TextKey} */ key) => {
      showText(message, key);
      layOutAgain();
    };
    // A frame whose host does not allow clipboard writes: asking would only
    // log the browser's complaint before the refusal.
    const policy = document.permissionsPolicy || document.featurePolicy;
    if (policy && !policy.allowsFeature('clipboard-write')) {
      done('copyForbidden');
    } else if (navigator.clipboard && navigator.clipboard.writeText) {
      navigator.clipboard.writeText(address).then(
        () => done('copied'),
        () => done('copyRefused'),
      );
    } else {
      done('copyUnavailable');
    }
  });
  field.addEventListener('focus', () => field.select());
  const close = /** @type {HTMLElement} */ (document.getElementById('close-link'));
  close.addEventListener('click', () => {
    const hadFocus = document.activeElement === close;
    row.hidden = true;
    if (hadFocus) /** @type {HTMLElement} */ (document.getElementById('copy-link')).focus(); // not lost with the row
    layOutAgain();
  });

  const pictureRow = /** @type {HTMLElement} */ (document.getElementById('picture-row'));
  const picture = /** @type {HTMLImageElement} */ (document.getElementById('saved-picture'));
  /** @type {string | null} */
  let shown = null; // the address of the picture shown
  /** @param {string | null} url */
  function showPicture(url) {
    if (shown) URL.revokeObjectURL(shown);
    shown = url;
    picture.src = url || '';
    pictureRow.hidden = !url;
    layOutAgain();
  }
  /** @type {HTMLElement} */ (document.getElementById('close-picture')).addEventListener('click', () =>
    showPicture(null),
  );

  /** @param {Uint8Array<ArrayBuffer>} bytes */
  function download(bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: 'image/png' }));
    if (insideFrame) showPicture(URL.createObjectURL(new Blob([bytes], { type: 'image/png' })));
    const a = document.createElement('a');
    a.href = url;
    a.download = 'bellscope.png';
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 1000);
  }
  /** @type {HTMLElement} */ (document.getElementById('save-picture')).addEventListener('click', async () => {
    const bytes = await program.picture();
    if (bytes) download(bytes);
  });
  return { link };
}
