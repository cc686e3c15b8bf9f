// Random lines, traces and texts with wild arguments: nothing outside the
// image buffer may change, under the sanitizers as well.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "raster.h"
#include "test_image.h"

namespace {

int wild_int(std::mt19937& rng) {
  switch (rng() % 6) {
    case 0: return static_cast<int>(rng());  // any 32-bit value
    case 1: return INT_MIN + static_cast<int>(rng() % 64);
    case 2: return INT_MAX - static_cast<int>(rng() % 64);
    case 3: return static_cast<int>(rng() % 4000) - 2000;
    default: return static_cast<int>(rng() % 900) - 50;  // near the image
  }
}

TEST(RasterRobustness, RandomCallsStayInsideTheImage) {
  std::mt19937 rng(20261208);
  const int sizes[][2] = {{800, 450}, {1, 1}, {7, 3}, {33, 17}};
  for (auto& size : sizes) {
    const int w = size[0], h = size[1];
    test_image img(w, h);
    unsigned char trace[900];
    char text[40];
    for (int i = 0; i < 20000; ++i) {
      switch (rng() % 4) {
        case 0:
          CLIP_LINE(img.pixels(), w, h, wild_int(rng), wild_int(rng), wild_int(rng), wild_int(rng), wild_int(rng));
          break;
        case 1: {
          for (auto& t : trace) t = static_cast<unsigned char>(rng());
          int count = static_cast<int>(rng() % 900) - 20;
          PLOT_TRACE(img.pixels(), w, h, trace, count, wild_int(rng), wild_int(rng), 1 + static_cast<int>(rng() % 3),
                     1 + static_cast<int>(rng() % 3), wild_int(rng));
          break;
        }
        default: {
          int n = static_cast<int>(rng() % 39);
          for (int k = 0; k < n; ++k) text[k] = static_cast<char>(1 + rng() % 255);
          text[n] = 0;
          int bg = rng() % 3 == 0 ? -1 : wild_int(rng);
          if (rng() % 2)
            DRAW_TEXT(img.pixels(), w, h, wild_int(rng), wild_int(rng), text, wild_int(rng), bg);
          else
            DRAW_TEXT_2X(img.pixels(), w, h, wild_int(rng), wild_int(rng), text, wild_int(rng), bg);
          DRAW_CHAR(img.pixels(), w, h, wild_int(rng), wild_int(rng), wild_int(rng), 1, bg);
          DRAW_CHAR_2X(img.pixels(), w, h, wild_int(rng), wild_int(rng), static_cast<int>(rng() % 512) - 256, 1, bg);
        }
      }
    }
    EXPECT_TRUE(img.guards_intact()) << w << "x" << h;
  }
}

}  // namespace
