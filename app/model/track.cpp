// The filter's two halves and the seeded walk they follow.
#include "track.h"

#include <cmath>

#include "generator.h"

const track_range track_ranges[TRACK_PARAMETERS] = {
    {"q", 0.0, 100.0, 10.0},
    {"r", 0.0, 200.0, 40.0},
    {"v", -100.0, 100.0, 30.0},
    {"walk", -100.0, 100.0, 30.0},
    {"steps", 1.0, TRACK_MOST_STEPS, 12.0},
};

void INIT_TRACK(track_settings* settings) {
  settings->seed = 0;
  for (int p = 0; p < TRACK_PARAMETERS; ++p) settings->value[p] = track_ranges[p].start;
  settings->truth_at_end = false;
}

namespace {

// sqrt(a^2 + b^2) for a, b >= 0, without overflow for huge values; only
// operations IEEE rounds exactly, so that every machine draws the same curve.
double root_of_squares(double a, double b) {
  const double big = std::fmax(a, b);
  if (big == 0.0 || !std::isfinite(big)) return big;
  if (big > 1e-150 && big < 1e150) return std::sqrt(a * a + b * b);
  const double x = a / big, y = b / big;
  return big * std::sqrt(x * x + y * y);
}

// The first belief's sigma: unsure enough that the first measurement counts.
const double FIRST_SIGMA = 60.0;

}  // namespace

track_belief TRACK_PREDICT(track_belief belief, double v, double q) {
  return {belief.u + v, root_of_squares(std::fabs(belief.sigma), std::fabs(q))};
}

track_belief TRACK_UPDATE(track_belief belief, double z, double r, double* gain) {
  const double s = std::fabs(belief.sigma), n = std::fabs(r);
  // K = s^2 / (s^2 + n^2) and the new sigma, sqrt(1 / (1/s^2 + 1/n^2)),
  // from the ratio t of the smaller to the larger, so that nothing
  // overflows or underflows on the way.
  double k = 1.0, sigma = 0.0;
  if (n > 0.0) {
    const double t = s >= n ? n / s : s / n, share = 1.0 / (1.0 + t * t);
    k = s >= n ? share : t * t * share;
    sigma = std::fmin(s, n) * std::sqrt(share);
  }
  *gain = k;
  return {belief.u + k * (z - belief.u), sigma};
}

int TRACK_STEP_OF(int halves) {
  return (halves + 1) / 2;
}

bool TRACK_PREDICTED(int halves) {
  return halves % 2 == 1;
}

void TRACK_WALK(const track_settings* settings, track_walk* walk) {
  const double* value = settings->value;
  int steps = static_cast<int>(value[TRACK_STEPS]);
  steps = steps < 1 ? 1 : steps > TRACK_MOST_STEPS ? TRACK_MOST_STEPS : steps;
  walk->steps = steps;
  walk->r = std::fabs(value[TRACK_R]);
  // The walk's own numbers, apart from the challenge's (whose seeds are
  // rounds): the same seed is another sequence here.
  generator random = {(static_cast<std::uint64_t>(settings->seed) << 8) | 0xF0};
  // Centred on the plot, so that the expected path stays on it.
  const double middle = CURVE_COLUMNS / 2.0 - value[TRACK_WALK_V] * steps / 2.0;
  walk->start_truth = std::round(std::fmin(CURVE_COLUMNS - 40.0, std::fmax(40.0, middle)));
  walk->start = {std::round(walk->start_truth + FIRST_SIGMA * random.normal()), FIRST_SIGMA};
  double truth = walk->start_truth;
  track_belief belief = walk->start;
  for (int k = 1; k <= steps; ++k) {
    track_step& step = walk->step[k];
    // Each step draws its two numbers, whatever q and r are, so that a
    // noisier setting moves the same walk further, not another walk.
    const double move = random.normal(), error = random.normal();
    truth = std::round(truth + value[TRACK_WALK_V] + value[TRACK_Q] * move);
    step.truth = truth;
    step.measurement = std::round(truth + value[TRACK_R] * error);
    step.before = belief;
    step.predicted = TRACK_PREDICT(belief, value[TRACK_V], value[TRACK_Q]);
    step.updated = TRACK_UPDATE(step.predicted, step.measurement, value[TRACK_R], &step.gain);
    belief = step.updated;
  }
}
