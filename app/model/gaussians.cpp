// The mathematics the program demonstrates: Gaussian curves, their
// point-by-point product, and the closed-form Gaussian of the product.
#include "gaussians.h"

#include <climits>
#include <cmath>

void INIT_GAUSSIANS(gaussian_set* set) {
  set->g[0] = {100.0, 200.0, true};
  set->g[1] = {250.0, 70.0, true};
  set->g[2] = {300.0, 40.0, false};
  set->g[3] = {350.0, 100.0, false};
  set->selected = 1;
  set->recalc = false;
  set->combined_u = 0.0;
  set->combined_sigma = 0.0;
  set->names = NAMES_GAUSSIANS;
}

// A sigma of 0 divides by zero: the values become 0 (exp(-inf)) or NaN (0/0
// at x == u), both of which plot along the bottom of the band.
void GAUSSIAN_CURVE(double u, double sigma, double* curve) {
  for (int x = 0; x < CURVE_COLUMNS; ++x) {
    double z = (x - u) / sigma;
    curve[x] = std::exp(-0.5 * z * z);
  }
}

namespace {

void point_by_point(const gaussian_set* set, gaussian_curves* curves) {
  bool any_on = false;
  for (const gaussian& g : set->g) any_on = any_on || g.on;
  for (int x = 0; x < CURVE_COLUMNS; ++x) {
    if (!any_on) {
      curves->combined[x] = 0.0;
      continue;
    }
    double v = 1.0;
    if (set->g[0].on) v = curves->component[0][x];
    for (int k = 1; k < GAUSSIAN_COUNT; ++k)
      if (set->g[k].on) v *= curves->component[k][x];
    curves->combined[x] = v;
  }
}

// Folds the enabled Gaussians into one with the product rule, starting from a
// Gaussian so wide that it is flat over the plot.
void parameter_recalculation(gaussian_set* set, gaussian_curves* curves) {
  double cu = -100.0;
  double cs = 1.0e9;
  for (const gaussian& g : set->g) {
    if (!g.on) continue;
    double variance = 1.0 / (1.0 / (g.sigma * g.sigma) + 1.0 / (cs * cs));
    double new_sigma = std::sqrt(variance);
    // Multiplied by the new sigma twice, not by the variance: the two can
    // differ in the last bit, and the shown values depend on it.
    cu = ((cu / (cs * cs) + g.u / (g.sigma * g.sigma)) * new_sigma) * new_sigma;
    cs = new_sigma;
  }
  set->combined_u = cu;
  set->combined_sigma = cs;
  GAUSSIAN_CURVE(cu, cs, curves->combined);
}

}  // namespace

void COMPUTE_CURVES(gaussian_set* set, gaussian_curves* curves) {
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) GAUSSIAN_CURVE(set->g[k].u, set->g[k].sigma, curves->component[k]);
  if (set->recalc)
    parameter_recalculation(set, curves);
  else
    point_by_point(set, curves);
}

void WORK_OUT_PRODUCT(const gaussian_set* set, product_working* working) {
  *working = product_working{};
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
    const gaussian& g = set->g[k];
    if (!g.on) continue;
    const double sigma = std::fabs(g.sigma);
    if (sigma == 0.0 && !working->flat) working->flat = k + 1;
    product_step& step = working->steps[working->count++];
    step.gaussian = k + 1;
    step.precision = 1.0 / (sigma * sigma);
    if (working->count == 1) {
      step.total = step.precision;
      step.u = g.u;
      step.sigma = sigma;
      step.height = 1.0;
      continue;
    }
    const product_step& before = working->steps[working->count - 2];
    step.total = before.total + step.precision;
    step.sigma = 1.0 / std::sqrt(step.total);
    // Weighted by shares of the total, so that a curve whose precision is
    // too small to count (a huge sigma) weighs nothing, whatever its mean.
    step.u = before.u * (before.total / step.total) + g.u * (step.precision / step.total);
    // exp(-apart^2 / (2 (sigma1^2 + sigma2^2))), its terms scaled to the
    // largest so that huge ones do not overflow.
    const double apart = g.u - before.u;
    const double scale = std::fmax(std::fabs(apart), std::fmax(before.sigma, sigma));
    const double a = apart / scale, s1 = before.sigma / scale, s2 = sigma / scale;
    step.height = before.height * std::exp(-a * a / (2.0 * (s1 * s1 + s2 * s2)));
  }
  if (!working->flat) return;
  const double at = set->g[working->flat - 1].u;
  working->flat_height = 1.0;
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) {
    const gaussian& g = set->g[k];
    if (!g.on || k == working->flat - 1) continue;
    if (g.sigma == 0.0) {
      if (g.u != at) working->flat_height = 0.0;
      continue;
    }
    const double z = (at - g.u) / g.sigma;
    working->flat_height *= std::exp(-0.5 * z * z);
  }
}

int DISPLAY_VALUE(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return INT_MAX;
  if (value <= -2147483649.0) return INT_MIN;
  return static_cast<int>(value);
}
