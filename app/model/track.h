// Track: the product at work in a filter. A seeded walk along the plot (a
// true position that moves each step by a velocity plus process noise, and
// a sensor's measurement of it with measurement noise) and a Kalman
// filter's belief about it, stepped through its two halves:
//   predict: the belief moves by the velocity and widens, sigma^2 + q^2
//            (the sum of two Gaussian variables: variances add);
//   update:  the belief times the measurement, the product the explorer
//            computes (precisions add), with the gain K = sigma^2 /
//            (sigma^2 + r^2) as the measurement's weight.
#ifndef BELLSCOPE_APP_TRACK_H
#define BELLSCOPE_APP_TRACK_H

#include <cstdint>

#include "gaussians.h"

// What a teacher sets, besides the walk's number (its seed): each with its
// name in an address, its range and its value when not given.
enum track_parameter {
  TRACK_Q,       // process noise: the sigma of each step's random move, in columns
  TRACK_R,       // measurement noise: the sigma of the sensor's error
  TRACK_V,       // the velocity the filter assumes, in columns a step
  TRACK_WALK_V,  // the velocity the walk truly has (a filter may assume another)
  TRACK_STEPS,   // how many steps the walk has, a whole number
  TRACK_PARAMETERS
};
struct track_range {
  const char* name;  // in an address: q, r, v, walk, steps
  double low, high, start;
};
extern const track_range track_ranges[TRACK_PARAMETERS];

enum { TRACK_MOST_STEPS = 30 };

struct track_settings {
  std::uint32_t seed;
  double value[TRACK_PARAMETERS];
  bool truth_at_end;  // the true positions shown only at the end, not after each update
};

// Seed 0 with every parameter at its start value, the truth shown after
// each update.
void INIT_TRACK(track_settings* settings);

// A belief, or a measurement: a Gaussian by its mean and sigma.
struct track_belief {
  double u, sigma;
};

// predict: moved by v and widened by the process noise q.
track_belief TRACK_PREDICT(track_belief belief, double v, double q);

// update: the belief times the measurement z of noise r, with the gain in
// *gain. r = 0 is a perfect sensor (K = 1: the belief becomes the
// measurement); a belief of sigma 0 is certain (K = 0). Finite for every
// finite input, however large.
track_belief TRACK_UPDATE(track_belief belief, double z, double r, double* gain);

// One step of the walk and of the filter through it.
struct track_step {
  double truth;            // where the walk is after this step
  double measurement;      // what the sensor reads there
  track_belief before;     // the belief before the predict
  track_belief predicted;  // after the predict
  double gain;             // K of the update
  track_belief updated;    // after the update
};

// The whole walk for these settings: where it starts, the filter's first
// belief, and each step. The walk's positions and measurements are whole
// columns drawn from the seed; the same settings give the same walk on
// every machine.
struct track_walk {
  int steps;
  double r;  // the measurements' sigma
  double start_truth;
  track_belief start;
  track_step step[TRACK_MOST_STEPS + 1];  // 1..steps
};
void TRACK_WALK(const track_settings* settings, track_walk* walk);

// How far a walk has gone, in halves: 0 at the start, 2k - 1 when step k is
// predicted, 2k when it is updated, 2 * steps at the end.
int TRACK_STEP_OF(int halves);     // the step shown: 0..steps
bool TRACK_PREDICTED(int halves);  // the step's predict is done, its update not

#endif
