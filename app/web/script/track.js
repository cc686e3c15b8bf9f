'use strict';
/* exported connectTrack */
/* global say, formatNumber, formatWhole, numberFormat, pageAddress, changeAddress, fieldNumber, keptInTab, keepInTab, drawTrackPlot, fieldText, fieldRefusal */

// "Track": the product at work in a Kalman filter. A walk from a number
// (track=SEED, with its settings, in a link), which the filter follows one
// half of a step at a time: Predict moves the belief on and widens it,
// Update multiplies it by the measurement. Each half is said in one
// sentence and added to the table of the steps; a half pressed out of turn
// does nothing and says why, and the button out of turn is marked so, and
// described by why. The curves are the filter's: what would move them
// rests. Run takes the walk on by itself, a half every PACE, until it ends
// or is stopped. The fields q, r and v change the walk's settings where it
// is: the walk is the same walk (its seed) under other noise and velocity.
// The address names the walk while it is shown, and a reload of the tab
// brings it back at the half it had reached; leaving it is said.
//
// starting() is called before a new walk starts from the button, to leave
// a lesson; lessonLink() is the lesson's own part of the address, and
// lessonWalk() its walk, if it is one. Returns show(state), fromAddress(walk), which starts the
// address's walk, or else `walk` (a lesson's), if any, and says whether it
// did, begin(query), leave(), keys, the fields' own keys, and takeKey, for
// P and U (Controls' hearKeys and takeKeys).
/**
 * @typedef {BellscopeState & {track: StateTrack}} TrackState
 * @param {Program} program
 * @param {() => void} layOutAgain
 * @param {(text: Spoken) => void} announce
 * @param {Refuse} refuse
 * @param {() => void} starting
 * @param {() => string} lessonLink
 * @param {() => string | null} lessonWalk
 */
