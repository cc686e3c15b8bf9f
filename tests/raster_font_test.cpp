#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "font_table.h"
#include "raster.h"
#include "raster_internal.h"
#include "test_image.h"

namespace {

// The letter F as pixels, column 0 first.
const char* const F_ROWS[8] = {".XXXXXX.", ".XX.....", ".XX.....", ".XX.....",
                               ".XXXX...", ".XX.....", ".XX.....", "........"};

TEST(Font, TableIsBuiltOnceWithTheStoredRows) {
  EXPECT_EQ(DRAW_TEXT(nullptr, 0, 0, 5, 0, "", 1, 0), 5);  // an empty text still builds the table
  ASSERT_NE(mgcd, nullptr);
  unsigned char* table = mgcd;
  INIT_FONT();
  EXPECT_EQ(mgcd, table);
  const unsigned char f[] = {0xE7, 0x60, 0x60, 0x60, 0xE1, 0x60, 0x60, 0x00};
  for (int r = 0; r < 8; ++r) EXPECT_EQ(mgcd[8 * 5 + r], f[r]);
  EXPECT_EQ(mgcd[8 * 98 + 6], 0xFF);  // underscore, the last slot
}

TEST(Font, CharacterMapping) {
  EXPECT_EQ(GLYPH_SLOT('A'), 0);
  EXPECT_EQ(GLYPH_SLOT('z'), 51);
  EXPECT_EQ(GLYPH_SLOT('0'), 64);
  EXPECT_EQ(GLYPH_SLOT('9'), 73);
  EXPECT_EQ(GLYPH_SLOT(':'), 80);
  EXPECT_EQ(GLYPH_SLOT(' '), 96);
  EXPECT_EQ(GLYPH_SLOT('_'), 98);
  int mapped = 0;
  for (int c = -300; c < 300; ++c) mapped += GLYPH_SLOT(c) >= 0;
  EXPECT_EQ(mapped, 93);
  for (int c : {96, 126, 0, 10, 127, 128, -1, -128, 1000}) EXPECT_EQ(GLYPH_SLOT(c), -1) << c;
}

TEST(Font, LetterFAtSingleSize) {
  test_image img(16, 16);
  DRAW_CHAR(img.pixels(), 16, 16, 0, 0, 'F', 1, 0);
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) EXPECT_EQ(img.at(c, r), F_ROWS[r][c] == 'X' ? 1 : 0) << r << "," << c;
  EXPECT_EQ(img.count(1), 6 + 2 * 5 + 4);
}

TEST(Font, LetterFAtDoubleSize) {
  test_image img(20, 20, 9);
  DRAW_CHAR_2X(img.pixels(), 20, 20, 0, 0, 'F', 1, 0);
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 16; ++c) EXPECT_EQ(img.at(c, r), F_ROWS[r / 2][c / 2] == 'X' ? 1 : 0) << r << "," << c;
  EXPECT_EQ(img.at(16, 0), 9);
  EXPECT_EQ(img.at(0, 16), 9);
}

TEST(Font, TextAdvancesAWholeCellPerCharacter) {
  test_image img(100, 40);
  EXPECT_EQ(DRAW_TEXT(img.pixels(), 100, 40, 10, 0, "ON", 1, 0), 26);
  EXPECT_EQ(DRAW_TEXT_2X(img.pixels(), 100, 40, 10, 20, "ON", 1, 0), 42);
  // Unmapped characters (grave, tilde, control codes, bytes 128-255) draw
  // nothing and still advance.
  test_image odd(100, 20, 3);
  const std::string text = "`~\x01\x7f\x80\xff";
  EXPECT_EQ(DRAW_TEXT(odd.pixels(), 100, 20, 0, 0, text.c_str(), 1, 0), 48);
  EXPECT_EQ(DRAW_TEXT_2X(odd.pixels(), 100, 20, 0, 0, text.c_str(), 1, 0), 96);
  EXPECT_EQ(odd.count(3), 2000);
  // Cells wholly outside still count.
  EXPECT_EQ(DRAW_TEXT(img.pixels(), 100, 40, -500, 0, "abc", 1, 0), -476);
  EXPECT_EQ(DRAW_TEXT_2X(img.pixels(), 100, 40, 90, 500, "abc", 1, 0), 138);
}

