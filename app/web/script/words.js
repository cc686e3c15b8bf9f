'use strict';
/* exported connectWords */
/* global say, sentence, curveName, curveShortName, formatHeight, formatNumber, formatWhole, heightWords, modeName, noneOn, productLabel, productName */

// What the picture shows, in words, from the program's own state: listed
// below the controls, announced politely when it changes, and shown on the
// buttons (on or off, selected, colour, the combining mode). Returns
// show(state), called with each state the program tells, announce(words),
// for what must be said at once (a function that gives its text), and
// relabel(), which says the last announcement again in another language.
/**
 * A text to say, given in the page's language when it is said.
 * @typedef {() => string} Spoken
 * @param {HTMLElement} panel
 */
function connectWords(panel) {
  const words = /** @type {HTMLElement} */ (document.getElementById('words'));
  const announcer = /** @type {HTMLElement} */ (document.getElementById('announce'));
  const mode = /** @type {HTMLElement} */ (document.getElementById('mode'));
  /** @type {BellscopeState | null} */
  let last = null;
  /** @type {Map<string, Spoken>} */
  let pending = new Map(); // what is still to be told: functions that give its text
  let timer = 0;
  /** @type {Spoken | null} */
  let said = null; // the announcement made last, as a function that gives its text

  // The point-by-point product's height, in that mode, with two curves or
  // more to multiply; null otherwise.
  /** @param {BellscopeState} state */
  function productHeight(state) {
    if (!state.working) return null; // hidden in a challenge
    const { steps, flat } = state.working;
    if (state.mode.recalc || steps.length < 2 || flat) return null;
    return steps[steps.length - 1].height;
  }

  // The whole numbers the picture prints, as the page's language writes them.
  const whole = (/** @type {StateShown} */ shown) => ({ u: formatWhole(shown.u), sigma: formatWhole(shown.sigma) });

  /** @param {BellscopeState} state */
  function describe(state) {
    const lines = state.gaussians.map((g, i) =>
      say(state.selected === i + 1 && !state.challenge && !state.track ? 'wordsGaussianSelected' : 'wordsGaussian', {
        name: curveName(state.names, i + 1),
        state: say(g.on ? 'on' : 'off'),
        u: formatWhole(g.shown.u),
        sigma: formatWhole(g.shown.sigma),
      }),
    );
    if (state.challenge) lines.push(say('wordsGuess', whole(state.challenge.guess.shown)));
    lines.push(say('wordsMode', { mode: modeName(state.mode) }));
    const combined = combinedWords(state, 'words');
    if (combined) lines.push(combined);
    const height = productHeight(state);
    if (height !== null) {
      const values = { height: formatHeight(height), agreement: heightWords(state), product: productName(state.names) };
      lines.push(say('wordsHeight', values).trim());
    }
    return lines;
  }

  // The combined values of Parameter Recalculation as the picture prints
  // them, under the product's name ('words' for the list, 'told' for an
  // announcement, which says no more). In the list, where a whole number
  // the picture prints is not the working's value with its decimals cut
  // off (399 for 400: the fold's start moved the decimals), the exact
  // values follow, so that the words never contradict the working; with a
  // sigma of 0, why the picture prints 0 (the fold divides by it). With no
  // Gaussian on, that there are
  // none (the picture prints the values its fold starts from); '' in the
  // other mode, and while a challenge hides the product.
  /**
   * @param {BellscopeState} state
   * @param {'words' | 'told'} kind
   */
  function combinedWords(state, kind) {
    const label = productLabel(state.names);
    if (!state.combined) return state.mode.recalc && noneOn(state) ? say(`${kind}CombinedNone`, { label }) : '';
    const values = { label, ...whole(state.combined.shown) };
    if (kind === 'told') return say('toldCombined', values);
    const working = /** @type {StateWorking} */ (state.working); // shown with the combined values
    if (working.flat) return say('wordsCombinedFlat', values);
    const { u, sigma } = working.steps[working.steps.length - 1];
    const { shown } = state.combined;
    if (!misread(u, shown.u) && !misread(sigma, shown.sigma)) return say('wordsCombined', values);
    return say('wordsCombinedExact', { ...values, exactU: formatNumber(u), exactSigma: formatNumber(sigma) });
  }
  // Whether the whole number shown reads otherwise than the working's four
  // figures do, when those are written out in full.
  /**
   * @param {number | null} exact
   * @param {number} shown
   */
  function misread(exact, shown) {
    if (exact === null) return false;
    const figures = Number(exact.toPrecision(4));
    return Math.abs(figures) < 1e4 && Math.trunc(figures) !== shown;
  }

  // Changes are told briefly, a moment after they settle, so that a drag
  // is one sentence, not a hundred. A later change of the same thing
  // replaces the earlier one in its place. Each is a sentence of its own.
  // Each is kept as a function that gives its text, so that it is said in
  // the page's language when it is said, or said again.
  /**
   * @param {string} key
   * @param {Spoken} text
   */
  function tell(key, text) {
    pending.set(key, text);
    clearTimeout(timer);
    timer = setTimeout(() => {
      const told = [...pending.values()];
      pending = new Map();
      speak(() => told.map((text) => sentence(text())).join(say('toldBetween')) + say('toldEnd'));
    }, 400);
  }
  // Said now; kept, to be said again in another language.
  /** @param {Spoken} text */
  function speak(text) {
    said = text;
    announcer.textContent = text();
  }

  /**
   * @param {BellscopeState} before
   * @param {BellscopeState} now
   */
  function changes(before, now) {
    now.gaussians.forEach((g, i) => {
      const b = before.gaussians[i];
      const name = () => curveName(now.names, i + 1);
      if (b.on !== g.on) tell(`on${i}`, () => say(g.on ? 'toldOn' : 'toldOff', { name: name() }));
      if (b.shown.u !== g.shown.u) tell(`u${i}`, () => say('toldU', { name: name(), u: formatWhole(g.shown.u) }));
      if (b.shown.sigma !== g.shown.sigma)
        tell(`sigma${i}`, () => say('toldSigma', { name: name(), sigma: formatWhole(g.shown.sigma) }));
    });
    const guess = (/** @type {BellscopeState} */ s) =>
      s.challenge ? s.challenge.guess.shown : /** @type {StateShown} */ ({});
    if (now.challenge && before.challenge) {
      if (guess(before).u !== guess(now).u) tell('guessU', () => say('toldGuessU', whole(guess(now))));
      if (guess(before).sigma !== guess(now).sigma) tell('guessSigma', () => say('toldGuessSigma', whole(guess(now))));
    }
    if (before.selected !== now.selected)
      tell('selected', () => say('toldSelected', { name: curveName(now.names, now.selected) }));
    if (before.mode.recalc !== now.mode.recalc) tell('mode', () => modeName(now.mode));
    const combined = (/** @type {BellscopeState} */ s) => combinedWords(s, 'told');
    if (combined(now) && combined(before) !== combined(now)) tell('combined', () => combined(now));
    const height = productHeight(now);
    if (height === null)
      pending.delete('height'); // no longer shown: not worth saying
    else if (formatHeight(height) !== formatHeight(productHeight(before)))
      tell('height', () => say('toldHeight', { height: formatHeight(height), product: productName(now.names) }));
  }

  // Said at once, before anything still waiting to be told.
  /** @param {Spoken} text */
  function announce(text) {
    clearTimeout(timer);
    pending = new Map();
    speak(text);
  }

  return {
    announce,
    // Only where its words have changed: a screen reader says it again.
    relabel() {
      if (said && announcer.textContent && said() !== announcer.textContent) announcer.textContent = said();
    },
    /** @param {BellscopeState} state */
    show(state) {
      if (last) changes(last, state);
      last = state;
      words.replaceChildren(
        ...describe(state).map((text) => {
          const item = document.createElement('li');
          item.textContent = text;
          return item;
        }),
      );
      for (const button of /** @type {NodeListOf<HTMLElement>} */ (panel.querySelectorAll('.gaussian'))) {
        const k = Number(button.dataset.gaussian);
        const g = state.gaussians[k - 1];
        // Named "Gaussian k", as the picture names it; in the chosen names,
        // its short name ("M1") shows under its number and follows in its
        // name, as a label's words do, and its role, where that says more,
        // describes it ("Measurement 1").
        const short = curveShortName(state.names, k);
        const role = short ? curveName(state.names, k) : '';
        button.setAttribute('aria-label', [say('gaussianName', { n: k }), short].filter(Boolean).join(' '));
        if (role && role !== short) button.setAttribute('aria-description', role);
        else button.removeAttribute('aria-description');
        /** @type {HTMLElement} */ (button.querySelector('.curve-name')).textContent = short;
        button.classList.toggle('named', Boolean(short));
        button.setAttribute('aria-pressed', g.on ? 'true' : 'false');
        button.style.setProperty('--colour', g.colour);
        button.classList.toggle('selected', state.selected === k && !state.challenge && !state.track);
      }
      mode.textContent = modeName(state.mode);
      mode.setAttribute('aria-label', say('modeName', { mode: modeName(state.mode) }));
    },
  };
}
