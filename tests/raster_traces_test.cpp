#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "raster.h"
#include "test_image.h"

namespace {

TEST(ScaleToBytes, TruncatesAndClamps) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double curve[] = {0.5, 0.999, 1.0, 2.54, 2.55, 2.56, 3.0, 1e30, -0.1, nan, inf, -inf, 0.0};
  const unsigned char want[] = {50, 99, 100, 254, 254, 255, 255, 255, 0, 0, 255, 0, 0};
  unsigned char trace[13];
  SCALE_TO_BYTES(curve, trace, 13, 100.0);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(trace[i], want[i]) << i;

  unsigned char untouched[2] = {7, 7};
  SCALE_TO_BYTES(curve, untouched, 0, 100.0);
  SCALE_TO_BYTES(curve, untouched, -5, 100.0);
  EXPECT_EQ(untouched[0], 7);
}

TEST(PlotTrace, StaircaseExample) {
  const unsigned char trace[] = {255, 250, 200, 210, 255, 0, 0, 8, 16, 255};
  const int rows[][2] = {{2, 2}, {2, 2}, {2, 8}, {7, 8}, {2, 7}, {2, 33}, {33, 33}, {32, 33}, {31, 32}, {2, 31}};
  test_image img(16, 40);
  PLOT_TRACE(img.pixels(), 16, 40, trace, 10, 1, 2, 1, 8, 0x104);
  test_image want(16, 40);
  for (int c = 0; c < 10; ++c)
    for (int y = rows[c][0]; y <= rows[c][1]; ++y) want.set(c + 1, y, 4);
  EXPECT_TRUE(img.bytes == want.bytes);
}

TEST(PlotTrace, ConstantJumpAndShortTraces) {
  unsigned char trace[800];
  for (auto& t : trace) t = 100;
  test_image img(800, 450);
  PLOT_TRACE(img.pixels(), 800, 450, trace, 800, 0, 50, 1, 1, 9);
  EXPECT_EQ(img.count(9), 800);
  for (int x = 0; x < 800; ++x) EXPECT_EQ(img.at(x, 205), 9);

  // 0 then 255: the full band in the second column, one pixel in the first.
  const unsigned char jump[] = {0, 255};
  test_image j(4, 300);
  PLOT_TRACE(j.pixels(), 4, 300, jump, 2, 0, 10, 1, 2, 1);
  EXPECT_EQ(j.at(0, 10 + 127), 1);
  EXPECT_EQ(j.count(1), 1 + 128);
  for (int y = 10; y <= 137; ++y) EXPECT_EQ(j.at(1, y), 1);

  test_image one(4, 300);
  PLOT_TRACE(one.pixels(), 4, 300, jump, 1, 2, 0, 1, 1, 1);
  PLOT_TRACE(one.pixels(), 4, 300, jump, 0, 0, 0, 1, 1, 1);
  EXPECT_EQ(one.count(1), 1);
  EXPECT_EQ(one.at(2, 255), 1);
}

TEST(PlotTrace, PointsOutsideTheImageAreNotWritten) {
  unsigned char trace[800];
  for (int i = 0; i < 800; ++i) trace[i] = static_cast<unsigned char>(i * 7);
  // Origins beyond every edge, including one whose first point lies outside;
  // {0, 195} puts the first point (trace 0, 255 rows down) on row 450, the
  // first row below the image, and {1, -256} on the row above it.
  const int origins[][2] = {{-400, 50},   {700, 50}, {0, 400},   {0, -200}, {INT_MAX, 0}, {INT_MIN, INT_MIN},
                            {0, INT_MAX}, {-1, -1},  {799, 449}, {0, 195},  {1, -256}};
  for (auto& o : origins) {
    test_image img(800, 450);
    PLOT_TRACE(img.pixels(), 800, 450, trace, 800, o[0], o[1], 1, 1, 2);
    EXPECT_TRUE(img.guards_intact());
  }
  // Columns past the right edge do not disturb the image.
  test_image img(800, 450);
  PLOT_TRACE(img.pixels(), 800, 450, trace, 800, 700, 50, 1, 1, 2);
  for (int y = 0; y < 450; ++y)
    for (int x = 0; x < 700; ++x) ASSERT_EQ(img.at(x, y), 0);
}

TEST(PlotTrace, DivisorsBelowOneDrawNothing) {
  unsigned char trace[4] = {1, 2, 3, 4};
  test_image img(8, 300);
  PLOT_TRACE(img.pixels(), 8, 300, trace, 4, 0, 0, 0, 1, 1);
  PLOT_TRACE(img.pixels(), 8, 300, trace, 4, 0, 0, 1, 0, 1);
  PLOT_TRACE(img.pixels(), 8, 300, trace, 4, 0, 0, -1, -1, 1);
  EXPECT_EQ(img.count(1), 0);
}

TEST(PlotTrace, XDivisorTwoDrawsDashes) {
  const unsigned char trace[] = {255, 255, 0, 0};
  test_image img(8, 300);
  PLOT_TRACE(img.pixels(), 8, 300, trace, 4, 0, 0, 2, 1, 1);
  // Two steps visit sample 0 twice: a two-pixel dash in row 0.
  EXPECT_EQ(img.count(1), 2);
  EXPECT_EQ(img.at(0, 0), 1);
  EXPECT_EQ(img.at(1, 0), 1);
}

}  // namespace
