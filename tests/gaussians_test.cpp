#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "gaussians.h"

namespace {

struct model {
  gaussian_set set;
  gaussian_curves curves;
  model() { INIT_GAUSSIANS(&set); }
  void compute() { COMPUTE_CURVES(&set, &curves); }
  void only(int k) {
    for (int i = 0; i < 4; ++i) set.g[i].on = i == k - 1;
  }
};

TEST(Gaussians, PointByPointProductOfTheDefaults) {
  model m;
  m.compute();
  EXPECT_EQ(m.curves.component[0][100], 1.0);
  EXPECT_EQ(m.curves.component[1][250], 1.0);
  EXPECT_NEAR(m.curves.component[2][340], std::exp(-0.5), 1e-15);  // computed even while off
  int peak = 0;
  for (int x = 0; x < 800; ++x) {
    EXPECT_EQ(m.curves.combined[x], m.curves.component[0][x] * m.curves.component[1][x]);
    if (m.curves.combined[x] > m.curves.combined[peak]) peak = x;
  }
  EXPECT_EQ(peak, 234);
  EXPECT_NEAR(m.curves.combined[234], 0.778, 0.001);

  m.only(0);
  m.compute();
  for (int x = 0; x < 800; ++x) ASSERT_EQ(m.curves.combined[x], 0.0);
}

TEST(Gaussians, ParameterRecalculation) {
  model m;
  m.set.recalc = true;
  m.compute();
  EXPECT_NEAR(m.set.combined_u, 233.630, 0.001);
  EXPECT_NEAR(m.set.combined_sigma, 66.070, 0.001);
  EXPECT_EQ(DISPLAY_VALUE(m.set.combined_u), 233);
  EXPECT_EQ(DISPLAY_VALUE(m.set.combined_sigma), 66);

  for (int i = 0; i < 4; ++i) m.set.g[i].on = true;
  m.compute();
  EXPECT_NEAR(m.set.combined_u, 289.3048, 0.0001);
  EXPECT_NEAR(m.set.combined_sigma, 32.3748, 0.0001);

  // Each Gaussian alone comes out a hair below its own parameters.
  const int shown[4][2] = {{99, 199}, {249, 69}, {299, 39}, {349, 99}};
  for (int k = 1; k <= 4; ++k) {
    m.only(k);
    m.compute();
    EXPECT_EQ(DISPLAY_VALUE(m.set.combined_u), shown[k - 1][0]);
    EXPECT_EQ(DISPLAY_VALUE(m.set.combined_sigma), shown[k - 1][1]);
  }
  m.only(1);
  m.compute();
  EXPECT_DOUBLE_EQ(m.set.combined_u, 99.99999999999199);
  EXPECT_DOUBLE_EQ(m.set.combined_sigma, 199.999999999996);

  m.only(0);
  m.compute();
  EXPECT_EQ(m.set.combined_u, -100.0);
  EXPECT_EQ(m.set.combined_sigma, 1.0e9);
  for (int x = 0; x < 800; ++x) {
    ASSERT_LT(m.curves.combined[x], 1.0);
    ASSERT_GT(m.curves.combined[x], 0.99999999999);
  }
}

TEST(Gaussians, CombinedParametersKeptWhileMultiplying) {
  model m;
  m.set.recalc = true;
  m.compute();
  double u = m.set.combined_u;
  m.set.recalc = false;
  m.set.g[0].u = 500;
  m.compute();
  EXPECT_EQ(m.set.combined_u, u);
}

TEST(Gaussians, SigmaZeroAndNegative) {
  model m;
  m.set.g[1].sigma = -70.0;
  m.compute();
  gaussian_curves negative = m.curves;
  m.set.g[1].sigma = 70.0;
  m.compute();
  for (int x = 0; x < 800; ++x) ASSERT_EQ(negative.combined[x], m.curves.combined[x]);

  m.set.g[1].sigma = 0.0;
  m.compute();
  for (int x = 0; x < 800; ++x) {
    double v = m.curves.component[1][x];
    ASSERT_TRUE(v == 0.0 || std::isnan(v));
    double c = m.curves.combined[x];
    ASSERT_TRUE(c == 0.0 || std::isnan(c));
  }
  m.set.recalc = true;
  m.compute();
  EXPECT_EQ(m.set.combined_sigma, 0.0);
  EXPECT_TRUE(std::isnan(m.set.combined_u));
  EXPECT_EQ(DISPLAY_VALUE(m.set.combined_u), 0);
  for (int x = 0; x < 800; ++x) ASSERT_TRUE(std::isnan(m.curves.combined[x]));
}

TEST(Gaussians, DisplayValueIsDefinedEverywhere) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(DISPLAY_VALUE(100.9), 100);
  EXPECT_EQ(DISPLAY_VALUE(-0.7), 0);
  EXPECT_EQ(DISPLAY_VALUE(-100.9), -100);
  EXPECT_EQ(DISPLAY_VALUE(std::nan("")), 0);
  EXPECT_EQ(DISPLAY_VALUE(inf), INT_MAX);
  EXPECT_EQ(DISPLAY_VALUE(-inf), INT_MIN);
  EXPECT_EQ(DISPLAY_VALUE(1e300), INT_MAX);
  EXPECT_EQ(DISPLAY_VALUE(2147483647.9), INT_MAX);
  EXPECT_EQ(DISPLAY_VALUE(-2147483648.9), INT_MIN);
  EXPECT_EQ(DISPLAY_VALUE(2147483648.0), INT_MAX);
}

}  // namespace

