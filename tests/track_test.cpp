// Track: the filter's two halves against their closed forms, and the seeded
// walk they follow.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "track.h"

namespace {

TEST(Track, PredictMovesAndWidensAsVariancesAdd) {
  const struct {
    track_belief belief;
    double v, q;
    track_belief expected;
  } cases[] = {
      {{300, 30}, 40, 40, {340, 50}},      // 30^2 + 40^2 = 50^2
      {{300, 30}, -25, 0, {275, 30}},      // no process noise: only moved
      {{300, 0}, 10, 7, {310, 7}},         // a certain belief widens to q
      {{300, -30}, 0, 40, {300, 50}},      // a negative sigma counts as its size
      {{0, 3e200}, 0, 4e200, {0, 5e200}},  // no overflow
      {{0, 1e-200}, 0, 0, {0, 1e-200}},    // nor underflow to 0
  };
  for (const auto& c : cases) {
    const track_belief b = TRACK_PREDICT(c.belief, c.v, c.q);
    EXPECT_DOUBLE_EQ(b.u, c.expected.u) << c.belief.sigma;
    EXPECT_DOUBLE_EQ(b.sigma, c.expected.sigma) << c.belief.sigma;
  }
}

TEST(Track, UpdateIsTheProductOfBeliefAndMeasurement) {
  const struct {
    track_belief belief;
    double z, r;
    double gain;
    track_belief expected;
  } cases[] = {
      {{300, 40}, 400, 30, 0.64, {364, 24}},                 // K = 1600 / 2500; sigma^2 = 1/(1/1600 + 1/900)
      {{300, 30}, 400, 30, 0.5, {350, 21.213203435596427}},  // equal: the midpoint
      {{300, 40}, 412, 0, 1, {412, 0}},                      // a perfect sensor: the measurement exactly
      {{300, 0}, 412, 30, 0, {300, 0}},                      // a certain belief ignores the sensor
      {{300, 0}, 412, 0, 1, {412, 0}},                       // both certain: the sensor wins, nothing divides by 0
      {{0, 1e200}, 5, 1, 1, {5, 1}},                         // a belief as wide as can be: the measurement
      {{5, 1}, 0, 1e200, 0, {5, 1}},                         // a useless sensor: nothing changes
  };
  for (const auto& c : cases) {
    double gain = -1;
    const track_belief b = TRACK_UPDATE(c.belief, c.z, c.r, &gain);
    EXPECT_NEAR(gain, c.gain, 1e-12) << c.belief.sigma << " " << c.r;
    EXPECT_NEAR(b.u, c.expected.u, 1e-9 * std::fmax(1, std::fabs(c.expected.u))) << c.belief.sigma << " " << c.r;
    EXPECT_NEAR(b.sigma, c.expected.sigma, 1e-9 * std::fmax(1, c.expected.sigma)) << c.belief.sigma << " " << c.r;
  }
}

// u + K (z - u) is the precision-weighted mean of the product rule the
// explorer works out: the gain is the measurement's share of the precision.
TEST(Track, GainFormIsTheProductRulesWeightedMean) {
  for (double sigma : {5.0, 40.0, 333.0})
    for (double r : {3.0, 40.0, 250.0})
      for (double z : {-50.0, 410.0, 799.0}) {
        gaussian_set set;
        INIT_GAUSSIANS(&set);
        set.g[0] = {300, sigma, true};
        set.g[1] = {z, r, true};
        set.g[2].on = set.g[3].on = false;
        product_working working;
        WORK_OUT_PRODUCT(&set, &working);
        double gain = 0;
        const track_belief b = TRACK_UPDATE({300, sigma}, z, r, &gain);
        EXPECT_NEAR(b.u, working.steps[1].u, 1e-9 * std::fabs(working.steps[1].u) + 1e-9);
        EXPECT_NEAR(b.sigma, working.steps[1].sigma, 1e-12 * working.steps[1].sigma);
        EXPECT_NEAR(gain, working.steps[1].precision / working.steps[1].total, 1e-12) << "its share";
      }
}

std::string walk_text(const track_settings& settings) {
  track_walk walk;
  TRACK_WALK(&settings, &walk);
  std::string text =
      std::to_string(static_cast<int>(walk.start_truth)) + " " + std::to_string(static_cast<int>(walk.start.u)) + ":";
  for (int k = 1; k <= walk.steps; ++k)
    text += " " + std::to_string(static_cast<int>(walk.step[k].truth)) + "/" +
            std::to_string(static_cast<int>(walk.step[k].measurement));
  return text;
}

// Pinned, so that a link's walk stays what it was when it was shared.
TEST(Track, AWalkIsTheSameForASeedEverywhere) {
  track_settings settings;
  INIT_TRACK(&settings);
  settings.seed = 2026;
  EXPECT_EQ(walk_text(settings), walk_text(settings));
  EXPECT_EQ(walk_text(settings),
            "220 228: 260/285 303/352 338/276 361/352 395/428 422/464 431/439 466/502 508/534 531/438 561/582 "
            "579/641");
  track_settings other = settings;
  other.seed = 2027;
  EXPECT_NE(walk_text(settings), walk_text(other));
}

TEST(Track, TheWalkFollowsItsSettings) {
  track_settings settings;
  INIT_TRACK(&settings);
  settings.seed = 7;
  settings.value[TRACK_Q] = 0;
  settings.value[TRACK_R] = 0;
  track_walk walk;
  TRACK_WALK(&settings, &walk);
  ASSERT_EQ(walk.steps, 12);
  EXPECT_EQ(walk.start_truth, 400 - 30 * 6) << "centred on the plot";
  for (int k = 1; k <= walk.steps; ++k) {
    EXPECT_EQ(walk.step[k].truth, walk.start_truth + 30 * k) << "no process noise: the velocity alone";
    EXPECT_EQ(walk.step[k].measurement, walk.step[k].truth) << "no measurement noise";
    EXPECT_EQ(walk.step[k].updated.u, walk.step[k].truth) << "a perfect sensor is followed";
    EXPECT_EQ(walk.step[k].updated.sigma, 0);
    EXPECT_EQ(walk.step[k].before.u, k == 1 ? walk.start.u : walk.step[k - 1].updated.u);
  }
  // A noisier setting moves the same walk further, not another walk.
  settings.value[TRACK_Q] = 20;
  track_walk noisier;
  TRACK_WALK(&settings, &noisier);
  settings.value[TRACK_Q] = 40;
  track_walk noisiest;
  TRACK_WALK(&settings, &noisiest);
  for (int k = 1; k <= walk.steps; ++k) {
    const double a = noisier.step[k].truth - walk.step[k].truth, b = noisiest.step[k].truth - walk.step[k].truth;
    EXPECT_TRUE(a == 0 ? std::fabs(b) <= k : (a > 0) == (b > 0)) << k;
  }
  // Out of range, the steps are held to 1..TRACK_MOST_STEPS.
  settings.value[TRACK_STEPS] = 1000;
  TRACK_WALK(&settings, &walk);
  EXPECT_EQ(walk.steps, TRACK_MOST_STEPS);
}

// With no process noise the filter grows surer and surer: the gain falls
// toward 0 and it stops listening to the sensor.
TEST(Track, WithoutProcessNoiseTheGainFalls) {
  track_settings settings;
  INIT_TRACK(&settings);
  settings.seed = 3;
  settings.value[TRACK_Q] = 0;
  settings.value[TRACK_STEPS] = 30;
  track_walk walk;
  TRACK_WALK(&settings, &walk);
  for (int k = 2; k <= walk.steps; ++k) EXPECT_LT(walk.step[k].gain, walk.step[k - 1].gain) << k;
  EXPECT_LT(walk.step[30].gain, 0.05);
  EXPECT_TRUE(std::isfinite(walk.step[30].updated.sigma) && walk.step[30].updated.sigma > 0);
}

TEST(Track, HalvesCountTheSteps) {
  const struct {
    int halves, step;
    bool predicted;
  } cases[] = {{0, 0, false}, {1, 1, true}, {2, 1, false}, {3, 2, true}, {24, 12, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(TRACK_STEP_OF(c.halves), c.step) << c.halves;
    EXPECT_EQ(TRACK_PREDICTED(c.halves), c.predicted) << c.halves;
  }
}

}  // namespace
