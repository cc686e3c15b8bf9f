#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "raster.h"
#include "raster_internal.h"
#include "test_image.h"

namespace {

using pixels = std::vector<std::pair<int, int>>;

pixels sorted(pixels p) {
  std::sort(p.begin(), p.end(),
            [](auto a, auto b) { return a.second != b.second ? a.second < b.second : a.first < b.first; });
  return p;
}

pixels drawn_by(void (*draw)(unsigned char*, int, int, int, int, int, int, int), int w, int h, int x1, int y1, int x2,
                int y2) {
  test_image img(w, h);
  draw(img.pixels(), w, h, x1, y1, x2, y2, 7);
  EXPECT_TRUE(img.guards_intact());
  return img.marked();
}

struct line_case {
  int x1, y1, x2, y2;
  pixels expected;
};

TEST(DrawLine, BresenhamTablesAndTieBreaks) {
  const line_case cases[] = {
      {0, 0, 10, 4, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 2}, {7, 3}, {8, 3}, {9, 4}, {10, 4}}},
      {0, 4, 10, 0, {{0, 4}, {1, 4}, {2, 3}, {3, 3}, {4, 2}, {5, 2}, {6, 2}, {7, 1}, {8, 1}, {9, 0}, {10, 0}}},
      {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      {4, 2, 0, 0, {{4, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 0}}},
      {1, 1, 7, 2, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}, {7, 2}}},
      {7, 2, 1, 1, {{7, 2}, {6, 2}, {5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 1}}},
      {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
      {3, 0, 0, 7, {{3, 0}, {3, 1}, {2, 2}, {2, 3}, {1, 4}, {1, 5}, {0, 6}, {0, 7}}},
      {5, 5, 0, 0, {{5, 5}, {4, 4}, {3, 3}, {2, 2}, {1, 1}, {0, 0}}},
      {4, 9, 4, 2, {{4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {4, 7}, {4, 8}, {4, 9}}},
  };
  for (const line_case& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x1 << "," << c.y1 << ")-(" << c.x2 << "," << c.y2 << ")");
    EXPECT_EQ(drawn_by(DRAW_LINE, 16, 12, c.x1, c.y1, c.x2, c.y2), sorted(c.expected));
    // Inside the image CLIP_LINE hands the line over unchanged.
    EXPECT_EQ(drawn_by(CLIP_LINE, 16, 12, c.x1, c.y1, c.x2, c.y2), sorted(c.expected));
  }
}

TEST(DrawLine, EveryDirectionHasBothEndpointsAndMajorPlusOnePixels) {
  const int ends[][2] = {{9, 3},  {9, -3},  {-9, 3}, {-9, -3}, {3, 9}, {3, -9},
                         {-3, 9}, {-3, -9}, {6, 6},  {-6, 6},  {0, 0}};
  for (auto& e : ends) {
    test_image img(40, 40);
    DRAW_LINE(img.pixels(), 40, 40, 20, 20, 20 + e[0], 20 + e[1], 3);
    EXPECT_EQ(img.at(20, 20), 3);
    EXPECT_EQ(img.at(20 + e[0], 20 + e[1]), 3);
    EXPECT_EQ(img.count(3), std::max(std::abs(e[0]), std::abs(e[1])) + 1);
  }
}

TEST(DrawLine, HorizontalRunsWriteExactlyTheirPixels) {
  // Runs at both ends of the buffer: a stray store would hit a guard band.
  for (int n = 1; n <= 8; ++n) {
    for (int row : {0, 1}) {
      const int start = row == 0 ? 0 : 8 - n;
      test_image img(8, 2, 0);
      DRAW_LINE(img.pixels(), 8, 2, start + n - 1, row, start, row, 0x1ff);  // right to left; low 8 bits stored
      EXPECT_TRUE(img.guards_intact()) << n;
      EXPECT_EQ(img.count(0xff), n) << n;
      for (int x = start; x < start + n; ++x) EXPECT_EQ(img.at(x, row), 0xff);
    }
  }
  // Odd start offsets exercise unaligned word stores.
  test_image img(16, 8);
  DRAW_LINE(img.pixels(), 16, 8, 3, 5, 10, 5, 9);
  DRAW_LINE(img.pixels(), 16, 8, 2, 7, 8, 7, 9);
  EXPECT_EQ(img.count(9), 8 + 7);
  EXPECT_EQ(img.at(2, 5), 0);
  EXPECT_EQ(img.at(11, 5), 0);
  EXPECT_EQ(img.at(9, 7), 0);
}