// The product rule worked out, against the closed form summed at once:
// 1/sigma^2 = sum 1/sigma_i^2, u = sigma^2 sum u_i/sigma_i^2, and the peak
// exp(-(sum u_i^2/sigma_i^2 - u^2/sigma^2) / 2); and the peak against the
// product the program draws, column by column.
TEST(ProductWorking, MatchesTheClosedFormAndTheDrawnProduct) {
  struct view {
    const char* what;
    gaussian g[GAUSSIAN_COUNT];
  };
  const view views[] = {
      {"start-up", {{100, 200, true}, {250, 70, true}, {300, 40, false}, {350, 100, false}}},
      {"all four", {{100, 200, true}, {250, 70, true}, {300, 40, true}, {350, 100, true}}},
      {"one", {{100, 200, false}, {250, 70, false}, {300, 40, true}, {350, 100, false}}},
      {"four the same", {{400, 50, true}, {400, 50, true}, {400, 50, true}, {400, 50, true}}},
      {"far apart", {{100, 20, true}, {700, 20, true}, {300, 40, false}, {350, 100, false}}},
      {"negative sigma", {{100, -200, true}, {250, -70, true}, {300, 40, false}, {350, 100, false}}},
      {"a wide one", {{100, 1e6, true}, {250, 70, true}, {300, 40, false}, {350, 100, false}}},
  };
  for (const view& v : views) {
    gaussian_set set;
    INIT_GAUSSIANS(&set);
    for (int k = 0; k < GAUSSIAN_COUNT; ++k) set.g[k] = v.g[k];
    product_working w;
    WORK_OUT_PRODUCT(&set, &w);
    double p = 0, pu = 0, puu = 0;
    int count = 0;
    for (const gaussian& g : v.g)
      if (g.on)
        p += 1 / (g.sigma * g.sigma), pu += g.u / (g.sigma * g.sigma), puu += g.u * g.u / (g.sigma * g.sigma), ++count;
    const double u = pu / p, height = std::exp(-0.5 * (puu - u * u * p));
    ASSERT_EQ(w.count, count) << v.what;
    EXPECT_EQ(w.flat, 0) << v.what;
    const product_step& last = w.steps[w.count - 1];
    EXPECT_NEAR(last.total, p, 1e-12 * p) << v.what;
    EXPECT_NEAR(last.sigma, 1 / std::sqrt(p), 1e-12 / std::sqrt(p)) << v.what;
    EXPECT_NEAR(last.u, u, 1e-9 * std::fabs(u)) << v.what;
    EXPECT_NEAR(last.height, height, 1e-9 * height + 1e-300) << v.what;

    model m;
    m.set = set;
    m.compute();
    double drawn = 0;
    for (int x = 0; x < CURVE_COLUMNS; ++x) {
      const double z = (x - last.u) / last.sigma;
      EXPECT_NEAR(m.curves.combined[x], last.height * std::exp(-0.5 * z * z), 1e-12) << v.what << " at " << x;
      drawn = std::max(drawn, m.curves.combined[x]);
    }
    if (last.u >= 0 && last.u <= CURVE_COLUMNS - 1) {  // the peak is drawn, to within half a column
      EXPECT_NEAR(drawn, last.height, last.height * 0.5 * 0.5 / (last.sigma * last.sigma) + 1e-15) << v.what;
    }
  }
}

