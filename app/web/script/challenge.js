'use strict';
/* exported connectChallenge */
/* global say, formatNumber, pageAddress */

// "Challenge": predict the product. Five rounds of curves from a number
// (the seed), the same for everyone with it (challenge=SEED in a link), in
// which the product is hidden until the student, having set a guess with
// the usual controls, presses Check: the product is then shown and the
// guess scored, and the guess stays where it was checked until the next
// round. Returns show(state), called with each state the program
// tells, and fromAddress(), which starts the address's challenge, if any,
// and says whether it did.
function connectChallenge(program, changed, announce, refuse, started) {
  const panel = document.getElementById('challenge-panel');
  const text = document.getElementById('challenge-text');
  const result = document.getElementById('challenge-result');
  const guessKept = document.getElementById('guess-kept');
  const start = document.getElementById('challenge');
  const check = document.getElementById('check');
  const next = document.getElementById('next-round');
  const leave = document.getElementById('leave-challenge');
  const fixed = document.querySelectorAll('[data-control^="gaussian-"], [data-control^="select-"]');
  // What moves the guess: at rest once it is checked, and said why.
  const guessControls = document.querySelectorAll(
    '[data-control^="mean-"], [data-control="narrower"], [data-control="wider"], #field-u, #field-sigma',
  );
  let shown = null; // the state last shown, with its challenge
  let told = ''; // the round last announced

  function begin(seed) {
    const why = program.startChallenge(seed);
    if (why) refuse('challengeRefused', { why });
    else started();
    return !why;
  }
  start.addEventListener('click', () => {
    const seed = new Uint32Array(1);
    crypto.getRandomValues(seed);
    program.setPageView('', ''); // left, the challenge goes back to the start
    begin(String(seed[0]));
  });
  // Said, not only shown, when Check cannot score the guess yet; shown
  // until the round changes.
  let trouble = null;
  function problem(key, values) {
    trouble = [key, values];
    result.textContent = say(key, values);
    announce(result.textContent);
    changed();
  }
  check.addEventListener('click', () => {
    const challenge = shown && shown.challenge;
    if (!challenge) return;
    if (challenge.revealed) return problem('challengeChecked');
    if (!challenge.moved) return problem('challengeNoGuess');
    if (program.check() < 0) problem('challengeBadSigma', { sigma: formatNumber(challenge.guess.sigma) });
  });
  next.addEventListener('click', () => program.nextRound());
  leave.addEventListener('click', () => {
    program.leaveChallenge();
    start.focus(); // the challenge's buttons are gone
  });

  // How far the guess is from the product, in words, for u and for sigma.
  function distance(key, guess, answer) {
    const off = guess - answer;
    const values = { off: formatNumber(Math.abs(off)), guess: formatNumber(guess), answer: formatNumber(answer) };
    if (Math.abs(off) < 0.5) return say(`${key}Right`, values);
    return say(off < 0 ? `${key}Below` : `${key}Above`, values);
  }
  function scoreWords(state) {
    const { challenge } = state;
    const product = state.working.steps[state.working.steps.length - 1];
    return say('challengeScore', {
      score: challenge.scores[challenge.round - 1],
      u: distance('challengeU', challenge.guess.u, product.u),
      sigma: distance('challengeSigma', challenge.guess.sigma, product.sigma),
    });
  }

  function restGuess(checked) {
    for (const control of guessControls) {
      control.disabled = checked;
      const described = (control.getAttribute('aria-describedby') || '')
        .split(' ')
        .filter((id) => id && id !== guessKept.id);
      if (checked) described.push(guessKept.id);
      if (described.length) control.setAttribute('aria-describedby', described.join(' '));
      else control.removeAttribute('aria-describedby');
    }
  }

  return {
    fromAddress() {
      if (pageAddress.challenge === null) return false;
      return begin(pageAddress.challenge);
    },
    show(state) {
      const challenge = state.challenge;
      const before = shown && shown.challenge;
      shown = state;
      panel.hidden = !challenge;
      for (const button of fixed) button.disabled = !!challenge;
      restGuess(!!challenge && challenge.revealed);
      if (!challenge) {
        if (before) changed();
        told = '';
        return;
      }
      const looks = () => [text.textContent, result.textContent, next.hidden, check.hidden, guessKept.hidden].join();
      const looked = before ? looks() : '';
      const last = challenge.round === challenge.rounds;
      const over = last && challenge.revealed;
      const total = challenge.scores.reduce((sum, score) => sum + (score || 0), 0);
      const round = { round: challenge.round, rounds: challenge.rounds };
      if (over) text.textContent = say('challengeOver', { total, most: 100 * challenge.rounds });
      else text.textContent = say(challenge.revealed ? 'challengeShown' : 'challengeRound', round);
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
        result.textContent = challenge.revealed ? scoreWords(state) : '';
        announce(
          challenge.revealed ? `${result.textContent} ${over ? text.textContent : ''}`.trim() : text.textContent,
        );
        const focused = document.activeElement;
        const lost = focused === document.body && !first;
        if (challenge.revealed && (focused === check || lost)) (over ? start : next).focus();
        if (!challenge.revealed && (focused === next || focused === start || lost)) check.focus();
      }
      // Again, in the page's language, which may have changed.
      result.textContent = trouble ? say(...trouble) : challenge.revealed ? scoreWords(state) : '';
      if (looks() !== looked) changed();
    },
  };
}
