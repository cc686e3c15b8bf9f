'use strict';
/* exported connectControls */

// The page's buttons for every key and drag of the program: each press
// reaches the program as the key or drag it stands for, by the control's
// name (data-control). A repeating control (data-repeat) is held while the
// pointer is down on it. Also which keys reach the program, and where the
// keyboard focus goes from the picture. Returns rest(ended), which switches
// off the controls that cannot act while the program has ended,
// takeKeys(...takers), for keys the page itself acts on, and
// hearKeys(...owners), for the dialogs and text fields whose keys are their own.
/**
 * @typedef {(e: KeyboardEvent, inText: boolean) => boolean} KeyTaker
 * @typedef {[HTMLElement, (e: KeyboardEvent) => void]} KeyOwner an element, and what hears of its keydowns
 * @typedef {ReturnType<typeof connectControls>} Controls
 * @param {HTMLElement} panel
 * @param {Program} program
 */
function connectControls(panel, program) {
  /** @type {HTMLElement | null} */
  let heldButton = null;
  function releaseHeld() {
    if (heldButton) program.release(/** @type {string} */ (heldButton.dataset.control));
    heldButton = null;
  }
  // Whatever is held, by any control, when the page loses the user.
  function releaseAll() {
    heldButton = null;
    program.releaseAll();
  }

  for (const button of /** @type {NodeListOf<HTMLButtonElement>} */ (panel.querySelectorAll('button[data-control]'))) {
    const name = /** @type {string} */ (button.dataset.control);
    const repeating = button.hasAttribute('data-repeat');
    let byPointer = false;
    button.addEventListener('pointerdown', (e) => {
      if (e.button !== 0) return;
      e.preventDefault(); // no focus, no text selection, no emulated mouse press
      byPointer = true;
      if (!repeating) return;
      releaseHeld();
      heldButton = button;
      try {
        button.setPointerCapture(e.pointerId);
      } catch {
        // a pointer already gone
      }
      program.press(name);
    });
    const end = () => {
      if (heldButton === button) releaseHeld();
    };
    button.addEventListener('pointerup', end);
    button.addEventListener('pointercancel', end);
    button.addEventListener('lostpointercapture', end);
    button.addEventListener('click', () => {
      if (byPointer) {
        byPointer = false;
        if (!repeating) program.press(name);
        if (document.activeElement === button) button.blur();
        return;
      }
      // The keyboard, a screen reader or a switch device: one press.
      program.press(name);
      program.release(name);
    });
  }
  panel.addEventListener('contextmenu', (e) => e.preventDefault());
  /** @type {HTMLElement} */ (document.getElementById('reset')).addEventListener('click', () => program.reset());
  // The other buttons, too, leave the focus where it was when pressed with a
  // pointer.
  for (const button of /** @type {NodeListOf<HTMLButtonElement>} */ (
    panel.querySelectorAll('button:not([data-control])')
  ))
    button.addEventListener('pointerdown', (e) => {
      if (e.button === 0) e.preventDefault();
    });
  window.addEventListener('blur', releaseAll);
  document.addEventListener('visibilitychange', () => {
    if (document.hidden) releaseAll();
  });

  // A press on the picture gives it the keyboard, out of a field or a
  // button: the program cancels the press, which would otherwise have moved
  // the focus there. Leaving a field applies what was typed in it, before
  // the press reaches the program.
  const canvas = document.getElementById('canvas'); // none on a page that cannot show the program
  if (canvas) {
    canvas.addEventListener('pointerdown', () => {
      if (document.activeElement !== canvas) canvas.focus({ preventScroll: true });
    });
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  }

  // The keys the program acts on (F1-F4, the arrows, Enter and Esc) lose
  // their browser action when they go to the running program; every other
  // key keeps it, so that Space, PageDown, Home and End scroll the page and
  // Tab moves the focus, and so do these once the program has ended.
  const PROGRAM_KEYS = new Set([
    ...['F1', 'F2', 'F3', 'F4', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'],
    ...['Enter', 'NumpadEnter', 'Escape'],
  ]);
  const TEXT_FIELD = 'input[type="text"], textarea';

  // Keys the page acts on itself, before anyone else hears of them (Esc
  // while Listen plays, ? for the help): each taker is given a keydown and
  // whether it is in a text field, and says whether it took it. A key taken
  // is the page's until it is released: its repeats and its release too.
  /** @type {KeyTaker[]} */
  const takers = [];
  const taken = new Set();
  window.addEventListener('blur', () => taken.clear()); // released unseen
  /** @type {Map<HTMLElement, KeyOwner[1]>} */
  const owners = new Map();

  // Enter and Space on a focused page control press that control and do
  // not also reach the program; every other key does. Registered before
  // the program's own key listeners, on the same capturing phase, so it
  // runs first. Keys typed into a text field are the field's alone. Any key
  // with Ctrl, Alt or Meta is the browser's, which the program does not
  // hear of (platform/windows_web.cpp).
  /** @param {KeyboardEvent} e */
  function guardKeys(e) {
    const target = /** @type {HTMLElement | null} */ (e.target);
    if (!target || !target.closest) return;
    const inText = !!target.closest(TEXT_FIELD);
    const again = taken.has(e.code) && (e.type === 'keyup' || e.repeat);
    if (again || (e.type === 'keydown' && !e.isComposing && takers.some((take) => take(e, inText)))) {
      if (e.type === 'keyup') taken.delete(e.code);
      else taken.add(e.code);
      e.preventDefault();
      e.stopImmediatePropagation();
      return;
    }
    // Keys in a dialog are the dialog's (Esc closes it), and keys typed in a
    // text field the field's. Stopped here, on the window's capturing
    // phase, they would not reach their own listeners: each hears of its
    // keys from here (hearKeys).
    const owner = target.closest('dialog') || (inText ? target : null);
    if (owner) {
      e.stopImmediatePropagation();
      const hear = owners.get(owner);
      if (e.type === 'keydown' && hear) hear(e);
      return;
    }
    // The arrows choose in a list, and scroll a formula too wide for the page.
    if (e.code.startsWith('Arrow') && target.closest('select, .formula')) {
      e.stopImmediatePropagation();
      return;
    }
    const pressesControl = ['Enter', 'NumpadEnter', 'Space'].includes(e.code) || e.key === 'Enter' || e.key === ' ';
    if (pressesControl && target.closest('button, input, select, a[href]')) {
      e.stopImmediatePropagation();
      return;
    }
    const modified = e.ctrlKey || e.altKey || e.metaKey;
    if (PROGRAM_KEYS.has(e.code) && !modified && program.running) e.preventDefault();
  }
  window.addEventListener('keydown', guardKeys, true);
  window.addEventListener('keyup', guardKeys, true);

  // The controls that act on the running program, off while it has ended
  // (the page says so, and Resume or Start again bring them back); those
  // that act on the picture shown (Copy link, Save picture, Listen, the
  // help and the lists of names, colours and languages) go on working.
  const RESTING = [
    '[data-control]',
    ...['#field-u', '#field-sigma', '#reset', '#lesson-list'],
    ...['#challenge', '#check', '#next-round', '#leave-challenge'],
    ...['#track', '#track-predict', '#track-update', '#track-run', '#leave-track', '#track-q', '#track-r', '#track-v'],
  ];
  const resting = /** @type {NodeListOf<HTMLButtonElement | HTMLInputElement | HTMLSelectElement>} */ (
    panel.querySelectorAll(RESTING.join(', '))
  );
  const switchedOff = new Set(); // those off for the end, not for a challenge
  return {
    // Called with each state while it has ended, as what else switches
    // controls on and off may have undone it.
    /** @param {boolean} ended */
    rest(ended) {
      if (ended) heldButton = null; // the program has let go of everything
      for (const control of resting) {
        if (ended && !control.disabled) {
          control.disabled = true;
          switchedOff.add(control);
        } else if (!ended && switchedOff.delete(control)) control.disabled = false;
      }
    },
    takeKeys: (/** @type {KeyTaker[]} */ ...more) => takers.push(...more),
    hearKeys: (/** @type {KeyOwner[]} */ ...more) => more.forEach(([element, hear]) => owners.set(element, hear)),
  };
}
