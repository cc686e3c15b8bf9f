// The raster library's fast paths (whole glyph rows written as words, and
// traces drawn as direct vertical runs) against the general code they stand
// in for: they must set exactly the same pixels.
#include <gtest/gtest.h>

#include <random>

#include "raster.h"
#include "test_image.h"

namespace {

// A cell drawn well inside the image takes the fast path; the same cell drawn
// so that it ends exactly at the image's right edge takes the clipped path
// with every pixel still visible. Both must give the same pixels, for every
// character, both sizes, opaque and transparent, over a patterned image.
TEST(RasterFastPaths, GlyphCellsMatchTheClippedPath) {
  for (int scale = 1; scale <= 2; ++scale) {
    const int cell = 8 * scale, width = 3 * cell, height = cell + 2;
    for (int background : {0, 7, 300, -1}) {
      for (int character = 32; character < 128; ++character) {
        test_image fast(width, height), edge(width, height);
        for (int y = 0; y < height; ++y)
          for (int x = 0; x < width; ++x)
            fast.set(x, y, static_cast<unsigned char>(x % (cell / 2) * 7 + y * 3 + 1));  // the same under both cells
        edge = fast;
        auto draw = scale == 1 ? DRAW_CHAR : DRAW_CHAR_2X;
        draw(fast.pixels(), width, height, cell / 2, 1, character, 201, background);
        draw(edge.pixels(), width, height, width - cell, 1, character, 201, background);
        for (int y = 0; y < height; ++y)
          for (int j = 0; j < cell; ++j)
            ASSERT_EQ(fast.at(cell / 2 + j, y), edge.at(width - cell + j, y))
                << "character " << character << " scale " << scale << " background " << background << " at " << j << ","
                << y;
        EXPECT_TRUE(fast.guards_intact() && edge.guards_intact());
      }
    }
  }
}

// A trace with one sample per column inside the image is drawn directly; the
// reference is its definition: the first point, then CLIP_LINE from the
// previous column + 1 and the previous row to each sample.
TEST(RasterFastPaths, TracesMatchTheirLineByLineDefinition) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 200; ++round) {
    const int width = 300, height = 300, count = 1 + static_cast<int>(random() % 280);
    const int x0 = static_cast<int>(random() % 20), y0 = static_cast<int>(random() % 40);
    const int y_divisor = 1 + static_cast<int>(random() % 3);
    unsigned char trace[280];
    // Smooth stretches and jumps, as curves and their steep flanks give.
    int value = static_cast<int>(random() % 256);
    for (int i = 0; i < count; ++i) {
      value += random() % 8 == 0 ? static_cast<int>(random() % 200) - 100 : static_cast<int>(random() % 7) - 3;
      value = value < 0 ? 0 : value > 255 ? 255 : value;
      trace[i] = static_cast<unsigned char>(value);
    }
    test_image fast(width, height), reference(width, height);
    PLOT_TRACE(fast.pixels(), width, height, trace, count, x0, y0, 1, y_divisor, 9);
    const auto row = [&](int k) { return y0 + (255 - trace[k]) / y_divisor; };
    reference.set(x0, row(0), 9);
    for (int k = 1; k < count; ++k) CLIP_LINE(reference.pixels(), width, height, x0 + k, row(k - 1), x0 + k, row(k), 9);
    ASSERT_EQ(fast.bytes, reference.bytes) << "round " << round;
  }
}

}  // namespace
