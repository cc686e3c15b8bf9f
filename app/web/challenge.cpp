// The challenge, as the page works it: start one from its number, check a
// round's guess, go on to the next round, leave. The page hears of each
// change with the state (page.h), which hides the product until the guess
// is checked.
#include <emscripten.h>

#include "challenge.h"
#include "view.h"
#include "web_program.h"

void WEB_SHOW_CHALLENGE() {
  explorer& program = web.run.program;
  if (program.quit) return;
  if (web.challenge.on) CHALLENGE_ROUND(web.challenge.seed, web.challenge.round, &program.set);
  program.challenge = web.challenge.on ? &web.challenge.frame : nullptr;
  web.run.must_draw = true;
  WEB_WAKE();
}

namespace {

void start_round(int round) {
  web.challenge.round = round;
  web.challenge.frame.guess = challenge_start_guess;
  web.challenge.frame.revealed = false;
  WEB_SHOW_CHALLENGE();
}

}  // namespace

// A new challenge, number `seed` (PARSE_CHALLENGE_SEED), from its first
// round; shown at once, or from the start when the program has not started
// or has ended. Null, or why the number is refused (WEB_REFUSAL; nothing
// changes then).
extern "C" EMSCRIPTEN_KEEPALIVE const char* BELLSCOPE_CHALLENGE(const char* seed) {
  view_refusal refusal;
  std::uint32_t number = 0;
  if (!PARSE_CHALLENGE_SEED(seed, &number, &refusal)) return WEB_REFUSAL(&refusal);
  web.challenge.on = true;
  web.challenge.seed = number;
  for (int& score : web.challenge.scores) score = -1;
  start_round(1);
  return nullptr;
}

// The round's guess checked: the product shown and the guess scored. The
// score (0-100), also when the round was checked before; -1 when there is
// no challenge, or a guess that cannot be scored (its sigma not above 0),
// which leaves the product hidden.
extern "C" EMSCRIPTEN_KEEPALIVE int BELLSCOPE_CHECK() {
  web_challenge& c = web.challenge;
  if (!c.on) return -1;
  int& score = c.scores[c.round - 1];
  if (score >= 0) return score;
  gaussian_set round;
  CHALLENGE_ROUND(c.seed, c.round, &round);
  score = GUESS_SCORE(&c.frame.guess, &round);
  if (score < 0) return -1;
  c.frame.revealed = true;
  web.run.must_draw = true;
  WEB_WAKE();
  return score;
}

// The next round, once this one is checked; false when there is none (no
// challenge, an unchecked round, or the last round).
extern "C" EMSCRIPTEN_KEEPALIVE int BELLSCOPE_NEXT_ROUND() {
  const web_challenge& c = web.challenge;
  if (!c.on || !c.frame.revealed || c.round >= CHALLENGE_ROUNDS) return 0;
  start_round(c.round + 1);
  return 1;
}

// Out of the challenge, back to the page's view.
extern "C" EMSCRIPTEN_KEEPALIVE void BELLSCOPE_LEAVE_CHALLENGE() {
  if (!web.challenge.on) return;
  web.challenge.on = false;
  WEB_SHOW_CHALLENGE();
  if (!web.run.program.quit) WEB_PAGE_VIEW(&web.run.program.set);
}