TEST(LineCoeffs, BothEndpointsSatisfyTheEquation) {
  double A, B, C;
  LINE_COEFFS(-50, -20, 850, 430, &A, &B, &C);
  EXPECT_EQ(A, -450);
  EXPECT_EQ(B, 900);
  EXPECT_EQ(C, -4500);
  EXPECT_EQ(A * -50 + B * -20 + C, 0);
  EXPECT_EQ(A * 850 + B * 430 + C, 0);
}

// Draws with CLIP_LINE into 800x450 and compares with DRAW_LINE between the
// expected clipped endpoints (or with an untouched image).
void expect_clip(int x1, int y1, int x2, int y2, bool draws, int ex1 = 0, int ey1 = 0, int ex2 = 0, int ey2 = 0,
                 int count = -1) {
  SCOPED_TRACE(testing::Message() << "(" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ")");
  test_image got(800, 450), want(800, 450);
  CLIP_LINE(got.pixels(), 800, 450, x1, y1, x2, y2, 5);
  if (draws) DRAW_LINE(want.pixels(), 800, 450, ex1, ey1, ex2, ey2, 5);
  EXPECT_TRUE(got.guards_intact());
  EXPECT_TRUE(got.bytes == want.bytes);
  if (count >= 0) {
    EXPECT_EQ(got.count(5), count);
  }
}

TEST(ClipLine, WorkedExamples) {
  expect_clip(-100, 100, 200, 400, true, 0, 200, 200, 400, 201);
  expect_clip(-50, -20, 850, 430, true, 0, 5, 799, 405, 800);
  expect_clip(900, 400, 700, 600, false);            // passes outside the bottom-right corner
  expect_clip(-10, 9, 9, -10, true, 0, 0, 0, 0, 1);  // just outside the top-left corner
  expect_clip(-5, 5, 5, -5, true, 0, 0, 0, 0, 1);    // touches the corner pixel
  expect_clip(789, 459, 809, 439, true, 799, 449, 799, 449, 1);
  expect_clip(-20, 100, 900, 100, true, 0, 100, 799, 100, 800);
  expect_clip(300, -30, 300, 1000, true, 300, 0, 300, 449, 450);
  expect_clip(-1000, 7, 5000, 7, true, 0, 7, 799, 7, 800);
}

TEST(ClipLine, TrivialRejectsAndBorders) {
  expect_clip(0, 449, 799, 449, true, 0, 449, 799, 449);
  expect_clip(0, 450, 799, 450, false);
  expect_clip(799, 0, 799, 449, true, 799, 0, 799, 449);
  expect_clip(800, 0, 800, 449, false);
  expect_clip(-3, -1, -1, 400, false);
  expect_clip(10, -5, 700, -1, false);
}

TEST(ClipLine, LastHalfPixelIsPulledBackOntoTheLastColumnOrRow) {
  // The second endpoint clips to (799.6, 0): drawn like the line to (806, -1).
  expect_clip(600, 37, 805, -1, true, 600, 37, 799, 0, 200);
  expect_clip(600, 37, 806, -1, true, 600, 37, 799, 0, 200);
  // The same at the bottom: both endpoints clip to (0, 449.5).
  expect_clip(10, 452, -2, 449, true, 0, 449, 0, 449, 1);
}

TEST(ClipLine, ExtremeCoordinatesClipWithoutOverflow) {
  const int big = INT_MAX, small = INT_MIN;
  const int coords[][4] = {
      {small, small, big, big}, {big, small, small, big}, {small, 200, big, 200}, {400, small, 400, big},
      {small, big, 10, 10},     {big, big, big, big},     {small, 0, 0, small},   {-2, 100, big, 101},
  };
  for (auto& c : coords) {
    test_image img(800, 450);
    CLIP_LINE(img.pixels(), 800, 450, c[0], c[1], c[2], c[3], 1);
    EXPECT_TRUE(img.guards_intact());
  }
  // A full-width horizontal line from far outside fills the row exactly.
  test_image img(800, 450);
  CLIP_LINE(img.pixels(), 800, 450, small, 3, big, 3, 1);
  EXPECT_EQ(img.count(1), 800);
}

TEST(ClipLine, EmptyImagesDrawNothing) {
  test_image img(4, 4);
  for (int w : {0, -1, INT_MIN})
    for (int h : {0, 4, -5}) CLIP_LINE(img.pixels(), w, h, 0, 0, 0, 0, 1);
  CLIP_LINE(img.pixels(), 4, 0, 0, 0, 1, 0, 1);
  EXPECT_EQ(img.count(1), 0);
  EXPECT_TRUE(img.guards_intact());
}

}  // namespace
