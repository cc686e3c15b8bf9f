#include "challenge.h"

#include <cmath>

#include "generator.h"

const gaussian challenge_start_guess = {400.0, 100.0, true};

namespace {

// Means well inside the plot, widths from narrow to wide; the product's peak
// at least this high, so that its curve stands out when it is revealed.
const int LOWEST_U = 80, HIGHEST_U = 720, NARROWEST = 20, WIDEST = 160;
const double LOWEST_PEAK = 0.15;
const int TRIES = 64;

void draw_round(generator* random, gaussian_set* set) {
  const int on = random->between(2, GAUSSIAN_COUNT);
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
    set->g[k].u = random->between(LOWEST_U, HIGHEST_U);
    set->g[k].sigma = random->between(NARROWEST, WIDEST);
    set->g[k].on = k < on;
  }
}

}  // namespace

void CHALLENGE_ROUND(std::uint32_t seed, int round, gaussian_set* set) {
  generator random = {(static_cast<std::uint64_t>(seed) << 8) | static_cast<std::uint64_t>(round & 0xFF)};
  product_working working;
  // Drawn again until the product stands out; the chance of failing every
  // try is below 1e-20, and the last draw is kept then.
  for (int t = 0; t < TRIES; ++t) {
    draw_round(&random, set);
    WORK_OUT_PRODUCT(set, &working);
    if (working.steps[working.count - 1].height >= LOWEST_PEAK) break;
  }
  set->selected = 1;
}

namespace {

// The standard normal distribution function.
double normal_below(double x) {
  return 0.5 * std::erfc(-x / std::sqrt(2.0));
}

// The area under both of two normal densities (each of area 1): the
// narrower standard, the wider with mean d and sigma k >= 1, both in units of
// the narrower's sigma. Where the densities cross, the narrower is above
// between the crossings and the wider outside them.
double common_area(double d, double k) {
  if (k > 1e6 || std::fabs(d) > 1e6) return 0.0;  // below 1e-5, and beyond what the formula holds
  const double a = k * k - 1.0;
  if (a < 1e-9) return 2.0 * normal_below(-std::fabs(d) / 2.0);  // equal widths: one crossing, midway
  // (k^2 - 1) t^2 + 2 d t - (d^2 + 2 k^2 ln k) = 0 at the crossings.
  const double b = 2.0 * d, c = -(d * d + 2.0 * k * k * std::log(k));
  const double root = std::sqrt(b * b - 4.0 * a * c);
  const double low = (-b - root) / (2.0 * a), high = (-b + root) / (2.0 * a);
  const double wider_between = normal_below((high - d) / k) - normal_below((low - d) / k);
  const double narrower_outside = normal_below(low) + (1.0 - normal_below(high));
  return wider_between + narrower_outside;
}

}  // namespace

int GUESS_SCORE(const gaussian* guess, const gaussian_set* set) {
  product_working working;
  WORK_OUT_PRODUCT(set, &working);
  if (!(guess->sigma > 0.0) || !std::isfinite(guess->sigma) || !std::isfinite(guess->u) || working.count == 0 ||
      working.flat)
    return -1;
  const product_step& product = working.steps[working.count - 1];
  const bool guess_narrower = guess->sigma <= product.sigma;
  const double narrow = guess_narrower ? guess->sigma : product.sigma;
  const double wide = guess_narrower ? product.sigma : guess->sigma;
  const double apart = (guess_narrower ? product.u - guess->u : guess->u - product.u) / narrow;
  const double area = common_area(apart, wide / narrow);
  if (!std::isfinite(area)) return 0;
  return static_cast<int>(std::lround(100.0 * std::fmin(1.0, std::fmax(0.0, area))));
}
