// bellscope-icon: draws the program's icon with the raster library, a blue and
// a red bell curve and, in white, their point-by-point product (narrower,
// between them and lower), and writes it as a PNG for the desktop entry.
#include <cstdio>

#include "gaussians.h"
#include "png_writer.h"
#include "raster.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: bellscope-icon OUT.png\n", stderr);
    return 2;
  }
  enum { SIZE = 64 };
  static unsigned char icon[SIZE * SIZE];
  static double curve[CURVE_COLUMNS];
  unsigned char trace[SIZE];

  for (int i = 0; i < SIZE * SIZE; ++i) icon[i] = 1;  // background
  // Curves over 800 columns, sampled every 12th column into 64 icon columns.
  const struct {
    double u, sigma, height;
    int colour;
  } curves[] = {{300, 110, 1.0, 2}, {470, 90, 1.0, 3}, {401.6, 69.6, 0.49, 4}};
  for (const auto& c : curves) {
    GAUSSIAN_CURVE(c.u, c.sigma, curve);
    double samples[SIZE];
    for (int x = 0; x < SIZE; ++x) samples[x] = c.height * curve[x * 12] * 250.0 / 255.0;
    SCALE_TO_BYTES(samples, trace, SIZE, 255.0);
    PLOT_TRACE(icon, SIZE, SIZE, trace, SIZE, 0, 4, 1, 5, c.colour);
  }
  unsigned char palette[256][3] = {};
  const unsigned char colours[5][3] = {{0, 0, 0}, {16, 20, 36}, {40, 90, 255}, {255, 40, 40}, {255, 255, 255}};
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 3; ++j) palette[i][j] = colours[i][j];
  if (!WRITE_PALETTE_PNG(argv[1], icon, SIZE, SIZE, palette)) {
    std::fprintf(stderr, "bellscope-icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
