// Challenge rounds from a seed, and the score of a guess.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "challenge.h"
#include "view.h"

namespace {

TEST(Challenge, SeedsAreWholeNumbersThatFitInThirtyTwoBits) {
  const struct {
    const char* text;
    bool ok;
    std::uint32_t seed;
  } cases[] = {
      {"0", true, 0},
      {"007", true, 7},
      {"4294967295", true, 4294967295u},
      {"4294967296", false, 0},
      {"99999999999999999999999999", false, 0},
      {"", false, 0},
      {nullptr, false, 0},
      {"-1", false, 0},
      {"+1", false, 0},
      {" 1", false, 0},
      {"1.5", false, 0},
      {"12a", false, 0},
      {"%31", false, 0},
  };
  for (const auto& c : cases) {
    std::uint32_t seed = 12345;
    view_refusal refusal;
    char error[VIEW_ERROR_SIZE] = "";
    EXPECT_EQ(PARSE_CHALLENGE_SEED(c.text, &seed, &refusal), c.ok) << (c.text ? c.text : "(null)");
    if (c.ok) {
      EXPECT_EQ(seed, c.seed);
    } else {
      VIEW_REFUSAL_TEXT(&refusal, error);
      EXPECT_GT(std::strlen(error), 20u) << "says why";
    }
  }
}

std::string round_text(std::uint32_t seed, int round) {
  gaussian_set set;
  CHALLENGE_ROUND(seed, round, &set);
  std::string text;
  for (const gaussian& g : set.g)
    text += std::to_string(g.on) + ":" + std::to_string(g.u) + "/" + std::to_string(g.sigma) + " ";
  return text;
}

// Pinned, so that a link's rounds stay what they were when it was shared.
TEST(Challenge, RoundsAreTheSameForEverySeedEverywhere) {
  EXPECT_EQ(round_text(42, 1), round_text(42, 1));
  EXPECT_NE(round_text(42, 1), round_text(42, 2));
  EXPECT_NE(round_text(42, 1), round_text(43, 1));
  EXPECT_EQ(round_text(42, 1),
            "1:300.000000/126.000000 1:352.000000/57.000000 0:379.000000/50.000000 0:403.000000/61.000000 ");
}

// Every round of many seeds: two to four whole-numbered Gaussians well
// inside the plot, whose product's peak is inside it and stands out.
TEST(Challenge, RoundsAreFairPuzzles) {
  int counts[GAUSSIAN_COUNT + 1] = {};
  for (std::uint32_t seed : {0u, 1u, 2u, 99u, 12345u, 4294967295u})
    for (std::uint32_t s = seed; s < seed + 200; ++s)
      for (int round = 1; round <= CHALLENGE_ROUNDS; ++round) {
        gaussian_set set;
        INIT_GAUSSIANS(&set);
        set.recalc = true;
        set.selected = 3;
        CHALLENGE_ROUND(s, round, &set);
        int on = 0;
        for (const gaussian& g : set.g) {
          on += g.on;
          EXPECT_TRUE(g.u >= 80 && g.u <= 720 && g.u == static_cast<int>(g.u)) << g.u;
          EXPECT_TRUE(g.sigma >= 20 && g.sigma <= 160 && g.sigma == static_cast<int>(g.sigma)) << g.sigma;
        }
        ++counts[on];
        product_working working;
        WORK_OUT_PRODUCT(&set, &working);
        const product_step& product = working.steps[working.count - 1];
        ASSERT_TRUE(on >= 2 && on <= 4);
        EXPECT_GE(product.height, 0.15) << s << " " << round;
        EXPECT_TRUE(product.u >= 0 && product.u < CURVE_COLUMNS);
        EXPECT_EQ(set.selected, 1);
        EXPECT_TRUE(set.recalc) << "kept";
      }
  for (int on = 2; on <= GAUSSIAN_COUNT; ++on) EXPECT_GT(counts[on], 500) << on << " Gaussians on";
}

TEST(Challenge, ScoreIsTheAreaGuessAndProductHaveInCommon) {
  gaussian_set set;
  INIT_GAUSSIANS(&set);
  set.g[0] = {300, 60, true};
  set.g[1] = {300, 80, true};  // product: u 300, sigma 48
  const struct {
    gaussian guess;
    int score;
  } cases[] = {
      {{300, 48, true}, 100},     {{300, 96, true}, 68},  // twice as wide
      {{300, 24, true}, 68},                              // half as wide: the same
      {{348, 48, true}, 62},                              // one sigma off: 2 Phi(-1/2)
      {{252, 48.001, true}, 62},                          // nearly as wide: as good as the same
      {{300, 48 * 1e7, true}, 0},                         // far wider
      {{700, 48, true}, 0},                               // far away
      {{300, 1e200, true}, 0},                            // as wide as can be
      {{300, 0, true}, -1},                               // no bell curve to compare
      {{300, -48, true}, -1},     {{300, 0.0 / 0.0, true}, -1}, {{1.0 / 0.0, 48, true}, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(GUESS_SCORE(&c.guess, &set), c.score) << c.guess.u << " " << c.guess.sigma;

  const gaussian perfect = {300, 48, true};
  set.g[1].sigma = 0;  // a flat product
  EXPECT_EQ(GUESS_SCORE(&perfect, &set), -1);
  set.g[0].on = set.g[1].on = false;  // no product
  EXPECT_EQ(GUESS_SCORE(&perfect, &set), -1);
}

// The area under both of two normal densities, each of area 1, worked out
// numerically: composite Simpson's rule over ten sigmas either side of both
// means, in steps of a hundredth of the narrower sigma.
double common_area_by_simpson(double u1, double sigma1, double u2, double sigma2) {
  const double pi = std::acos(-1.0);
  const auto density = [pi](double x, double u, double sigma) {
    return std::exp(-0.5 * (x - u) * (x - u) / (sigma * sigma)) / (sigma * std::sqrt(2.0 * pi));
  };
  const auto both = [&](double x) { return std::min(density(x, u1, sigma1), density(x, u2, sigma2)); };
  const double low = std::min(u1 - 10 * sigma1, u2 - 10 * sigma2);
  const double high = std::max(u1 + 10 * sigma1, u2 + 10 * sigma2);
  const long n = 2 * static_cast<long>(std::ceil((high - low) / std::min(sigma1, sigma2) * 50));
  const double step = (high - low) / n;
  double sum = both(low) + both(high);
  for (long i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * both(low + i * step);
  return sum * step / 3;
}

// Against the numbers: a guess as wide as the product, a hair wider or
// narrower, twice, ten and a thousand times as wide or as narrow; on it, a
// little, a few sigmas and far off, to either side (in sigmas of the two
// together).
TEST(Challenge, ScoreIsTheCommonAreaWorkedOutNumerically) {
  gaussian_set set;
  INIT_GAUSSIANS(&set);
  for (gaussian& g : set.g) g.on = false;
  set.g[0] = {300, 48, true};  // the product is this Gaussian
  for (double sigma : {48.0, 48 * 1.0001, 48 / 1.0001, 96.0, 24.0, 480.0, 4.8, 48000.0, 0.048})
    for (double apart : {0.0, 0.05, -0.5, 2.0, -3.0, 8.0}) {
      const gaussian guess = {300 + apart * std::hypot(sigma, 48.0), sigma, true};
      const double area = common_area_by_simpson(guess.u, guess.sigma, 300, 48);
      // The rule is off by less than 0.001 points here, and none of these
      // areas is within 0.01 of a half point: the rounding is the same.
      EXPECT_EQ(GUESS_SCORE(&guess, &set), std::lround(100 * area)) << "sigma " << sigma << ", " << apart << " apart";
    }
}

}  // namespace