TEST(ProductWorking, NoGaussianOnSigmaZeroAndHugeValues) {
  gaussian_set set;
  INIT_GAUSSIANS(&set);
  for (gaussian& g : set.g) g.on = false;
  product_working w;
  WORK_OUT_PRODUCT(&set, &w);
  EXPECT_EQ(w.count, 0);
  set.g[1].on = set.g[2].on = true;
  set.g[2].sigma = 0;
  WORK_OUT_PRODUCT(&set, &w);
  EXPECT_EQ(w.count, 2);
  EXPECT_EQ(w.flat, 3);
  // A curve so wide that its precision is 0 weighs nothing; the height of
  // two curves 1e300 apart and 1e300 wide is exp(-1/2), not an overflow.
  set.g[0] = {1e300, 1e300, true};
  set.g[2].on = false;
  WORK_OUT_PRODUCT(&set, &w);
  EXPECT_EQ(w.steps[1].u, 250);
  EXPECT_EQ(w.steps[1].sigma, 70);
  EXPECT_NEAR(w.steps[1].height, std::exp(-0.5), 1e-15);
}

// A Gaussian of sigma 0 is 0 everywhere but at its mean, where its peak is
// 1: the product there is the other curves' product at that point.
TEST(ProductWorking, FlatGaussianTheProductAtItsMean) {
  struct flat_case {
    const char* what;
    gaussian g[GAUSSIAN_COUNT];
    int flat;
    double height;
  };
  const flat_case cases[] = {
      {"one sigma from the other's mean (the lesson)",
       {{300, 120, true}, {420, 0, true}, {0, 1, false}, {0, 1, false}},
       2,
       0.60653065971263342},
      {"alone", {{0, 1, false}, {420, 0, true}, {0, 1, false}, {0, 1, false}}, 2, 1.0},
      {"two flat at one mean, and a curve two sigmas away",
       {{100, -0.0, true}, {100, 0, true}, {0, 50, true}, {0, 1, false}},
       1,
       0.1353352832366127},
      {"two flat at different means", {{100, 0, true}, {101, 0, true}, {100, 10, true}, {0, 1, false}}, 1, 0.0},
      {"a negative sigma counts as its size",
       {{0, -10, true}, {20, 0, true}, {0, 1, false}, {0, 1, false}},
       2,
       0.1353352832366127},
  };
  for (const flat_case& c : cases) {
    gaussian_set set;
    INIT_GAUSSIANS(&set);
    for (int k = 0; k < GAUSSIAN_COUNT; ++k) set.g[k] = c.g[k];
    product_working w;
    WORK_OUT_PRODUCT(&set, &w);
    EXPECT_EQ(w.flat, c.flat) << c.what;
    EXPECT_NEAR(w.flat_height, c.height, 1e-15) << c.what;
  }
}
