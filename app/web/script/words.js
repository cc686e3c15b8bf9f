'use strict';
/* exported connectWords */
/* global say, curveName, curveShortName, formatNumber, formatWhole, heightWords, modeName, noneOn, productLabel, productName */

// What the picture shows, in words, from the program's own state: listed
// below the controls, announced politely when it changes, and shown on the
// buttons (on or off, selected, colour, the combining mode). Returns
// show(state), called with each state the program tells, and
// announce(text), for what must be said at once.
/**
 * @typedef {ReturnType<typeof connectWords>} Words
 * @param {HTMLElement} panel
 */
function connectWords(panel) {
  const words = /** @type {HTMLElement} */ (document.getElementById('words'));
  const announcer = /** @type {HTMLElement} */ (document.getElementById('announce'));
  const mode = /** @type {HTMLElement} */ (document.getElementById('mode'));
  /** @type {BellscopeState | null} */
  let last = null;
  let pending = new Map();
  let timer = 0;

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
      say(state.selected === i + 1 && !state.challenge ? 'wordsGaussianSelected' : 'wordsGaussian', {
        name: curveName(state.names, i + 1),
        state: say(g.on ? 'on' : 'off'),
        u: formatWhole(g.shown.u),
        sigma: formatWhole(g.shown.sigma),
      }),
    );
    if (state.challenge) lines.push(say('wordsGuess', whole(state.challenge.guess.shown)));
    lines.push(say('wordsMode', { mode: modeName(state.mode) }));
    const combined = combinedWords(state, 'wordsCombined', 'wordsCombinedNone');
    if (combined) lines.push(combined);
    const height = productHeight(state);
    if (height !== null) {
      const values = { height: formatNumber(height), agreement: heightWords(state), product: productName(state.names) };
      lines.push(say('wordsHeight', values).trim());
    }
    return lines;
  }

  // The combined values of Parameter Recalculation, under the product's
  // name; with no Gaussian on, that there are none (the picture prints the
  // values its fold starts from); '' in the other mode, and while a
  // challenge hides the product.
  /**
   * @param {BellscopeState} state
   * @param {TextKey} key
   * @param {TextKey} none
   */
  function combinedWords(state, key, none) {
    const label = productLabel(state.names);
    if (state.combined) return say(key, { label, ...whole(state.combined.shown) });
    return state.mode.recalc && noneOn(state) ? say(none, { label }) : '';
  }

  // Changes are told briefly, a moment after they settle, so that a drag
  // is one sentence, not a hundred. A later change of the same thing
  // replaces the earlier one in its place.
  /**
   * @param {string} key
   * @param {string} text
   */
  function tell(key, text) {
    pending.set(key, text);
    clearTimeout(timer);
    timer = setTimeout(() => {
      announcer.textContent = [...pending.values()].join(say('toldBetween')) + say('toldEnd');
      pending = new Map();
    }, 400);
  }

  /**
   * @param {BellscopeState} before
   * @param {BellscopeState} now
   */
  function changes(before, now) {
    now.gaussians.forEach((g, i) => {
      const b = before.gaussians[i];
      const name = curveName(now.names, i + 1);
      if (b.on !== g.on) tell(`on${i}`, say(g.on ? 'toldOn' : 'toldOff', { name }));
      if (b.shown.u !== g.shown.u) tell(`u${i}`, say('toldU', { name, u: formatWhole(g.shown.u) }));
      if (b.shown.sigma !== g.shown.sigma)
        tell(`sigma${i}`, say('toldSigma', { name, sigma: formatWhole(g.shown.sigma) }));
    });
    const guess = (/** @type {BellscopeState} */ s) =>
      s.challenge ? s.challenge.guess.shown : /** @type {StateShown} */ ({});
    if (now.challenge && before.challenge) {
      if (guess(before).u !== guess(now).u) tell('guessU', say('toldGuessU', whole(guess(now))));
      if (guess(before).sigma !== guess(now).sigma) tell('guessSigma', say('toldGuessSigma', whole(guess(now))));
    }
    if (before.selected !== now.selected)
      tell('selected', say('toldSelected', { name: curveName(now.names, now.selected) }));
    if (before.mode.recalc !== now.mode.recalc) tell('mode', modeName(now.mode));
    const combined = (/** @type {BellscopeState} */ s) => combinedWords(s, 'toldCombined', 'toldCombinedNone');
    if (combined(now) && combined(before) !== combined(now)) tell('combined', combined(now));
    const height = productHeight(now);
    if (height === null)
      pending.delete('height'); // no longer shown: not worth saying
    else if (formatNumber(height) !== formatNumber(productHeight(before)))
      tell('height', say('toldHeight', { height: formatNumber(height), product: productName(now.names) }));
  }

  return {
    // Said at once, before anything still waiting to be told.
    /** @param {string} text */
    announce(text) {
      clearTimeout(timer);
      pending = new Map();
      announcer.textContent = text;
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
        // Named "Gaussian k" always; its role in the chosen names described,
        // and shown beside it, short ("M1"), outside its name.
        const role = state.names === 'gaussians' ? '' : curveName(state.names, k);
        if (role) button.setAttribute('aria-description', role);
        else button.removeAttribute('aria-description');
        /** @type {Element} */ (button.nextElementSibling).textContent = curveShortName(state.names, k);
        button.setAttribute('aria-pressed', g.on ? 'true' : 'false');
        button.style.setProperty('--colour', g.colour);
        button.classList.toggle('selected', state.selected === k && !state.challenge);
      }
      mode.textContent = modeName(state.mode);
      mode.setAttribute('aria-label', say('modeName', { mode: modeName(state.mode) }));
    },
  };
}