function connectTrack(program, layOutAgain, announce, refuse, starting, lessonLink, lessonWalk) {
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
  const run = element('track-run');
  const fieldMessage = element('track-field-message');
  /** @type {Record<'q' | 'r' | 'v', HTMLInputElement>} */
  const fields = {
    q: /** @type {HTMLInputElement} */ (element('track-q')),
    r: /** @type {HTMLInputElement} */ (element('track-r')),
    v: /** @type {HTMLInputElement} */ (element('track-v')),
  };
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
  // The walk at its end: its last step updated.
  const over = (/** @type {StateTrack} */ track) => track.step === track.steps && track.half === 'update';
  // The address while a walk is shown: the language's, a lesson's, the walk's.
  function showAddress() {
    const walk = program.link() || '';
    changeAddress((parts) => [...parts.filter((part) => part.startsWith('lang=')), lessonLink(), walk].filter(Boolean));
  }
  /**
   * @param {string} query
   * @param {number} [halves]
   */
  function begin(query, halves = 0) {
    stop();
    const why = program.startTrack(query, halves);
    if (why) refuse('trackRefused', { why });
    return !why;
  }
  start.addEventListener('click', () => {
    const seed = new Uint32Array(1);
    crypto.getRandomValues(seed);
    starting();
    program.setPageView('', ''); // left, the walk goes back to the start-up view
    if (!begin(`track=${seed[0]}`)) return;
    showAddress();
    predict.focus(); // the walk's first half, by Enter or Space
  });
  // Reset walks a lesson's walk again from the start, with its own settings.
  element('reset').addEventListener('click', () => {
    const walk = lessonWalk();
    if (!shown || !walk || program.link() === walk || !begin(walk)) return;
    changeAddress((parts) => [...parts.filter((part) => part.startsWith('lang=')), lessonLink()]);
  });

  /** @param {'predict' | 'update'} half */
  function step(half) {
    const why = program.stepTrack(half);
    if (!why) return true;
    stop();
    trouble = why.key;
    result.textContent = say(trouble);
    announce(() => result.textContent);
    layOutAgain();
    return false;
  }
  // A press of the class's own stops the run.
  predict.addEventListener('click', () => {
    stop();
    step('predict');
  });
  update.addEventListener('click', () => {
    stop();
    step('update');
  });

  // Run: the next half, and the next, a half every PACE (time enough to see
  // the belief widen and narrow, and for a screen reader to say it), until
  // the walk ends, the program stops, or Run is pressed again.
  const PACE = 1500;
  /** @type {number | null} */
  let timer = null;
  function stop() {
    if (timer !== null) clearTimeout(timer);
    timer = null;
    run.setAttribute('aria-pressed', 'false');
  }
  function runOn() {
    timer = null;
    const track = shown && shown.track;
    if (!track || !program.running || over(track)) return stop();
    if (!step(track.half === 'predict' ? 'update' : 'predict')) return undefined;
    timer = setTimeout(runOn, PACE);
    return undefined;
  }
  run.addEventListener('click', () => {
    if (timer !== null) return stop();
    const track = shown && shown.track;
    if (!track || over(track)) {
      trouble = 'trackOver';
      result.textContent = say(trouble);
      announce(() => result.textContent);
      return undefined;
    }
    run.setAttribute('aria-pressed', 'true');
    runOn();
    return undefined;
  });

  // The settings a class changes as it goes: typed as the u and sigma
  // fields are (a decimal comma, the language's digits), applied by Enter
  // or on leaving the field, refused in words beside them; the walk stays
  // at the half it had reached.
  /** @typedef {keyof typeof fields} TrackField */
  /** @type {Record<TrackField, TextKey>} */
  const FIELD_NAMES = { q: 'trackFieldQ', r: 'trackFieldR', v: 'trackFieldV' };
  /** @type {Partial<Record<TrackField, Refusal>>} */
  const fieldRefused = {};
  function sayFieldRefused() {
    fieldMessage.textContent = /** @type {[TrackField, Refusal][]} */ (Object.entries(fieldRefused))
      .map(([which, why]) => say('valueRefused', { field: say(FIELD_NAMES[which]), why }))
      .join(' ');
    layOutAgain();
  }
  /** @param {StateTrack} track */
  const halvesOf = (track) => (track.half === 'start' ? 0 : 2 * track.step - (track.half === 'predict' ? 1 : 0));
  /** @param {TrackField} which */
  function settingShown(which) {
    const value = shown ? shown.track.settings[which] : null;
    return value === null ? '' : fieldText(value);
  }
  /** @param {TrackField} which */
  function apply(which) {
    const field = fields[which];
    if (!shown || !program.running || field.value === settingShown(which)) return;
    const text = field.value.trim();
    const query = (program.link() || '')
      .split('&')
      .filter((part) => !part.startsWith(`${which}=`))
      .concat(`${which}=${encodeURIComponent(fieldNumber(text))}`)
      .join('&');
    const why = program.startTrack(query, halvesOf(shown.track));
    if (why) fieldRefused[which] = fieldRefusal(why, text);
    else delete fieldRefused[which];
    field.setAttribute('aria-invalid', why ? 'true' : 'false');
    sayFieldRefused();
    if (!why) showAddress();
  }
  /** @type {KeyOwner[]} */
  const keys = [];
  for (const [which, field] of /** @type {[TrackField, HTMLInputElement][]} */ (Object.entries(fields))) {
    keys.push([
      field,
      (e) => {
        if (e.key === 'Enter') apply(which);
        if (e.key !== 'Escape') return;
        delete fieldRefused[which];
        field.setAttribute('aria-invalid', 'false');
        field.value = settingShown(which);
        sayFieldRefused();
      },
    ]);
    field.addEventListener('change', () => apply(which));
  }
  element('leave-track').addEventListener('click', () => {
    stop();
    if (lessonLink()) {
      starting(); // a lesson that is a walk is left with it
      changeAddress((parts) => parts.filter((part) => !part.startsWith('lesson=')));
    }
    leaveNow();
    start.focus({ preventScroll: true }); // the walk's buttons are gone
  });
  function leaveNow() {
    program.leaveTrack();
    forget();
  }
  function forget() {
    keepInTab('track', null);
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
      if (track.settings.q === 0)
        return say('trackSaidNoNoise', { u: whole(row.predicted.u), sigma: whole(row.predicted.sigma) });
      const moved = (row.predicted.u || 0) - (before.u || 0);
      // A widening too small for whole numbers is said in four figures.
      const fine = whole(before.sigma) === whole(row.predicted.sigma);
      const values = {
        distance: whole(Math.abs(moved)),
        u: whole(row.predicted.u),
        from: fine ? number(before.sigma) : whole(before.sigma),
        to: fine ? number(row.predicted.sigma) : whole(row.predicted.sigma),
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
    const next = over(track) ? null : track.half === 'predict' ? update : predict;
    turn.textContent = say(!next ? 'trackOver' : next === update ? 'trackUpdateNext' : 'trackPredictNext');
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
    // A belief's u and sigma each kept whole, the line broken between them
    // where the table has no room for both.
    const belief = (/** @type {StateBelief | null} */ b) =>
      b ? say('trackBelief', { u: number(b.u), sigma: number(b.sigma) }).replace(/ = /g, '\u00a0=\u00a0') : notYet;
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
    // The address's walk, or a lesson's; at the half it had reached when
    // this tab is reloaded.
    /** @param {string | null} walk */
    fromAddress(walk) {
      const query = pageAddress.track ?? walk;
      if (query === null || !begin(query)) return false;
      const kept = keptInTab('track');
      const [link, halves] = kept ? kept.split(' ') : [];
      if (link === program.link() && Number(halves) > 0) program.startTrack(query, Number(halves));
      return true;
    },
    begin,
    leave() {
      stop();
      leaveNow();
    },
    keys,
    /** @type {KeyTaker} */
    takeKey(e, inText) {
      if (!shown || inText || e.ctrlKey || e.altKey || e.metaKey || !['KeyP', 'KeyU'].includes(e.code)) return false;
      stop();
      step(e.code === 'KeyP' ? 'predict' : 'update');
      return true;
    },
    /** @param {BellscopeState} state */
    show(state) {
      const before = shown && shown.track;
      rest(state);
      const track = state.track;
      panel.hidden = steps.hidden = !track;
      if (!track) {
        stop();
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
      keepInTab('track', `${program.link()} ${halvesOf(track)}`);
      for (const [which, field] of /** @type {[TrackField, HTMLInputElement][]} */ (Object.entries(fields)))
        if (!fieldRefused[which] && document.activeElement !== field) field.value = settingShown(which);
      if (over(track)) stop();
      drawTrackPlot(track, { estimate: state.gaussians[0].colour, measurement: state.gaussians[1].colour });
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
