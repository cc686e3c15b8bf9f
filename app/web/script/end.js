'use strict';
/* exported connectEnd */
/* global say */

// The end, by Esc: the picture keeps its last frame, the controls that act
// on the running program rest, and the page says so, offering Resume (the
// view, or the challenge, the student had, with the names chosen since)
// and Start again (the page's own view, leaving a challenge). Returns
// ended(), the program's handler, and show(state), which keeps the
// controls at rest with each state while it has ended.
/**
 * @param {Program} program
 * @param {Controls} controls
 * @param {() => void} layOutAgain
 * @param {(text: Spoken) => void} announce
 * @param {() => void} leaveChallenge
 */
function connectEnd(program, controls, layOutAgain, announce, leaveChallenge) {
  const note = /** @type {HTMLElement} */ (document.getElementById('ended'));
  const resume = /** @type {HTMLElement} */ (document.getElementById('resume'));
  /** @param {string | null} view a link's, or null for the page's own */
  function start(view) {
    note.hidden = true;
    controls.rest(false);
    program.restart(view);
    /** @type {HTMLElement} */ (document.getElementById('canvas')).focus(); // the buttons are gone
    layOutAgain();
  }
  resume.addEventListener('click', () => start(program.link()));
  /** @type {HTMLElement} */ (document.getElementById('restart')).addEventListener('click', () => {
    leaveChallenge();
    start(null);
  });
  return {
    ended() {
      controls.rest(true);
      note.hidden = false;
      layOutAgain();
      announce(() => say('endedTold'));
      resume.focus();
    },
    show: () => controls.rest(!note.hidden),
  };
}
