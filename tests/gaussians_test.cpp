#include <gtest/gtest.h>

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
