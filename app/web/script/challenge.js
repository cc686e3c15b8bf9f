'use strict';
/* exported connectChallenge */
/* global say, formatNumber, pageAddress, changeAddress, keptInTab, keepInTab */

// "Challenge": predict the product. Five rounds of curves from a number
// (the seed), the same for everyone with it (challenge=SEED in a link), in
// which the product is hidden until the student, having set a guess with
// the usual controls, presses Check: the product is then shown and the
// guess scored, and the guess stays where it was checked until the next
// round. The address names the challenge while it is shown, and this tab
// keeps its progress, so that a reload brings back the same round, checked
// or not, with its guess and the scores so far. Leaving it is said.
//
// starting() is called before a new challenge starts from the button, to
// leave a lesson. Returns show(state), called with each state the program
// tells, fromAddress(), which starts the address's challenge, if any, and
// says whether it did, leave(), and choosing(), for when the page's view is
// about to be chosen anew (a lesson).
/**
 * @typedef {ReturnType<typeof connectChallenge>} Challenge
 * @typedef {BellscopeState & {challenge: StateChallenge, working: StateWorking}} RevealedState
 *   a state in a round whose guess is checked: its product shown
 * @param {Program} program
 * @param {() => void} layOutAgain
 * @param {(text: Spoken) => void} announce
 * @param {Refuse} refuse
 * @param {() => void} starting
 */
