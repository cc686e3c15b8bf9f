// The page's calls into the program (page.h) for the challenge: start one
// from its number, check a round's guess, go on to the next round, leave.
// The page hears of each change with the state, which hides the product
// until the guess is checked.
#include "challenge.h"
#include "page.h"
#include "view.h"
#include "web_state.h"

namespace {

void start_round(int round) {
  web.challenge.round = round;
  web.challenge.frame.guess = challenge_start_guess;
  web.challenge.frame.revealed = false;
  WEB_SHOW_CHALLENGE();
}

}  // namespace

// The number as PARSE_CHALLENGE_SEED reads it; shown at once, or from the
// start when the program has not started or has ended. A walk is left.
const char* BELLSCOPE_CHALLENGE(const char* seed) {
  view_refusal refusal;
  std::uint32_t number = 0;
  if (!PARSE_CHALLENGE_SEED(seed, &number, &refusal)) return WEB_REFUSAL(&refusal);
  web.track.on = false;
  WEB_SHOW_TRACK();
  web.challenge.on = true;
  web.challenge.seed = number;
  for (int& score : web.challenge.scores) score = -1;
  start_round(1);
  return nullptr;
}

// Also when the round was checked before; -1 also with no challenge. A
// guess that cannot be scored (its sigma not above 0) leaves it hidden.
int BELLSCOPE_CHECK() {
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

int BELLSCOPE_NEXT_ROUND() {
  const web_challenge& c = web.challenge;
  if (!c.on || !c.frame.revealed || c.round >= CHALLENGE_ROUNDS) return 0;
  start_round(c.round + 1);
  return 1;
}

void BELLSCOPE_LEAVE_CHALLENGE() {
  if (!web.challenge.on) return;
  web.challenge.on = false;
  WEB_SHOW_CHALLENGE();
  if (!web.run.program.quit) WEB_PAGE_VIEW(&web.run.program.set);
}
