#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "colours.h"
#include "frame.h"
#include "raster.h"

namespace {

struct frame {
  gaussian_set set;
  gaussian_curves curves;
  frame_scratch scratch;
  std::vector<unsigned char> image = std::vector<unsigned char>(SCREEN_WIDTH * SCREEN_HEIGHT, 0xEE);
  frame() { INIT_GAUSSIANS(&set); }
  void compose(const frame_challenge* challenge = nullptr, const frame_track* track = nullptr) {
    COMPUTE_CURVES(&set, &curves);
    COMPOSE_FRAME(image.data(), &set, &curves, challenge, &scratch, track);
  }
  int count(int colour) const {
    int n = 0;
    for (unsigned char c : image) n += c == colour;
    return n;
  }
  unsigned char at(int x, int y) const { return image[y * SCREEN_WIDTH + x]; }
  // Highest row of the plot band below the text in which `colour` appears in
  // column x, or -1.
  int top_row(int x, int colour) const {
    for (int y = 136; y <= 305; ++y)
      if (at(x, y) == colour) return y;
    return -1;
  }
  // The cells of `text` at (x, y) show exactly that text with background 0.
  bool shows(int x, int y, const char* text, int colour, int scale = 2) const {
    std::vector<unsigned char> want(image.size(), 0);
    (scale == 2 ? DRAW_TEXT_2X : DRAW_TEXT)(want.data(), SCREEN_WIDTH, SCREEN_HEIGHT, x, y, text, colour, 0);
    const int w = 8 * scale * static_cast<int>(std::strlen(text)), h = 8 * scale;
    for (int r = y; r < y + h; ++r)
      for (int c = x; c < x + w && c < SCREEN_WIDTH; ++c)
        if (at(c, r) != want[r * SCREEN_WIDTH + c]) return false;
    return true;
  }
};

// Rows 306-349 lie between the plot band and the instructions; the curves'
// band ends at row 305, the double-size text at row 135.
void expect_gap_rows_clear(const frame& f) {
  for (int y = 306; y < 350; ++y)
    for (int x = 0; x < SCREEN_WIDTH; ++x) ASSERT_EQ(f.at(x, y), 0) << x << "," << y;
  for (int x = 0; x < SCREEN_WIDTH; ++x) {
    for (int y = 0; y < 10; ++y) ASSERT_EQ(f.at(x, y), 0);
    for (int y = 438; y < 450; ++y) ASSERT_EQ(f.at(x, y), 0);
  }
}

TEST(Frame, DefaultState) {
  frame f;
  f.compose();
  // Blue and red reach row 205 (value 1.0) at columns 100 and 250 and never above.
  EXPECT_EQ(f.at(100, 205), COLOUR_GAUSSIAN_1);
  EXPECT_EQ(f.at(250, 205), COLOUR_GAUSSIAN_2);
  for (int x = 0; x < SCREEN_WIDTH; ++x)
    for (int y = 136; y < 205; ++y) ASSERT_TRUE(f.at(x, y) == 0) << x << "," << y;
  // The white product peaks at trace value 77 (row 228) for columns 224-243.
  int top = SCREEN_HEIGHT;
  for (int x = 0; x < SCREEN_WIDTH; ++x) {
    int r = f.top_row(x, COLOUR_COMBINED);
    if (r >= 0 && r < top) top = r;
  }
  EXPECT_EQ(top, 228);
  for (int x = 224; x <= 243; ++x) EXPECT_EQ(f.at(x, 228), COLOUR_COMBINED) << x;
  EXPECT_NE(f.at(222, 228), COLOUR_COMBINED);
  EXPECT_TRUE(f.shows(10, 10, "Gaussian 1", COLOUR_GAUSSIAN_1));
  EXPECT_TRUE(f.shows(186, 10, "ON", COLOUR_HIGHLIGHT));
  EXPECT_TRUE(f.shows(186, 30, "ON", COLOUR_HIGHLIGHT));
  EXPECT_TRUE(f.shows(186, 50, "OFF", COLOUR_HIGHLIGHT));
  EXPECT_TRUE(f.shows(186, 70, "OFF", COLOUR_HIGHLIGHT));
  EXPECT_TRUE(f.shows(250, 30, "(F2 key) u=250  sigma=70", COLOUR_GAUSSIAN_2));
  EXPECT_TRUE(f.shows(680, 10, "<--", COLOUR_HIGHLIGHT));
  EXPECT_TRUE(f.shows(680, 30, "   ", 0));  // no marker on the other rows
  EXPECT_TRUE(f.shows(10, 100, "Combining mode: ", COLOUR_INSTRUCTIONS));
  EXPECT_TRUE(f.shows(320, 100, "Point by Point Multiplication", COLOUR_GAUSSIAN_3));
  for (int x = 0; x < SCREEN_WIDTH; ++x)
    for (int y = 120; y < 136; ++y) ASSERT_EQ(f.at(x, y), 0);  // no Combined line
  EXPECT_TRUE(f.shows(30, 350, "BELLSCOPE: Interactive visualization of multiplying gaussians", 140, 1));
  EXPECT_TRUE(f.shows(30, 420, "<return> key toggles point by point multiplication or parameter recalcuation", 140, 1));
  EXPECT_TRUE(f.shows(30, 430, credit_line, COLOUR_CREDIT, 1));
  expect_gap_rows_clear(f);
}

TEST(Frame, ParameterRecalculation) {
  frame f;
  f.set.recalc = true;
  f.compose();
  for (int x = 225; x <= 242; ++x) EXPECT_EQ(f.top_row(x, COLOUR_COMBINED), 206) << x;
  for (int x = 0; x < SCREEN_WIDTH; ++x) EXPECT_GE(f.top_row(x, COLOUR_COMBINED), 206);
  EXPECT_TRUE(f.shows(320, 100, "Parameter Recalculation", COLOUR_GAUSSIAN_3));
  EXPECT_TRUE(f.shows(10, 120, "Combined:               u=233  sigma=66", COLOUR_HIGHLIGHT));
  expect_gap_rows_clear(f);
}

TEST(Frame, NoGaussianOn) {
  for (bool recalc : {false, true}) {
    frame f;
    f.set.recalc = recalc;
    for (auto& g : f.set.g) g.on = false;
    f.compose();
    const int row = recalc ? 206 : 305;
    for (int x = 0; x < SCREEN_WIDTH; ++x) {
      ASSERT_EQ(f.at(x, row), COLOUR_COMBINED);
      for (int y = 136; y < 350; ++y) ASSERT_TRUE(y == row || f.at(x, y) == 0);
    }
    EXPECT_TRUE(f.shows(186, 10, "OFF", COLOUR_HIGHLIGHT));
    if (recalc) {
      EXPECT_TRUE(f.shows(10, 120, "Combined:               u=-100  sigma=1000000000", COLOUR_HIGHLIGHT));
    }
  }
}

TEST(Frame, LongParameterLineRunsUnderTheMarker) {
  frame f;
  f.set.g[0].u = -100;
  f.set.g[0].sigma = 1000;
  f.compose();
  EXPECT_TRUE(f.shows(680, 10, "<--", COLOUR_HIGHLIGHT));
  EXPECT_TRUE(f.shows(10, 10, "Gaussian 1", COLOUR_GAUSSIAN_1));
  EXPECT_TRUE(f.shows(186, 10, "ON", COLOUR_HIGHLIGHT));
  EXPECT_TRUE(f.shows(250, 10, "(F1 key) u=-100  sigma=", COLOUR_GAUSSIAN_1));
  // Huge values are bounded by the line buffer and the image.
  f.set.g[1].u = 1e300;
  f.set.g[1].sigma = -1e300;
  f.set.selected = 2;
  f.compose();
  EXPECT_TRUE(f.shows(250, 30, "(F2 key) u=2147483647  sig", COLOUR_GAUSSIAN_2));
  EXPECT_TRUE(f.shows(680, 30, "<--", COLOUR_HIGHLIGHT));
}

TEST(Frame, CurvePeakOutsideTheColumnsAndSigmaZero) {
  frame f;
  f.set.g[1].on = false;
  f.set.g[0].u = -300;
  f.set.g[0].sigma = 100;
  f.compose();
  // The tail reaches 0.01 only near the left edge; elsewhere it runs along 305.
  EXPECT_LT(f.top_row(0, COLOUR_GAUSSIAN_1), 305);
  EXPECT_EQ(f.at(799, 305), COLOUR_COMBINED);  // white drawn last along the bottom

  frame z;
  z.set.g[1].sigma = 0;
  z.compose();
  for (int x = 1; x < SCREEN_WIDTH; ++x) {
    ASSERT_EQ(z.top_row(x, COLOUR_GAUSSIAN_2), -1);  // flat along 305, hidden under white
    ASSERT_EQ(z.at(x, 305), COLOUR_COMBINED);
    ASSERT_EQ(z.top_row(x, COLOUR_COMBINED), 305);
  }
  EXPECT_TRUE(z.shows(250, 30, "(F2 key) u=250  sigma=0", COLOUR_GAUSSIAN_2));
  z.set.recalc = true;
  z.compose();
  EXPECT_TRUE(z.shows(10, 120, "Combined:               u=0  sigma=0", COLOUR_HIGHLIGHT));
}

// A challenge hides the product, curve and Combined line, until it is
// revealed, and draws the guess with its line, where the marker points.
TEST(Frame, ChallengeHidesTheProductUntilRevealed) {
  static frame_challenge challenge;
  challenge.guess = {420, 50, false};
  GAUSSIAN_CURVE(420, 50, challenge.curve);
  const struct { bool recalc, revealed; } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
  for (const auto& c : cases) {
    frame f;
    f.set.recalc = c.recalc;
    challenge.revealed = c.revealed;
    f.compose(&challenge);
    EXPECT_EQ(f.count(COLOUR_COMBINED) > 0, c.revealed) << c.recalc;
    EXPECT_EQ(f.shows(10, 120, "Combined:", COLOUR_HIGHLIGHT), c.recalc && c.revealed);
    EXPECT_EQ(f.at(420, 205), COLOUR_GUESS);
    EXPECT_TRUE(f.shows(10, 140, "Your guess:             u=420  sigma=50", COLOUR_GUESS));
    EXPECT_TRUE(f.shows(680, 140, "<--", COLOUR_HIGHLIGHT));
    EXPECT_TRUE(f.shows(680, 10, "   ", 0)) << "no marker at the selected Gaussian";
  }
  frame plain;
  plain.compose();
  EXPECT_EQ(plain.count(COLOUR_GUESS), 0);
}

// The gain on a step's line is rounded as printf's %.2f rounds it (the
// frame carries no floating-point printf): ties to even, from the exact
// value, and the ends of its range.
TEST(Frame, TrackGainRoundsAsPrintfDoes) {
  track_settings settings;
  INIT_TRACK(&settings);
  track_walk walk;
  TRACK_WALK(&settings, &walk);
  const double gains[] = {0, 1, 0.005, 0.015, 0.125, 0.375, 0.625, 0.995, 0.994999, 0.7049999999999999, 1e-30, 0.33};
  for (const double gain : gains) {
    walk.step[1].gain = gain;
    gaussian_set set;
    frame_track track;
    TRACK_FRAME(&walk, 2, true, &set, &track);
    char expected[64];
    std::snprintf(expected, sizeof expected, "Step 1 of 12: update, K = %.2f", gain);
    EXPECT_STREQ(track.line, expected);
  }
}

// Track's frame through one step: the belief before the predict dotted
// beside the wider one after it, the product only with a measurement, the
// estimates and (after the update) the truth marked below the axis, and a
// line for the step.
TEST(Frame, TrackShowsEachHalfOfAStep) {
  track_settings settings;
  INIT_TRACK(&settings);
  settings.seed = 5;
  track_walk walk;
  TRACK_WALK(&settings, &walk);
  const struct {
    int halves;
    bool truth_each_step;
    const char* line;
    bool dotted, product;
    int estimates, truths;
  } cases[] = {
      {0, true, "Step 0 of 12: start", false, false, 0, 0},
      {5, true, "Step 3 of 12: predict", true, false, 2, 0},
      {6, true, nullptr, false, true, 3, 1},
      {6, false, nullptr, false, true, 3, 0},
      {24, false, nullptr, false, true, 12, 12},
  };
  for (const auto& c : cases) {
    frame f;
    frame_track track;
    TRACK_FRAME(&walk, c.halves, c.truth_each_step, &f.set, &track);
    f.compose(nullptr, &track);
    const int k = TRACK_STEP_OF(c.halves);
    char line[64];
    std::snprintf(line, sizeof line, "Step %d of 12: update, K = %.2f", k, k ? walk.step[k].gain : 0.0);
    EXPECT_TRUE(f.shows(10, 140, c.line ? c.line : line, COLOUR_HIGHLIGHT)) << c.halves;
    EXPECT_EQ(f.set.g[1].on, c.product) << "the measurement, with the update";
    EXPECT_EQ(f.count(COLOUR_COMBINED) > 0, c.product || c.estimates > 0) << c.halves;
    // The dotted belief: what it adds to the frame lies in some columns
    // around its mean and not in others.
    frame plain;
    frame_track undotted = track;
    undotted.before_shown = false;
    plain.set = f.set;
    plain.compose(nullptr, &undotted);
    int dotted = 0, gaps = 0;
    for (int col = 200; col < 320; ++col) {
      bool differs = false;
      for (int y = 150; y < 306; ++y) differs = differs || f.at(col, y) != plain.at(col, y);
      ++(differs ? dotted : gaps);
    }
    EXPECT_EQ(dotted > 20 && gaps > 20, c.dotted) << c.halves << ": " << dotted << " columns dotted";
    int ticks = 0, triangles = 0;
    for (int col = 0; col < SCREEN_WIDTH; ++col) {
      ticks += f.at(col, 310) == COLOUR_COMBINED;
      triangles += f.at(col, 317) == COLOUR_HIGHLIGHT;
    }
    EXPECT_GE(ticks, c.estimates > 0 ? 1 : 0) << c.halves;
    EXPECT_EQ(ticks == 0, c.estimates == 0) << c.halves;
    EXPECT_EQ(triangles == 0, c.truths == 0) << c.halves;
  }
}

}  // namespace