function connectChallenge(program, layOutAgain, announce, refuse, starting) {
  const panel = /** @type {HTMLElement} */ (document.getElementById('challenge-panel'));
  const text = /** @type {HTMLElement} */ (document.getElementById('challenge-text'));
  const result = /** @type {HTMLElement} */ (document.getElementById('challenge-result'));
  const guessKept = /** @type {HTMLElement} */ (document.getElementById('guess-kept'));
  const left = /** @type {HTMLElement} */ (document.getElementById('challenge-left'));
  const start = /** @type {HTMLElement} */ (document.getElementById('challenge'));
  const check = /** @type {HTMLElement} */ (document.getElementById('check'));
  const next = /** @type {HTMLElement} */ (document.getElementById('next-round'));
  const leave = /** @type {HTMLElement} */ (document.getElementById('leave-challenge'));
  // The round's curves: what switches or selects them rests, and says why.
  const fixed = /** @type {NodeListOf<HTMLButtonElement>} */ (
    document.querySelectorAll('[data-control^="gaussian-"], [data-control^="select-"]')
  );
  const curvesFixed = /** @type {HTMLElement} */ (document.getElementById('curves-fixed'));
  // What moves the guess: at rest once it is checked, and said why.
  const guessControls = /** @type {NodeListOf<HTMLButtonElement | HTMLInputElement>} */ (
    document.querySelectorAll(
      '[data-control^="mean-"], [data-control="narrower"], [data-control="wider"], #field-u, #field-sigma',
    )
  );
  /** @type {BellscopeState | null} */
  let shown = null; // the state last shown, with its challenge
  let told = ''; // the round last announced

  // The progress this tab keeps: {seed, round, revealed, guesses}, guesses
  // [u, sigma] for each round so far, the earlier ones as they were checked.
  /** @type {{seed: number, round?: number, revealed?: boolean, guesses: unknown[]} | null} */
  let progress = null;
  /** @param {StateChallenge} challenge */
  function keep(challenge) {
    if (!progress || progress.seed !== challenge.seed) progress = { seed: challenge.seed, guesses: [] };
    progress.round = challenge.round;
    progress.revealed = challenge.revealed;
    progress.guesses[challenge.round - 1] = [challenge.guess.u, challenge.guess.sigma];
    progress.guesses.length = challenge.round;
    keepInTab('challenge', JSON.stringify(progress));
  }
  // The kept progress of challenge `seed` played again through the
  // program, so that every score is the program's own; it stops at the
  // first round it cannot bring back.
  /** @param {number} seed */
  function restore(seed) {
    /** @type {{seed?: unknown, round?: unknown, revealed?: unknown, guesses?: unknown} | null} */
    let kept = null;
    try {
      kept = JSON.parse(keptInTab('challenge') || 'null');
    } catch {
      // nothing usable kept
    }
    if (!kept || kept.seed !== seed || !Array.isArray(kept.guesses)) return;
    progress = { seed, guesses: kept.guesses }; // the earlier rounds' guesses, kept on
    const rounds = Math.min(Number(kept.round) || 0, kept.guesses.length);
    for (let round = 1; round <= rounds; ++round) {
      const guess = kept.guesses[round - 1];
      if (!Array.isArray(guess) || guess.length !== 2 || !guess.every(Number.isFinite)) return;
      if (program.setValue('u', String(guess[0])) || program.setValue('sigma', String(guess[1]))) return;
      if (round === rounds && !kept.revealed) return;
      if (program.check() < 0) return;
      if (round < rounds) program.nextRound();
    }
  }

  /** @param {string} seed */
  function begin(seed) {
    const why = program.startChallenge(seed);
    if (why) refuse('challengeRefused', { why });
    return !why;
  }
  start.addEventListener('click', () => {
    const seed = new Uint32Array(1);
    crypto.getRandomValues(seed);
    starting();
    program.setPageView('', ''); // left, the challenge goes back to the start
    begin(String(seed[0]));
    changeAddress((parts) => [...parts.filter((part) => part.startsWith('lang=')), `challenge=${seed[0]}`]);
  });
  // Said, not only shown, when Check cannot score the guess yet; shown
  // until the round changes.
  /** @type {Saying | null} */
  let trouble = null;
  /**
   * @param {TextKey} key
   * @param {TextValues} [values]
   */
  function problem(key, values) {
    trouble = [key, values];
    result.textContent = say(key, values);
    announce(() => result.textContent);
    layOutAgain();
  }
  // Checked as the guess stands after the program's next pass: a value
  // typed in a field is applied as the finger or the pointer comes down on
  // Check, and the state it makes is told in that pass (a tap's click
  // follows at once, before it).
  check.addEventListener('click', () =>
    requestAnimationFrame(() => {
      const challenge = shown && shown.challenge;
      if (!challenge) return;
      if (challenge.revealed) return problem('challengeChecked');
      if (!challenge.moved) return problem('challengeNoGuess');
      if (program.check() < 0) problem('challengeBadSigma', { sigma: formatNumber(challenge.guess.sigma) });
    }),
  );
  next.addEventListener('click', () => program.nextRound());
  // Out of the challenge, and out of the address and the tab's memory at
  // once, for a reload that follows at once; said with the next state.
  function leaveNow() {
    program.leaveChallenge();
    forget();
  }
  leave.addEventListener('click', () => {
    leaveNow();
    // The challenge's buttons are gone: the focus goes to the button that
    // starts one, without scrolling the page away from what says it was
    // left (on a phone, the button is a screen further down).
    start.focus({ preventScroll: true });
  });

  // How far the guess is from the product, in words, for u and for sigma.
  /**
   * @param {'challengeU' | 'challengeSigma'} key
   * @param {number} guess
   * @param {number} answer
   */
  function distance(key, guess, answer) {
    const off = guess - answer;
    const values = { off: formatNumber(Math.abs(off)), guess: formatNumber(guess), answer: formatNumber(answer) };
    if (Math.abs(off) < 0.5) return say(`${key}Right`, values);
    return say(off < 0 ? `${key}Below` : `${key}Above`, values);
  }
  /** @param {RevealedState} state */
  function scoreWords(state) {
    const { challenge } = state;
    const product = state.working.steps[state.working.steps.length - 1];
    return say('challengeScore', {
      score: /** @type {number} */ (challenge.scores[challenge.round - 1]),
      // The guess and the product: finite, as the round was scored.
      u: distance('challengeU', /** @type {number} */ (challenge.guess.u), /** @type {number} */ (product.u)),
      sigma: distance(
        'challengeSigma',
        /** @type {number} */ (challenge.guess.sigma),
        /** @type {number} */ (product.sigma),
      ),
    });
  }
  const total = (/** @type {StateChallenge} */ challenge) =>
    challenge.scores.reduce((/** @type {number} */ sum, score) => sum + (score || 0), 0);

  // A challenge left, however it was left (Leave challenge, Start again
  // after Esc, a lesson chosen): said and shown, until the next choice.
  /** @type {{round: number, rounds: number, total: number, most: number} | null} */
  let leftWith = null;
  function showLeft() {
    left.hidden = !leftWith;
    left.textContent = leftWith ? say('challengeLeft', leftWith) : '';
  }
  /** @param {StateChallenge} challenge */
  function ended(challenge) {
    leftWith = {
      round: challenge.round,
      rounds: challenge.rounds,
      total: total(challenge),
      most: 100 * challenge.rounds,
    };
    showLeft();
    left.scrollIntoView({ block: 'nearest' });
    announce(() => left.textContent);
    forget();
  }
  function forget() {
    progress = null;
    keepInTab('challenge', null);
    changeAddress((parts) => parts.filter((part) => !part.startsWith('challenge=')));
  }

  // Controls at rest, or not, described while at rest by the note that
  // says why, besides whatever else describes them.
  /**
   * @param {NodeListOf<HTMLButtonElement | HTMLInputElement>} controls
   * @param {HTMLElement} note
   * @param {boolean} resting
   */
  function rest(controls, note, resting) {
    for (const control of controls) {
      control.disabled = resting;
      const described = (control.getAttribute('aria-describedby') || '')
        .split(' ')
        .filter((id) => id && id !== note.id);
      if (resting) described.push(note.id);
      if (described.length) control.setAttribute('aria-describedby', described.join(' '));
      else control.removeAttribute('aria-describedby');
    }
  }

  return {
    fromAddress() {
      if (pageAddress.challenge === null) {
        keepInTab('challenge', null); // a challenge left, or another page in this tab
        return false;
      }
      if (!begin(pageAddress.challenge)) return false;
      restore(Number(pageAddress.challenge));
      return true;
    },
    leave: leaveNow,
    choosing() {
      if (shown && shown.challenge) return; // left now, and said when it is
      leftWith = null;
      showLeft();
    },
    /** @param {BellscopeState} state */
    show(state) {
      const challenge = state.challenge;
      const before = shown && shown.challenge;
      shown = state;
      panel.hidden = !challenge;
      rest(fixed, curvesFixed, !!challenge);
      rest(guessControls, guessKept, !!challenge && challenge.revealed);
      if (!challenge) {
        if (before) {
          ended(before);
          layOutAgain();
        } else if (leftWith) showLeft(); // in the page's language, which may have changed
        told = '';
        return;
      }
      keep(challenge);
      if (leftWith) {
        leftWith = null;
        showLeft();
      }
      const looks = () => [text.textContent, result.textContent, next.hidden, check.hidden, guessKept.hidden].join();
      const looked = before ? looks() : '';
      const last = challenge.round === challenge.rounds;
      const over = last && challenge.revealed;
      const round = { round: challenge.round, rounds: challenge.rounds };
      if (over) text.textContent = say('challengeOver', { total: total(challenge), most: 100 * challenge.rounds });
      else text.textContent = say(challenge.revealed ? 'challengeShown' : 'challengeRound', round);
      curvesFixed.textContent = say('curvesFixed', { previous: say('selectPrevious'), next: say('selectNext') });
      next.hidden = !challenge.revealed || last;
      check.hidden = challenge.revealed;
      guessKept.hidden = !challenge.revealed;
      const now = `${challenge.seed} ${challenge.round} ${challenge.revealed}`;
      if (now !== told) {
        // A new round, or its answer: said at once, and the focus goes on
        // from a button that has gone.
        const first = !told;
        told = now;
        trouble = null;
        result.textContent = challenge.revealed ? scoreWords(/** @type {RevealedState} */ (state)) : '';
        const revealed = challenge.revealed;
        announce(() => (revealed ? `${result.textContent} ${over ? text.textContent : ''}`.trim() : text.textContent));
        const focused = document.activeElement;
        const lost = focused === document.body && !first;
        if (challenge.revealed && (focused === check || lost)) (over ? start : next).focus({ preventScroll: true });
        if (!challenge.revealed && (focused === next || focused === start || lost)) check.focus();
        // The score in view, where the page had scrolled Check to the top
        // (a phone, its keyboard up), rather than the button that follows it.
        if (challenge.revealed && !first) result.scrollIntoView({ block: 'nearest' });
      }
      // Again, in the page's language, which may have changed.
      result.textContent = trouble
        ? say(...trouble)
        : challenge.revealed
          ? scoreWords(/** @type {RevealedState} */ (state))
          : '';
      if (looks() !== looked) layOutAgain();
    },
  };
}