TEST(Font, TransparentBackgroundOnlyWritesGlyphPixels) {
  for (int x : {0, -3, 95}) {
    test_image a(100, 20, 5), b(100, 20, 5);
    DRAW_CHAR(a.pixels(), 100, 20, x, 2, 'F', 1, -1);
    DRAW_CHAR_2X(b.pixels(), 100, 20, x, 2, 'F', 1, -1);
    EXPECT_EQ(a.count(5) + a.count(1), 2000);
    EXPECT_EQ(b.count(5) + b.count(1), 2000);
    EXPECT_EQ(a.count(0), 0);
    EXPECT_EQ(b.count(0), 0);
  }
  // 255 is an ordinary opaque colour; a foreground of 256 writes index 0.
  test_image c(20, 20, 5);
  DRAW_CHAR(c.pixels(), 20, 20, 0, 0, 'F', 256, 255);
  EXPECT_EQ(c.count(0), 20);
  EXPECT_EQ(c.count(255), 44);
}

TEST(Font, EdgeClippingMatchesTheFastPath) {
  // Any cell, drawn partly outside, equals the window of the same cell drawn
  // wholly inside a larger image.
  for (int scale : {1, 2}) {
    const int cell = 8 * scale;
    for (int x = -cell - 1; x <= 40 + 1; ++x) {
      for (int y : {-cell, -3, -1, 0, 5, 40 - cell, 40 - cell + 1, 39, 40}) {
        test_image small(40, 40), big(40 + 2 * 32, 40 + 2 * 32);
        auto draw = scale == 1 ? DRAW_CHAR : DRAW_CHAR_2X;
        draw(small.pixels(), 40, 40, x, y, '#', 1, 2);
        draw(big.pixels(), 104, 104, x + 32, y + 32, '#', 1, 2);
        ASSERT_TRUE(small.guards_intact());
        for (int r = 0; r < 40; ++r)
          for (int c = 0; c < 40; ++c) {
            unsigned char want = big.at(c + 32, r + 32);
            // Double size clips whole blocks: a block cut by the edge is skipped.
            if (scale == 2 && ((c - x) % 2 != 0 ? c == 0 : c == 39)) want = 0;
            if (scale == 2 && ((r - y) % 2 != 0 ? r == 0 : r == 39)) want = 0;
            ASSERT_EQ(small.at(c, r), want) << scale << " " << x << "," << y << " at " << c << "," << r;
          }
      }
    }
  }
}

TEST(Font, WorkedClippingCases) {
  // Single size at x = -3: columns 0-4 come from glyph columns 3-7.
  test_image a(20, 10);
  DRAW_CHAR(a.pixels(), 20, 10, -3, 0, 'F', 1, 2);
  EXPECT_EQ(a.at(0, 0), 1);  // glyph column 3 of row 0
  EXPECT_EQ(a.at(4, 0), 2);  // glyph column 7
  EXPECT_EQ(a.at(5, 0), 0);
  // Double size at x = -1 leaves column 0 alone.
  test_image b(40, 20);
  DRAW_CHAR_2X(b.pixels(), 40, 20, -1, 0, 'F', 1, 2);
  for (int y = 0; y < 20; ++y) EXPECT_EQ(b.at(0, y), 0);
  EXPECT_EQ(b.at(1, 0), 1);  // glyph column 1 of F is set
  // x = 785 in 800 columns: column 799 untouched; single size at 792 writes up to 799.
  test_image c(800, 20);
  DRAW_CHAR_2X(c.pixels(), 800, 20, 785, 0, '#', 1, 2);
  for (int y = 0; y < 20; ++y) EXPECT_EQ(c.at(799, y), 0);
  EXPECT_EQ(c.at(798, 0), 1);  // glyph column 6 of # is set
  test_image d(800, 20);
  DRAW_CHAR(d.pixels(), 800, 20, 792, 0, '#', 1, 2);
  EXPECT_EQ(d.at(792, 2), 1);  // '#' row 2 is solid
  EXPECT_EQ(d.at(799, 2), 1);
}

TEST(Font, ExtremePositionsAndSizesAreSafe) {
  test_image img(64, 32);
  const int xs[] = {INT_MIN, INT_MIN + 5, -9, 60, INT_MAX - 20, INT_MAX};
  for (int x : xs)
    for (int y : xs) {
      DRAW_TEXT(img.pixels(), 64, 32, x, y, "Wide text #_", 1, 0);
      DRAW_TEXT_2X(img.pixels(), 64, 32, x, y, "Wide text #_", 1, 0);
    }
  EXPECT_TRUE(img.guards_intact());
  EXPECT_EQ(DRAW_TEXT_2X(img.pixels(), 64, 32, INT_MAX - 20, 0, "abc", 1, 0), INT_MAX);
  DRAW_TEXT(img.pixels(), 0, 32, 0, 0, "abc", 1, 0);
  DRAW_TEXT_2X(img.pixels(), 64, -1, 0, 0, "abc", 1, 0);
  EXPECT_TRUE(img.guards_intact());
}

}  // namespace
