// A walk's frame for Track: which curves show the filter's step, and the
// marks and the line that go with them.
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "frame.h"

namespace {

// A gain (0 to 1) in hundredths, rounded as printf's %.2f rounds it: from
// its exact value, to the nearest, a tie to even. The gain is m / 2^shift
// with m below 2^53 and shift at least 52, so m times 100 is exact in 64
// bits; from shift 64 on it is below 2^-11, 0.00.
int hundredths(double gain) {
  if (!(gain > 0)) return 0;
  if (gain >= 1) return 100;
  int e = 0;
  const std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(std::frexp(gain, &e), 53));
  const int shift = 53 - e;
  if (shift >= 64) return 0;
  const std::uint64_t scaled = m * 100, half = 1ull << (shift - 1), rest = scaled & ((half << 1) - 1);
  std::uint64_t whole = scaled >> shift;
  if (rest > half || (rest == half && (whole & 1))) ++whole;
  return static_cast<int>(whole);
}

}  // namespace

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
    std::snprintf(track->line, sizeof track->line, "Step %d of %d: update, K = %d.%02d", k, walk->steps,
                  hundredths(step->gain) / 100, hundredths(step->gain) % 100);
}
