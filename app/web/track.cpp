// The page's calls into the program (page.h) for Track: start a walk from
// an address's parameters, take it on by one half of a step, leave it. The
// page hears of each change with the state, which carries the steps done.
#include <cstring>

#include "page.h"
#include "view.h"
#include "web_state.h"

// The walk as PARSE_TRACK_ADDRESS reads it, gone on by `halves` (0: from
// its start; a walk whose settings change, or that a reload brings back,
// stays where it was, or at its end if it is now shorter); shown at once,
// or from the start when the program has not started or has ended. A
// challenge is left: the page shows one or the other.
const char* BELLSCOPE_TRACK(const char* query, int halves) {
  view_refusal refusal;
  track_settings settings;
  bool found = false;
  if (!PARSE_TRACK_ADDRESS(query ? query : "", &settings, &found, &refusal)) return WEB_REFUSAL(&refusal);
  if (!found) {
    VIEW_REFUSE(&refusal, REASON_NOT_A_TRACK, "track=", "", 4294967295LL);
    return WEB_REFUSAL(&refusal);
  }
  web.challenge.on = false;
  WEB_SHOW_CHALLENGE();
  TRACK_WALK(&settings, &web.walk);
  web.track = {true, settings, halves < 0 ? 0 : halves > 2 * web.walk.steps ? 2 * web.walk.steps : halves};
  WEB_SHOW_TRACK();
  return nullptr;
}

// Each half in its turn: predict after the start or an update, update
// after a predict. Out of turn, nothing moves, and the answer names the
// page's text that says why; a name other than "predict" or "update", or
// no walk, is a fault of the page's, answered with a text that is no
// refusal.
const char* BELLSCOPE_TRACK_STEP(const char* half) {
  const bool predict = half && std::strcmp(half, "predict") == 0, update = half && std::strcmp(half, "update") == 0;
  if (!predict && !update) return "BELLSCOPE has no half of a step of that name";
  web_track& t = web.track;
  if (!t.on) return "BELLSCOPE has no walk to step";
  if (t.halves >= 2 * web.walk.steps) return "{\"key\":\"trackOver\"}";
  const bool predicted = TRACK_PREDICTED(t.halves);
  if (predict && predicted) return "{\"key\":\"trackUpdateNext\"}";
  if (update && !predicted) return "{\"key\":\"trackPredictNext\"}";
  if (web.run.program.quit) return nullptr;  // the page's controls rest until Resume
  ++t.halves;
  WEB_SHOW_TRACK();
  return nullptr;
}

void BELLSCOPE_LEAVE_TRACK() {
  if (!web.track.on) return;
  web.track.on = false;
  WEB_SHOW_TRACK();
  if (!web.run.program.quit) WEB_PAGE_VIEW(&web.run.program.set);
}
