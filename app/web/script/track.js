'use strict';
/* exported connectTrack */
/* global say, formatNumber, formatWhole, numberFormat, pageAddress, changeAddress */

// "Track": the product at work in a Kalman filter. A walk from a number
// (track=SEED, with its settings, in a link), which the filter follows one
// half of a step at a time: Predict moves the belief on and widens it,
// Update multiplies it by the measurement. Each half is said in one
// sentence and added to the table of the steps; a half pressed out of turn
// does nothing and says why, and the button out of turn is marked so, and
// described by why. The curves are the filter's: what would move them
// rests. The address names the walk while it is shown; leaving it is said.
//
// starting() is called before a new walk starts from the button, to leave
// a lesson. Returns show(state), fromAddress(), which starts the address's
// walk, if any, and says whether it did, and leave().
/**
 * @typedef {BellscopeState & {track: StateTrack}} TrackState
 * @param {Program} program
 * @param {() => void} layOutAgain
 * @param {(text: Spoken) => void} announce
 * @param {Refuse} refuse
 * @param {() => void} starting
 */
function connectTrack(program, layOutAgain, announce, refuse, starting) {
  const element = (/** @type {string} */ id) => /** @type {HTMLElement} */ (document.getElementById(id));
  const panel = element('track-panel');
  const text = element('track-text');
  const said = element('track-said');
  const result = element('track-result');
  const turn = element('track-turn');
  const left = element('track-left');
  const start = element('track');
  const predict = element('track-predict');
  const update = element('track-update');
  const steps = element('track-steps');
  const caption = element('track-caption');
  const rows = element('track-rows');
  // The curves are the filter's: what switches, selects or moves them rests.
  const fixed = /** @type {NodeListOf<HTMLButtonElement | HTMLInputElement>} */ (
    document.querySelectorAll(
      '[data-control^="gaussian-"], [data-control^="select-"], [data-control^="mean-"], ' +
        '[data-control="narrower"], [data-control="wider"], #field-u, #field-sigma',
    )
  );
  /** @type {TrackState | null} */
  let shown = null;
  let told = ''; // the half last announced
  /** @type {TextKey | null} */
  let trouble = null; // why the last press did nothing, until the next half

  const TRACK_PARTS = /^(track|q|r|v|walk|steps|truth)(=|$)/;
  /** @param {string} query */
  function begin(query) {
    const why = program.startTrack(query);
    if (why) refuse('trackRefused', { why });
    return !why;
  }
  start.addEventListener('click', () => {
    const seed = new Uint32Array(1);
    crypto.getRandomValues(seed);
    starting();
    program.setPageView('', ''); // left, the walk goes back to the start-up view
    if (!begin(`track=${seed[0]}`)) return;
    const link = program.link() || `track=${seed[0]}`;
    changeAddress((parts) => [...parts.filter((part) => part.startsWith('lang=')), link]);
  });

  /** @param {'predict' | 'update'} half */
  function step(half) {
    const why = program.stepTrack(half);
    if (!why) return;
    trouble = why.key;
    result.textContent = say(trouble);
    announce(() => result.textContent);
    layOutAgain();
  }
  predict.addEventListener('click', () => step('predict'));
  update.addEventListener('click', () => step('update'));
  element('leave-track').addEventListener('click', () => {
    leaveNow();
    start.focus({ preventScroll: true }); // the walk's buttons are gone
  });
  function leaveNow() {
    program.leaveTrack();
    forget();
  }
  function forget() {
    changeAddress((parts) => parts.filter((part) => !TRACK_PARTS.test(part)));
  }

  // Numbers as the page writes them: the working's four figures in the
  // table, whole numbers in sentences, as the picture prints them, and the
  // gain to two decimals, as the picture prints it.
  const number = (/** @type {number | null} */ value) => formatNumber(value);
  const whole = (/** @type {number | null} */ value) => (value === null ? say('tooLarge') : formatWhole(value));
  const gain = (/** @type {number | null} */ value) =>
    value === null
      ? say('tooLarge')
      : numberFormat({ minimumFractionDigits: 2, maximumFractionDigits: 2 }).format(value);

  // The half done last, in one sentence.
  /** @param {StateTrack} track */
  function halfWords(track) {
    if (track.half === 'start')
      return say('trackSaidStart', { u: whole(track.start.u), sigma: whole(track.start.sigma) });
    const row = track.rows[track.step - 1];
    const before = track.step > 1 ? /** @type {StateBelief} */ (track.rows[track.step - 2].updated) : track.start;
    if (track.half === 'predict') {
      const moved = (row.predicted.u || 0) - (before.u || 0);
      const values = {
        distance: whole(Math.abs(moved)),
        u: whole(row.predicted.u),
        from: whole(before.sigma),
        to: whole(row.predicted.sigma),
      };
      const key = Math.abs(moved) < 0.5 ? 'trackSaidStill' : moved > 0 ? 'trackSaidRight' : 'trackSaidLeft';
      return say(key, values);
    }
    const updated = /** @type {StateBelief} */ (row.updated);
    const words = [
      say('trackSaidUpdate', {
        z: whole(row.z),
        gain: gain(row.gain),
        u: whole(updated.u),
        sigma: whole(updated.sigma),
      }),
    ];
    if (track.settings.truth === 'each') words.push(say('trackSaidTruth', { truth: whole(row.truth) }));
    else if (track.step === track.steps) words.push(say('trackSaidTruths'));
    return words.join(' ');
  }
  // The step and its half, as the picture's line says them.
  /** @param {StateTrack} track */
  function stepLine(track) {
    const values = { seed: track.seed, step: track.step, steps: track.steps };
    if (track.half === 'start') return say('trackStepStart', values);
    if (track.half === 'predict') return say('trackStepPredict', values);
    return say('trackStepUpdate', { ...values, gain: gain(track.rows[track.step - 1].gain) });
  }

  // Each button in its turn; the other marked out of turn, and described by
  // why, which the note says.
  /** @param {StateTrack} track */
  function showTurn(track) {
    const over = track.step === track.steps && track.half === 'update';
    const next = over ? null : track.half === 'predict' ? update : predict;
    turn.textContent = say(over ? 'trackOver' : next === update ? 'trackUpdateNext' : 'trackPredictNext');
    for (const button of [predict, update]) {
      const outOfTurn = button !== next;
      if (outOfTurn) {
        button.setAttribute('aria-disabled', 'true');
        button.setAttribute('aria-describedby', turn.id);
      } else {
        button.removeAttribute('aria-disabled');
        button.removeAttribute('aria-describedby');
      }
    }
    return next;
  }

  /** @param {StateTrack} track */
  function showTable(track) {
    caption.textContent = say('trackTable', { seed: track.seed });
    const notYet = say('trackNotYet');
    const belief = (/** @type {StateBelief | null} */ b) =>
      b ? say('trackBelief', { u: number(b.u), sigma: number(b.sigma) }) : notYet;
    rows.replaceChildren(
      ...track.rows.map((row) => {
        const tr = document.createElement('tr');
        const th = document.createElement('th');
        th.scope = 'row';
        th.textContent = formatWhole(row.step);
        const cells = [
          belief(row.predicted),
          row.updated ? whole(row.z) : notYet,
          row.updated ? gain(row.gain) : notYet,
          belief(row.updated),
          row.truth === null ? notYet : whole(row.truth),
        ].map((value) => {
          const td = document.createElement('td');
          td.textContent = value;
          return td;
        });
        tr.append(th, ...cells);
        return tr;
      }),
    );
  }

  // Controls at rest in a walk, described by the note that says why; put
  // back when it is left, unless a challenge keeps them at rest.
  /** @param {BellscopeState} state */
  function rest(state) {
    const resting = !!state.track;
    const note = element('track-fixed');
    for (const control of fixed) {
      const described = (control.getAttribute('aria-describedby') || '')
        .split(' ')
        .filter((id) => id && id !== note.id);
      if (resting) {
        control.disabled = true;
        described.push(note.id);
      } else if (!state.challenge && control.getAttribute('aria-describedby')?.includes(note.id)) {
        control.disabled = false;
      }
      if (described.length) control.setAttribute('aria-describedby', described.join(' '));
      else control.removeAttribute('aria-describedby');
    }
  }

  /** @type {{step: number, steps: number} | null} */
  let leftAt = null;
  function showLeft() {
    left.hidden = !leftAt;
    left.textContent = leftAt ? say('trackLeft', leftAt) : '';
  }

  return {
    fromAddress() {
      return pageAddress.track !== null && begin(pageAddress.track);
    },
    leave: leaveNow,
    /** @param {BellscopeState} state */
    show(state) {
      const before = shown && shown.track;
      rest(state);
      const track = state.track;
      panel.hidden = steps.hidden = !track;
      if (!track) {
        shown = null;
        told = '';
        if (before) {
          leftAt = { step: before.step, steps: before.steps };
          forget();
          announce(() => say('trackLeft', /** @type {{step: number, steps: number}} */ (leftAt)));
          layOutAgain();
        }
        showLeft();
        return;
      }
      shown = /** @type {TrackState} */ (state);
      if (leftAt) {
        leftAt = null;
        showLeft();
      }
      text.textContent = stepLine(track);
      said.textContent = halfWords(track);
      const next = showTurn(track);
      showTable(track);
      const now = `${track.seed} ${track.step} ${track.half}`;
      if (now !== told) {
        const first = !told;
        told = now;
        trouble = null;
        announce(() => said.textContent);
        // Enter, Enter, ... walks on: the focus goes to the next half's button.
        const focused = document.activeElement;
        if (!first && next && (focused === predict || focused === update)) next.focus();
      }
      result.textContent = trouble ? say(trouble) : '';
      layOutAgain();
    },
  };
}
