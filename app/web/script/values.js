'use strict';
/* exported connectValues, fieldNumber, fieldText, fieldRefusal */
/* global say, curveName, decimalSeparator, formatNumber */

// A number as a field takes it: in the page's language's decimal
// separator, as well as a point (1,5 or 1.5 in French), and in digits of
// its own script, as the program reads it.
const LOCAL_DIGITS = /[\u0660-\u0669\u06f0-\u06f9]/g; // Arabic-Indic and Persian
/** @param {string} text */
function fieldNumber(text) {
  const western = text.replace(LOCAL_DIGITS, (d) => String(d.charCodeAt(0) & 0xf));
  const separator = decimalSeparator();
  return separator !== '.' && !western.includes('.') ? western.replace(separator, '.') : western;
}
// A number as a field shows it: the shortest text that reads back exactly,
// in the language's decimal separator.
/** @param {number} value */
function fieldText(value) {
  return String(value).replace('.', decimalSeparator());
}
// The program's refusal of what was typed in a field, which it read with a
// point and Western digits: quoted as typed, at most 40 characters of it.
/**
 * @param {Refusal} why
 * @param {string} text
 */
function fieldRefusal(why, text) {
  const chars = [...text];
  return { ...why, text: chars.length > 40 ? `${chars.slice(0, 40).join('')}...` : text };
}

// Exact values for the selected Gaussian, or a challenge's guess, typed: Enter or leaving the field
// applies one; a wrong one is refused in words (the page's language's,
// quoting it as it was typed) and changes nothing, and
// stays in its field, marked, until it is mended, undone with Esc, or
// another Gaussian is selected, so that the field, its message and
// aria-invalid always agree. Only what was typed is applied, once: a press
// elsewhere (a button keeps the focus where it was) applies it first, and
// Esc puts back the value shown, keeping the focus in the field. Returns
// show(state), which shows the program's values in the fields, but for
// what is typed and not yet applied, and keys, the fields' own keys (for
// Controls' hearKeys).
/**
 * @typedef {'u' | 'sigma'} ValueName
 * @param {Program} program
 * @param {() => void} layOutAgain
 */
function connectValues(program, layOutAgain) {
  const label = /** @type {HTMLElement} */ (document.getElementById('exact-label'));
  const message = /** @type {HTMLElement} */ (document.getElementById('field-message'));
  const fields = {
    u: /** @type {HTMLInputElement} */ (document.getElementById('field-u')),
    sigma: /** @type {HTMLInputElement} */ (document.getElementById('field-sigma')),
  };
  /** @type {Record<ValueName, TextKey>} */
  const names = { u: 'fieldU', sigma: 'fieldSigma' };
  /** @type {Record<ValueName, Refusal | null>} */
  const refused = { u: null, sigma: null }; // why each field's value is refused
  const typing = { u: false, sigma: false }; // typed, and not yet applied
  /** @type {StateValues | null} */
  let selected = null;
  let selectedNumber = 0;
  let walking = false; // a walk's curves: the fields rest, showing four figures

  // The value shown now, as the shortest text that reads back exactly (in a
  // walk, whose curves rest, to the working's four figures).
  /** @param {ValueName} which */
  function current(which) {
    if (!selected || selected[which] === null) return '';
    if (walking) return formatNumber(selected[which]);
    return fieldText(selected[which]);
  }
  /** @param {ValueName} which */
  function showField(which) {
    if (!selected || typing[which] || refused[which]) return;
    if (fields[which].value !== current(which)) fields[which].value = current(which);
  }
  // What the fields' refusals say, in the page's language of the moment.
  function sayRefused() {
    const text = /** @type {[ValueName, Refusal][]} */ (Object.entries(refused))
      .filter(([, why]) => why)
      .map(([which, why]) => say('valueRefused', { field: say(names[which]), why }))
      .join(' ');
    if (text === message.textContent) return;
    message.textContent = text;
    message.className = text ? 'message error' : 'message';
    layOutAgain();
  }
  /**
   * @param {ValueName} which
   * @param {Refusal | null} why
   */
  function mark(which, why) {
    refused[which] = why;
    fields[which].setAttribute('aria-invalid', why ? 'true' : 'false');
    sayRefused();
  }
  /** @param {ValueName} which */
  function apply(which) {
    const field = fields[which];
    if (!typing[which]) return;
    typing[which] = false;
    if (!program.running || !selected || field.disabled) return; // disabled: a checked guess
    if (field.value === current(which) && !refused[which]) return;
    const text = field.value.trim();
    const why = program.setValue(which, fieldNumber(text));
    mark(which, why && fieldRefusal(why, text));
  }

  /**
   * @param {ValueName} which
   * @param {KeyboardEvent} e
   */
  function hear(which, e) {
    if (e.key === 'Enter') apply(which);
    if (e.key === 'Escape') {
      typing[which] = false;
      mark(which, null);
      showField(which);
    }
  }
  /** @type {KeyOwner[]} */
  const keys = [];
  for (const [which, field] of /** @type {[ValueName, HTMLInputElement][]} */ (Object.entries(fields))) {
    keys.push([field, (e) => hear(which, e)]);
    field.addEventListener('input', () => {
      typing[which] = true;
    });
    field.addEventListener('blur', () => {
      if (document.activeElement === field) return; // another window has the focus, not another control
      apply(which);
      showField(which);
    });
    document.addEventListener(
      'pointerdown',
      (e) => {
        if (!(/** @type {HTMLElement} */ (field.parentElement).contains(/** @type {Node} */ (e.target)))) apply(which);
      },
      true,
    );
  }

  return {
    keys,
    /** @param {BellscopeState} state */
    show(state) {
      selected = state.challenge ? state.challenge.guess : state.gaussians[state.selected - 1];
      walking = !!state.track;
      label.textContent = state.challenge ? say('guessName') : curveName(state.names, state.selected);
      const number = state.challenge ? 0 : state.selected; // 0: the guess
      if (number !== selectedNumber) {
        selectedNumber = number;
        for (const which of /** @type {ValueName[]} */ (Object.keys(fields))) {
          typing[which] = false; // typed for another
          if (refused[which]) mark(which, null);
        }
      }
      showField('u');
      showField('sigma');
      sayRefused(); // in another language, perhaps
    },
  };
}
