// A walk's frame for Track: which curves show the filter's step, and the
// marks and the line that go with them.
#include <cstdio>

#include "frame.h"

void TRACK_FRAME(const track_walk* walk, int halves, bool truth_each_step, gaussian_set* set, frame_track* track) {
  if (halves < 0) halves = 0;
  if (halves > 2 * walk->steps) halves = 2 * walk->steps;
  const int k = TRACK_STEP_OF(halves);
  const bool predicted = TRACK_PREDICTED(halves), updated = halves > 0 && !predicted;
  const bool end = halves == 2 * walk->steps;
  const track_step* step = k ? &walk->step[k] : nullptr;
  const track_belief belief = step ? step->predicted : walk->start;
  set->g[0] = {belief.u, belief.sigma, true};
  // The measurement is not shown, nor printed, before the update.
  set->g[1] = {updated ? step->measurement : belief.u, walk->r, updated};
  set->g[2].on = set->g[3].on = false;
  set->selected = 1;
  track->before_shown = predicted;
  if (predicted) GAUSSIAN_CURVE(step->before.u, step->before.sigma, track->before);
  track->product_shown = updated;
  track->estimates = 0;
  for (int i = 1; i <= (predicted ? k - 1 : k); ++i) track->estimate[track->estimates++] = walk->step[i].updated.u;
  track->truths = 0;
  if (end)
    for (int i = 1; i <= walk->steps; ++i) track->truth[track->truths++] = walk->step[i].truth;
  else if (updated && truth_each_step)
    track->truth[track->truths++] = step->truth;
  if (!step)
    std::snprintf(track->line, sizeof track->line, "Step 0 of %d: start", walk->steps);
  else if (predicted)
    std::snprintf(track->line, sizeof track->line, "Step %d of %d: predict", k, walk->steps);
  else
    std::snprintf(track->line, sizeof track->line, "Step %d of %d: update, K = %.2f", k, walk->steps, step->gain);
}
